#include "platform/win32/win32_shell.h"

#include <windows.h>

#include <shellapi.h>

#include <cstdint>

#include "platform/win32/wide_names.h"
#include "platform/win32/window_handles.h"

namespace morvane::platform::win32 {
namespace {

using BlockReasonCreate = BOOL(WINAPI*)(HWND window, LPCWSTR reason);
using BlockReasonDestroy = BOOL(WINAPI*)(HWND window);

constexpr char kUserLibrary[] = "user32.dll";
constexpr char kBlockReasonCreateName[] = "ShutdownBlockReasonCreate";
constexpr char kBlockReasonDestroyName[] = "ShutdownBlockReasonDestroy";

// Windows before Vista have no block reasons: there the entries are absent.
template <typename Function>
Function UserEntry(const char* name) {
  const HMODULE user = GetModuleHandleA(kUserLibrary);
  if (!user) return nullptr;
  // Through an integer, as the help layer hands its entries over.
  return reinterpret_cast<Function>(reinterpret_cast<std::uintptr_t>(GetProcAddress(user, name)));
}

}  // namespace

void Win32Shell::DragAcceptFiles(base::WindowHandle window, bool accept) {
  if (window) ::DragAcceptFiles(WindowOf(window), accept ? TRUE : FALSE);
}

void Win32Shell::OpenDocument(base::WindowHandle owner, const std::string& verb,
                              const std::string& file, int showCommand) {
  ShellExecuteW(WindowOf(owner), WideFromName(verb).c_str(), WideFromName(file).c_str(), nullptr,
                nullptr, showCommand);
}

void Win32Shell::BlockSessionEnd(base::WindowHandle window, const std::string& reason) {
  if (const auto create = UserEntry<BlockReasonCreate>(kBlockReasonCreateName)) {
    create(WindowOf(window), WideFromName(reason).c_str());
  }
}

void Win32Shell::AllowSessionEnd(base::WindowHandle window) {
  if (const auto destroy = UserEntry<BlockReasonDestroy>(kBlockReasonDestroyName)) {
    destroy(WindowOf(window));
  }
}

}  // namespace morvane::platform::win32
