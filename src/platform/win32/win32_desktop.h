#pragma once

#include "platform/desktop.h"

namespace morvane::platform::win32 {

class Win32Desktop : public Desktop {
 public:
  base::WindowHandle DesktopWindow() override;
};

}  // namespace morvane::platform::win32
