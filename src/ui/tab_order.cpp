#include "ui/tab_order.h"

#include <algorithm>
#include <climits>

namespace morvane::ui {
namespace {

int SortKey(const Control& control) {
  return control.TabOrder() < 0 ? INT_MAX : control.TabOrder();
}

void Collect(const Control& parent, std::vector<Control*>& cycle) {
  for (Control* child : TabOrdered(parent)) {
    if (!child->Visible() || !child->Enabled()) continue;
    if (TakesFocus(child->Kind())) cycle.push_back(child);
    Collect(*child, cycle);
  }
}

}  // namespace

std::vector<Control*> TabOrdered(const Control& parent) {
  std::vector<Control*> children = parent.Children();
  std::stable_sort(children.begin(), children.end(),
                   [](const Control* a, const Control* b) { return SortKey(*a) < SortKey(*b); });
  return children;
}

std::vector<Control*> TabCycle(const Control& root) {
  std::vector<Control*> cycle;
  Collect(root, cycle);
  return cycle;
}

}  // namespace morvane::ui
