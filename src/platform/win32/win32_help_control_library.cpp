#include "platform/win32/win32_help_control_library.h"

#include <windows.h>

namespace morvane::platform::win32 {
namespace {

using HtmlHelpAFunction = HWND(WINAPI*)(HWND caller, LPCSTR file, UINT command, DWORD_PTR data);

HMODULE ToModule(LibraryHandle library) { return reinterpret_cast<HMODULE>(library); }

}  // namespace

LibraryHandle Win32HelpControlLibrary::Load(const std::string& path) {
  return reinterpret_cast<LibraryHandle>(LoadLibraryA(path.c_str()));
}

EntryPoint Win32HelpControlLibrary::Resolve(LibraryHandle library, const char* name) {
  return reinterpret_cast<EntryPoint>(GetProcAddress(ToModule(library), name));
}

bool Win32HelpControlLibrary::Free(LibraryHandle library) {
  return FreeLibrary(ToModule(library)) != FALSE;
}

WindowHandle Win32HelpControlLibrary::CallHtmlHelpA(EntryPoint entry, WindowHandle caller,
                                                    const char* file, std::uint32_t command,
                                                    std::uintptr_t data) {
  const auto htmlHelpA = reinterpret_cast<HtmlHelpAFunction>(entry);
  return reinterpret_cast<WindowHandle>(
      htmlHelpA(reinterpret_cast<HWND>(caller), file, command, data));
}

}  // namespace morvane::platform::win32
