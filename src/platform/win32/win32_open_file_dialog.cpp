#include "platform/win32/win32_open_file_dialog.h"

#include <windows.h>

#include <cderr.h>
#include <commdlg.h>

#include <algorithm>
#include <cstring>

#include "base/name_text.h"
#include "platform/win32/message_params.h"
#include "platform/win32/typed_name_guard.h"
#include "platform/win32/wide_names.h"
#include "platform/win32/window_handles.h"

namespace morvane::platform::win32 {
namespace {

// The dialog reports the size it needs in the first bytes of the name buffer.
constexpr std::size_t kNeededSizeBytes = 2;
constexpr UINT kWarningStyle = MB_OK | MB_ICONEXCLAMATION;

std::string FilterString(const std::vector<FileFilter>& filters) {
  std::string filter;
  for (const FileFilter& entry : filters) {
    filter += entry.description;
    filter.push_back('\0');
    filter += entry.pattern;
    filter.push_back('\0');
  }
  filter.push_back('\0');
  return filter;
}

DWORD FlagsOf(const OpenFileDialogOptions& options) {
  // The hook keeps the name buffer ahead of the selection and guards the
  // Open command (below).
  DWORD flags = OFN_EXPLORER | OFN_ENABLEHOOK;
  if (options.multipleSelection) flags |= OFN_ALLOWMULTISELECT;
  if (options.hideReadOnly) flags |= OFN_HIDEREADONLY;
  if (options.resizable) flags |= OFN_ENABLESIZING;
  if (options.namesMustExist) flags |= OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
  return flags;
}

// Puts the guard in front of the Open command when the dialog is ready, and
// keeps the name buffer large enough for the current selection while the
// dialog is open, so that a selection of thousands of files fits when it is
// confirmed.
UINT_PTR CALLBACK DialogHook(HWND hook, UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_NOTIFY) return 0;
  const auto& notify = ParamData<const OFNOTIFYW>(lParam);
  if (notify.hdr.code != CDN_INITDONE && notify.hdr.code != CDN_SELCHANGE) return 0;
  auto& guard = ParamData<TypedNameGuard>(notify.lpOFN->lCustData);
  HWND dialog = GetParent(hook);
  if (notify.hdr.code == CDN_INITDONE) {
    guard.Attach(dialog);
    return 0;
  }
  const LRESULT selected = SendMessageW(dialog, CDM_GETSPEC, 0, 0);
  const LRESULT folder = SendMessageW(dialog, CDM_GETFOLDERPATH, 0, 0);
  if (selected < 0 || folder < 0) return 0;
  // The names come in quotes with blanks between: never shorter
  // than the zero-separated list the dialog returns.
  guard.Reserve(static_cast<std::size_t>(selected + folder) + 2);
  return 0;
}

// The zero-separated parts of the dialog's result, each in the program's
// name text, zero-separated again.
std::string NamesFromWide(const std::wstring& names) {
  std::string converted;
  std::size_t start = 0;
  while (start < names.size() && names[start] != L'\0') {
    std::size_t end = names.find(L'\0', start);
    if (end == std::wstring::npos) end = names.size();
    converted += NameFromWide(std::wstring_view(names).substr(start, end - start));
    converted.push_back('\0');
    start = end + 1;
  }
  converted.push_back('\0');
  return converted;
}

}  // namespace

// The wide dialog, so that a chosen name the code page can't hold comes back
// whole (the ANSI dialog would hand over a best-fit substitute, naming
// another file); each name then goes into the program's name text.
bool Win32OpenFileDialog::Execute(base::WindowHandle owner, const OpenFileDialogOptions& options,
                                  std::vector<std::string>& paths) {
  const std::wstring filter = WideFromName(FilterString(options.filters));
  const std::wstring title = WideFromName(options.title);
  std::wstring names(initialNameBufferSize_, L'\0');
  const std::wstring warningCaption = WideFromName(options.warningCaption);
  TypedNameGuard guard(names, WideFromName(options.nameTooLongWarning),
                       WideFromName(options.nameNotCarriedWarning), warningCaption);
  for (;;) {
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = WindowOf(owner);
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = names.data();
    dialog.nMaxFile = static_cast<DWORD>(names.size());
    dialog.lpstrTitle = title.c_str();
    dialog.Flags = FlagsOf(options);
    dialog.lpfnHook = DialogHook;
    dialog.lCustData = PointerParam(&guard);
    guard.Watch(dialog);
    if (GetOpenFileNameW(&dialog)) {
      std::vector<std::string> chosen = SplitSelectedNames(NamesFromWide(names));
      // The guard refuses such names while the dialog is open; whatever still
      // comes back is refused here rather than listed and skipped unseen.
      const auto uncarried = std::remove_if(chosen.begin(), chosen.end(), [](const auto& path) {
        return base::HoldsUncarriedCharacter(path);
      });
      if (uncarried != chosen.end()) {
        MessageBoxW(WindowOf(owner), WideFromName(options.nameNotCarriedWarning).c_str(),
                    title.c_str(), kWarningStyle);
        chosen.erase(uncarried, chosen.end());
      }
      paths = std::move(chosen);
      return true;
    }
    if (CommDlgExtendedError() != FNERR_BUFFERTOOSMALL) return false;
    // A selection that outgrew the buffer all the same (typed, not chosen):
    // ask again with room for all of it rather than lose it like a cancel.
    std::size_t needed = 0;
    std::memcpy(&needed, names.data(), kNeededSizeBytes);
    names.assign(std::max(needed + 1, names.size() * 2), L'\0');
  }
}

}  // namespace morvane::platform::win32
