#include "ui/control.h"

#include <algorithm>

#include "ui/form.h"

namespace morvane::ui {

Control::Control(Control* parent, std::string name) : parent_(parent), name_(std::move(name)) {
  if (parent_) parent_->children_.push_back(this);
}

Control::~Control() {
  peer_.reset();
  if (parent_) std::erase(parent_->children_, this);
}

void Control::SetBounds(int left, int top, int width, int height) {
  SetBounds(Bounds{left, top, width, height});
}

void Control::SetBounds(const Bounds& bounds) {
  if (bounds == bounds_) return;
  bounds_ = bounds;
  NotifyPeer(Property::Bounds);
}

void Control::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  NotifyPeer(Property::Enabled);
}

void Control::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  NotifyPeer(Property::Visible);
}

bool Control::Showing() const {
  for (const Control* c = this; c && c->Kind() != Form::kKind; c = c->Parent()) {
    if (!c->Visible()) return false;
  }
  return true;
}

Form* Control::OwnerForm() {
  Control* c = this;
  while (c && c->Kind() != Form::kKind) c = c->Parent();
  return static_cast<Form*>(c);
}

void Control::SetFocus() {
  if (!TakesFocus(Kind()) || !Showing() || !Enabled()) return;
  if (peer_) {
    peer_->SetFocus();
  } else if (Form* form = OwnerForm()) {
    form->MoveFocusTo(*this);
  }
}

void Control::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  NotifyPeer(Property::Text);
  TextChanged();
}

void Control::TextChangedByUser(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  TextChanged();
}

void Control::SetHint(const std::string& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  NotifyPeer(Property::Hint);
}

void Control::SetFont(const Font& font) {
  if (font == font_) return;
  font_ = font;
  NotifyPeer(Property::Font);
}

void Control::NotifyPeer(Property property) {
  if (peer_) peer_->Changed(property);
}

}  // namespace morvane::ui
