#pragma once

#include "platform/message_box.h"

namespace morvane::platform::win32 {

class Win32MessageBoxes : public MessageBoxes {
 public:
  int Show(base::WindowHandle owner, const char* text, const char* caption,
           std::uint32_t style) override;
};

}  // namespace morvane::platform::win32
