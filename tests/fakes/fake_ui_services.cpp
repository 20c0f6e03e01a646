#include "fakes/fake_ui_services.h"

namespace morvane::fakes {

int FakeMessageBoxes::Show(base::WindowHandle owner, const char* text, const char* caption,
                           std::uint32_t style) {
  shown_.push_back({owner, text, caption, style, cursor_ ? cursor_->Get() : base::Cursor::Default});
  return onShow ? onShow(shown_.back()) : answer_;
}

std::vector<std::string> FakeMessageBoxes::Texts() const {
  std::vector<std::string> texts;
  for (const ShownBox& box : shown_) texts.push_back(box.text);
  return texts;
}

}  // namespace morvane::fakes
