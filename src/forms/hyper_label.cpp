#include "forms/hyper_label.h"

namespace morvane::forms {
namespace {
const ui::Color kLinkColor = ui::Color::Rgb(0, 0, 255);
}  // namespace

THyperLabel::THyperLabel(ui::Control* parent, std::string name, platform::Shell& shell,
                         std::function<base::WindowHandle()> applicationWindow)
    : Label(parent, std::move(name)),
      shell_(shell),
      applicationWindow_(std::move(applicationWindow)) {
  SetCursor(base::Cursor::HandPoint);
}

void THyperLabel::MouseEntered() {
  ui::Font font = GetFont();
  FSavedColor = font.color;
  font.color = kLinkColor;
  font.bold = false;
  font.underline = true;
  SetFont(font);
}

void THyperLabel::MouseLeft() {
  ui::Font font = GetFont();
  font.color = FSavedColor;
  font.bold = false;
  font.underline = false;
  SetFont(font);
}

void THyperLabel::LeftButtonDown() {
  shell_.OpenDocument(applicationWindow_ ? applicationWindow_() : 0, kOpenVerb, Hyperlink,
                      kShowMaximized);
}

}  // namespace morvane::forms
