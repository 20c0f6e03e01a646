#include "platform/win32/win32_open_file_dialog.h"

#include <windows.h>

#include <cderr.h>
#include <commdlg.h>

#include <algorithm>
#include <cstring>

namespace morvane::platform::win32 {
namespace {

// The dialog reports the size it needs in the first bytes of the name buffer.
constexpr std::size_t kNeededSizeBytes = 2;

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
  // The hook keeps the name buffer ahead of the selection (below).
  DWORD flags = OFN_EXPLORER | OFN_ENABLEHOOK;
  if (options.multipleSelection) flags |= OFN_ALLOWMULTISELECT;
  if (options.hideReadOnly) flags |= OFN_HIDEREADONLY;
  if (options.resizable) flags |= OFN_ENABLESIZING;
  if (options.namesMustExist) flags |= OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
  return flags;
}

// Keeps the name buffer large enough for the current selection while the
// dialog is open, so that a selection of thousands of files fits when it is
// confirmed.
UINT_PTR CALLBACK GrowNameBuffer(HWND hook, UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_NOTIFY) return 0;
  auto* notify = reinterpret_cast<OFNOTIFYA*>(lParam);
  if (notify->hdr.code != CDN_SELCHANGE) return 0;
  HWND dialog = GetParent(hook);
  const LRESULT selected = SendMessageA(dialog, CDM_GETSPEC, 0, 0);
  const LRESULT folder = SendMessageA(dialog, CDM_GETFOLDERPATH, 0, 0);
  if (selected < 0 || folder < 0) return 0;
  // The names come in quotes with blanks between: never shorter
  // than the zero-separated list the dialog returns.
  const std::size_t needed = static_cast<std::size_t>(selected + folder) + 2;
  OPENFILENAMEA& dialogData = *notify->lpOFN;
  if (needed <= dialogData.nMaxFile) return 0;
  auto& names = *reinterpret_cast<std::string*>(dialogData.lCustData);
  names.resize(needed * 2, '\0');
  dialogData.lpstrFile = names.data();
  dialogData.nMaxFile = static_cast<DWORD>(names.size());
  return 0;
}

}  // namespace

bool Win32OpenFileDialog::Execute(WindowHandle owner, const OpenFileDialogOptions& options,
                                  std::vector<std::string>& paths) {
  const std::string filter = FilterString(options.filters);
  std::string names(initialNameBufferSize_, '\0');
  for (;;) {
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = reinterpret_cast<HWND>(owner);
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = names.data();
    dialog.nMaxFile = static_cast<DWORD>(names.size());
    dialog.lpstrTitle = options.title.c_str();
    dialog.Flags = FlagsOf(options);
    dialog.lpfnHook = GrowNameBuffer;
    dialog.lCustData = reinterpret_cast<LPARAM>(&names);
    if (GetOpenFileNameA(&dialog)) {
      paths = SplitSelectedNames(names);
      return true;
    }
    if (CommDlgExtendedError() != FNERR_BUFFERTOOSMALL) return false;
    // A selection that outgrew the buffer all the same (typed, not chosen):
    // ask again with room for all of it rather than lose it like a cancel.
    std::size_t needed = 0;
    std::memcpy(&needed, names.data(), kNeededSizeBytes);
    names.assign(std::max(needed + 1, names.size() * 2), '\0');
  }
}

}  // namespace morvane::platform::win32
