#include "platform/win32/win32_help_control_library.h"

#include <windows.h>

#include "platform/win32/wide_names.h"
#include "platform/win32/window_handles.h"

namespace morvane::platform::win32 {
namespace {

using HtmlHelpAFunction = HWND(WINAPI*)(HWND caller, LPCSTR file, UINT command, DWORD_PTR data);
using HtmlHelpWFunction = HWND(WINAPI*)(HWND caller, LPCWSTR file, UINT command, DWORD_PTR data);

constexpr char kHtmlHelpWName[] = "HtmlHelpW";

// The wide entry of the library that exports entry.
HtmlHelpWFunction WideEntryBeside(EntryPoint entry) {
  HMODULE module = nullptr;
  if (!GetModuleHandleExA(
          GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
          reinterpret_cast<LPCSTR>(entry), &module)) {
    return nullptr;
  }
  // Through an integer, as Resolve hands entries over.
  return reinterpret_cast<HtmlHelpWFunction>(
      reinterpret_cast<EntryPoint>(GetProcAddress(module, kHtmlHelpWName)));
}

HMODULE ToModule(LibraryHandle library) { return reinterpret_cast<HMODULE>(library); }

}  // namespace

LibraryHandle Win32HelpControlLibrary::Load(const std::string& path) {
  return reinterpret_cast<LibraryHandle>(LoadLibraryW(WideFromName(path).c_str()));
}

EntryPoint Win32HelpControlLibrary::Resolve(LibraryHandle library, const char* name) {
  return reinterpret_cast<EntryPoint>(GetProcAddress(ToModule(library), name));
}

bool Win32HelpControlLibrary::Free(LibraryHandle library) {
  return FreeLibrary(ToModule(library)) != FALSE;
}

base::WindowHandle Win32HelpControlLibrary::CallHtmlHelpA(EntryPoint entry,
                                                          base::WindowHandle caller,
                                                          const char* file, std::uint32_t command,
                                                          std::uintptr_t data) {
  // A help file is named to the control through its wide entry, whatever
  // characters its folder's name holds.
  if (file) {
    const HtmlHelpWFunction htmlHelpW = WideEntryBeside(entry);
    if (!htmlHelpW) return 0;
    return HandleOf(htmlHelpW(WindowOf(caller), WideFromName(file).c_str(), command, data));
  }
  const auto htmlHelpA = reinterpret_cast<HtmlHelpAFunction>(entry);
  return HandleOf(htmlHelpA(WindowOf(caller), file, command, data));
}

}  // namespace morvane::platform::win32
