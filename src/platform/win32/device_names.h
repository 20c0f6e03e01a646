#pragma once

#include <string>

namespace morvane::platform::win32 {

// Whether the system takes the path for one of its devices rather than for a
// file-system entry: NUL, CON, LPT1, COM1 and the like, with or without a
// folder or an extension (C:\data\nul.prn), and every "\\.\" name.
bool NamesDevice(const std::string& path);

}  // namespace morvane::platform::win32
