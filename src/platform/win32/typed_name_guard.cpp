#include "platform/win32/typed_name_guard.h"

#include <vector>

#include "base/name_text.h"
#include "platform/win32/message_params.h"
#include "platform/win32/wide_names.h"
#include "platform/win32/window_property.h"

namespace morvane::platform::win32 {
namespace {

constexpr char kGuardProperty[] = "MorvaneTypedNameGuard";
constexpr wchar_t kQuote = L'"';
constexpr wchar_t kBackslash = L'\\';
constexpr wchar_t kDriveColon = L':';
constexpr std::size_t kDriveLength = 2;  // "C:"
// Room for the separator, the zero after the names and the one after the list.
constexpr std::size_t kListOverhead = 3;
constexpr UINT kWarningStyle = MB_OK | MB_ICONEXCLAMATION;

// One of the dialog's texts (CDM_GETSPEC, CDM_GETFOLDERPATH).
std::wstring DialogText(HWND dialog, UINT message) {
  const LRESULT needed = SendMessageW(dialog, message, 0, 0);
  if (needed <= 0) return {};
  std::vector<wchar_t> buffer(static_cast<std::size_t>(needed) + 1, L'\0');
  SendMessageW(dialog, message, buffer.size(), PointerParam(buffer.data()));
  return buffer.data();
}

// The names in the file name box: each one in double quotes, or the whole
// text as one name.
std::vector<std::wstring> TypedNames(const std::wstring& text) {
  if (text.find(kQuote) == std::wstring::npos) return {text};
  std::vector<std::wstring> names;
  std::size_t open = text.find(kQuote);
  while (open != std::wstring::npos) {
    const std::size_t close = text.find(kQuote, open + 1);
    const std::wstring name =
        text.substr(open + 1, close == std::wstring::npos ? std::wstring::npos : close - open - 1);
    if (!name.empty()) names.push_back(name);
    if (close == std::wstring::npos) break;
    open = text.find(kQuote, close + 1);
  }
  return names;
}

}  // namespace

std::size_t JoinedPathLength(const std::wstring& folder, const std::wstring& name) {
  if (name.size() >= kDriveLength && name[1] == kDriveColon) return name.size();
  if (!name.empty() && name[0] == kBackslash) return kDriveLength + name.size();
  const bool separated = !folder.empty() && folder.back() == kBackslash;
  return folder.size() + (separated ? 0 : 1) + name.size();
}

TypedNameGuard::TypedNameGuard(std::wstring& names, std::wstring tooLongWarning,
                               std::wstring notCarriedWarning, std::wstring caption)
    : names_(names),
      tooLongWarning_(std::move(tooLongWarning)),
      notCarriedWarning_(std::move(notCarriedWarning)),
      caption_(std::move(caption)) {}

void TypedNameGuard::Attach(HWND dialog) {
  if (dialogProc_) return;
  SetPropA(dialog, kGuardProperty, this);
  dialogProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DialogProc)));
}

void TypedNameGuard::Reserve(std::size_t needed) {
  if (!dialogData_ || needed <= dialogData_->nMaxFile) return;
  names_.resize(needed * 2, L'\0');
  dialogData_->lpstrFile = names_.data();
  dialogData_->nMaxFile = static_cast<DWORD>(names_.size());
}

bool TypedNameGuard::AcceptOpen(HWND dialog) {
  const std::wstring typed = DialogText(dialog, CDM_GETSPEC);
  const std::wstring folder = DialogText(dialog, CDM_GETFOLDERPATH);
  const std::vector<std::wstring> names = TypedNames(typed);
  if (names.size() == 1 && JoinedPathLength(folder, names.front()) >= MAX_PATH) {
    MessageBoxW(dialog, tooLongWarning_.c_str(), caption_.c_str(), kWarningStyle);
    return false;
  }
  if (base::HoldsUncarriedCharacter(NameFromWide(folder)) ||
      base::HoldsUncarriedCharacter(NameFromWide(typed))) {
    MessageBoxW(dialog, notCarriedWarning_.c_str(), caption_.c_str(), kWarningStyle);
    return false;
  }
  Reserve(folder.size() + typed.size() + kListOverhead);
  return true;
}

LRESULT CALLBACK TypedNameGuard::DialogProc(HWND dialog, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  auto* guard = PropertyObject<TypedNameGuard>(dialog, kGuardProperty);
  const WNDPROC dialogProc = guard->dialogProc_;
  if (message == WM_COMMAND && LOWORD(wParam) == IDOK && !guard->AcceptOpen(dialog)) return 0;
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(dialogProc));
    RemovePropA(dialog, kGuardProperty);
    guard->dialogProc_ = nullptr;
  }
  return CallWindowProcW(dialogProc, dialog, message, wParam, lParam);
}

}  // namespace morvane::platform::win32
