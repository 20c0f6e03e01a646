#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "base/window_handle.h"
#include "platform/message_box.h"

namespace morvane::platform {

// Modal warning box: one OK button with an exclamation icon.
inline constexpr std::uint32_t kWarningStyle = 0x30;
// The same with OK and Cancel.
inline constexpr std::uint32_t kStoppableWarningStyle = 0x31;
// A question with Yes and No and a question-mark icon.
inline constexpr std::uint32_t kQuestionStyle = 0x24;
inline constexpr int kButtonOk = 1;
inline constexpr int kButtonCancel = 2;
inline constexpr int kButtonYes = 6;
inline constexpr int kButtonNo = 7;

// Every error report of the program goes through here, owned by the main
// window (or by none while there is none yet).
class Msg {
 public:
  Msg(MessageBoxes& boxes, std::function<base::WindowHandle()> mainWindow);

  int ShowMessageBox(const char* text, const char* caption, std::uint32_t style);
  bool ShowWarning(const char* text, const char* caption);
  bool ShowWarningStr(const std::string& text, const std::string& caption);
  // A warning with OK and Cancel: false when the user chose Cancel.
  bool ShowStoppableWarning(const std::string& text, const std::string& caption);
  // A question: true when the user answered Yes.
  bool Ask(const std::string& text, const std::string& caption);

 private:
  // Text and caption up to their first zero byte; returns the button pressed.
  int ShowStr(const std::string& text, const std::string& caption, std::uint32_t style);

  MessageBoxes& boxes_;
  std::function<base::WindowHandle()> mainWindow_;
};

}  // namespace morvane::platform
