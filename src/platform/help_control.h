#pragma once

#include <cstdint>
#include <string>

#include "base/window_handle.h"

namespace morvane::platform {

// A library loaded into the process; 0 means none.
using LibraryHandle = std::uintptr_t;
// A function a library exports; 0 means it doesn't export that name.
using EntryPoint = std::uintptr_t;

// HTML Help commands, as the control numbers them.
inline constexpr std::uint32_t kHhDisplayTopic = 0x0000;
inline constexpr std::uint32_t kHhCloseAll = 0x0012;

// The HTML Help control, loaded at run time rather than linked to.
class HelpControlLibrary {
 public:
  virtual ~HelpControlLibrary() = default;
  // LoadLibraryA; 0 when the library can't be loaded.
  virtual LibraryHandle Load(const std::string& path) = 0;
  // GetProcAddress.
  virtual EntryPoint Resolve(LibraryHandle library, const char* name) = 0;
  // FreeLibrary.
  virtual bool Free(LibraryHandle library) = 0;
  // Calls an entry of the shape HtmlHelpA(caller, file, command, data); file
  // may be null for the commands that take none.
  virtual base::WindowHandle CallHtmlHelpA(EntryPoint entry, base::WindowHandle caller,
                                           const char* file, std::uint32_t command,
                                           std::uintptr_t data) = 0;
};

}  // namespace morvane::platform
