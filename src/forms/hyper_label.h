#pragma once

#include <functional>
#include <string>

#include "platform/shell.h"
#include "ui/label.h"

namespace morvane::forms {

inline constexpr char kDefaultHyperlink[] = "http://";
inline constexpr char kOpenVerb[] = "open";
inline constexpr int kShowMaximized = 3;

// A label that turns blue and underlined under the mouse and has the shell
// open its Hyperlink when the left button goes down on it.
class THyperLabel : public ui::Label {
 public:
  THyperLabel(ui::Control* parent, std::string name, platform::Shell& shell,
              std::function<base::WindowHandle()> applicationWindow);

  std::string Hyperlink = kDefaultHyperlink;

  void MouseEntered() override;
  void MouseLeft() override;
  void LeftButtonDown() override;

 private:
  platform::Shell& shell_;
  std::function<base::WindowHandle()> applicationWindow_;
  ui::Color FSavedColor;
};

}  // namespace morvane::forms
