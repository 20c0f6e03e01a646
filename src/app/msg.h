#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/message_box.h"
#include "platform/window_handle.h"

namespace morvane::app {

// Modal warning box: one OK button with an exclamation icon.
inline constexpr std::uint32_t kWarningStyle = 0x30;
inline constexpr int kButtonOk = 1;
inline constexpr std::int32_t kNoOwnerChosen = -1;

// Every error report of the program goes through here, owned by one window.
class Msg {
 public:
  Msg(platform::MessageBoxes& boxes, std::function<platform::WindowHandle()> mainWindow);

  // Boxes are owned by the main window while this is negative.
  std::int32_t MsgOwnerWindow = kNoOwnerChosen;

  int ShowMessageBox(const char* text, const char* caption, std::uint32_t style);
  bool ShowWarning(const char* text, const char* caption);
  bool ShowWarningStr(const std::string& text, const std::string& caption);

 private:
  platform::MessageBoxes& boxes_;
  std::function<platform::WindowHandle()> mainWindow_;
};

}  // namespace morvane::app
