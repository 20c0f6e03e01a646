#pragma once

#include <windows.h>

#include <commdlg.h>

#include <cstddef>
#include <string>

namespace morvane::platform::win32 {

// Wine's open dialog joins its folder and a typed name in a buffer of MAX_PATH
// characters on its stack: a longer join overruns it and ends the program.
// The guard sits in front of the dialog's Open command and refuses such a
// name with a warning, leaving the dialog open. It also keeps the name buffer
// large enough for the names typed (the dialog copies several names into it
// without looking at its size).
class TypedNameGuard {
 public:
  TypedNameGuard(std::wstring& names, std::wstring tooLongWarning, std::wstring notCarriedWarning,
                 std::wstring caption);

  // The dialog data the guard keeps in step with the name buffer.
  void Watch(OPENFILENAMEW& dialogData) { dialogData_ = &dialogData; }
  // Called once the dialog is ready (CDN_INITDONE): puts the guard in front.
  void Attach(HWND dialog);
  // Grows the name buffer to at least needed characters.
  void Reserve(std::size_t needed);

 private:
  static LRESULT CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  // Whether the dialog may go on with the Open command.
  bool AcceptOpen(HWND dialog);

  std::wstring& names_;
  std::wstring tooLongWarning_;
  std::wstring notCarriedWarning_;
  std::wstring caption_;
  OPENFILENAMEW* dialogData_ = nullptr;
  WNDPROC dialogProc_ = nullptr;
};

// The length of the path the dialog makes of its folder and a typed name: the
// name alone when it has a drive, the folder's drive and the name when it
// starts at the root, else the folder, a backslash and the name.
std::size_t JoinedPathLength(const std::wstring& folder, const std::wstring& name);

}  // namespace morvane::platform::win32
