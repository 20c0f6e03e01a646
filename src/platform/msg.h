#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "base/window_handle.h"
#include "platform/message_box.h"

namespace morvane::platform {

// Modal warning box: one OK button with an exclamation icon.
inline constexpr std::uint32_t kWarningStyle = 0x30;
inline constexpr int kButtonOk = 1;

// Every error report of the program goes through here, owned by the main
// window (or by none while there is none yet).
class Msg {
 public:
  Msg(MessageBoxes& boxes, std::function<base::WindowHandle()> mainWindow);

  int ShowMessageBox(const char* text, const char* caption, std::uint32_t style);
  bool ShowWarning(const char* text, const char* caption);
  bool ShowWarningStr(const std::string& text, const std::string& caption);

 private:
  MessageBoxes& boxes_;
  std::function<base::WindowHandle()> mainWindow_;
};

}  // namespace morvane::platform
