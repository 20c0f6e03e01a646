#include "ui/layout.h"

#include <algorithm>

#include "ui/panel.h"

namespace morvane::ui {
namespace {

constexpr int kBevelWidth = 1;

int FrameWidth(const Control& control) {
  if (control.Kind() != Panel::kKind) return 0;
  const auto& panel = static_cast<const Panel&>(control);
  int width = panel.BorderWidth();
  if (panel.InnerBevel() != Bevel::None) width += kBevelWidth;
  if (panel.OuterBevel() != Bevel::None) width += kBevelWidth;
  return width;
}

}  // namespace

Bounds ClientRect(const Control& control) {
  const int frame = FrameWidth(control);
  const Bounds& b = control.GetBounds();
  return Bounds{frame, frame, std::max(0, b.width - 2 * frame), std::max(0, b.height - 2 * frame)};
}

void AlignChildren(Control& parent, const Bounds& client) {
  int top = client.top;
  int bottom = client.top + client.height;
  int left = client.left;
  const int right = client.left + client.width;
  const auto& children = parent.Children();

  for (Control* child : children) {
    if (!child->Visible() || child->GetAlign() != Align::Top) continue;
    const int height = child->GetBounds().height;
    child->SetBounds(client.left, top, client.width, height);
    top += height;
  }
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    Control* child = *it;
    if (!child->Visible() || child->GetAlign() != Align::Bottom) continue;
    const int height = child->GetBounds().height;
    bottom -= height;
    child->SetBounds(client.left, bottom, client.width, height);
  }
  for (Control* child : children) {
    if (!child->Visible() || child->GetAlign() != Align::Left) continue;
    const int width = child->GetBounds().width;
    child->SetBounds(left, top, width, std::max(0, bottom - top));
    left += width;
  }
  for (Control* child : children) {
    if (!child->Visible() || child->GetAlign() != Align::Client) continue;
    child->SetBounds(left, top, std::max(0, right - left), std::max(0, bottom - top));
  }
  for (Control* child : children) {
    if (child->Kind() == Panel::kKind) AlignChildren(*child, ClientRect(*child));
  }
}

}  // namespace morvane::ui
