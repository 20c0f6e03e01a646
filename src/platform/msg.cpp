#include "platform/msg.h"

#include <cstring>
#include <memory>

namespace morvane::platform {

Msg::Msg(MessageBoxes& boxes, std::function<base::WindowHandle()> mainWindow)
    : boxes_(boxes), mainWindow_(std::move(mainWindow)) {}

int Msg::ShowMessageBox(const char* text, const char* caption, std::uint32_t style) {
  return boxes_.Show(mainWindow_(), text, caption, style);
}

bool Msg::ShowWarning(const char* text, const char* caption) {
  return ShowMessageBox(text, caption, kWarningStyle) == kButtonOk;
}

bool Msg::ShowWarningStr(const std::string& text, const std::string& caption) {
  return ShowStr(text, caption, kWarningStyle) == kButtonOk;
}

bool Msg::ShowStoppableWarning(const std::string& text, const std::string& caption) {
  return ShowStr(text, caption, kStoppableWarningStyle) != kButtonCancel;
}

bool Msg::Ask(const std::string& text, const std::string& caption) {
  return ShowStr(text, caption, kQuestionStyle) == kButtonYes;
}

int Msg::ShowStr(const std::string& text, const std::string& caption, std::uint32_t style) {
  // The platform takes zero-terminated text, so a zero byte inside ends it.
  auto textBuffer = std::make_unique<char[]>(text.size() + 1);
  auto captionBuffer = std::make_unique<char[]>(caption.size() + 1);
  std::memcpy(textBuffer.get(), text.data(), text.size());
  std::memcpy(captionBuffer.get(), caption.data(), caption.size());
  textBuffer[text.size()] = '\0';
  captionBuffer[caption.size()] = '\0';
  return ShowMessageBox(textBuffer.get(), captionBuffer.get(), style);
}

}  // namespace morvane::platform
