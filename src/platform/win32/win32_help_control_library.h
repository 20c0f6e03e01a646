#pragma once

#include "platform/help_control.h"

namespace morvane::platform::win32 {

class Win32HelpControlLibrary : public HelpControlLibrary {
 public:
  LibraryHandle Load(const std::string& path) override;
  EntryPoint Resolve(LibraryHandle library, const char* name) override;
  bool Free(LibraryHandle library) override;
  base::WindowHandle CallHtmlHelpA(EntryPoint entry, base::WindowHandle caller, const char* file,
                                   std::uint32_t command, std::uintptr_t data) override;
};

}  // namespace morvane::platform::win32
