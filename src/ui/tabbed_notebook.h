#pragma once

#include <string>
#include <vector>

#include "ui/control.h"

namespace morvane::ui {

class TabbedNotebook;

// One page of a notebook; its text is the tab's caption, and the controls on
// the page are its children.
class NotebookPage : public Control {
 public:
  NotebookPage(TabbedNotebook* notebook, const std::string& caption);
  static constexpr ControlKind kKind{};
  const ControlKind& Kind() const override { return kKind; }
};

// Pages behind tabs, one page in front. The tabs wrap into rows of TabsPerRow.
class TabbedNotebook : public Control {
 public:
  using Control::Control;
  static constexpr ControlKind kKind{};
  const ControlKind& Kind() const override { return kKind; }

  int PageCount() const { return static_cast<int>(Children().size()); }
  int PageIndex() const { return pageIndex_; }
  // Brings a page to the front; the others are hidden.
  void SetPageIndex(int index);
  // The user chose a tab.
  void PageChosenByUser(int index) { SetPageIndex(index); }

  int TabsPerRow() const { return tabsPerRow_; }
  void SetTabsPerRow(int tabs) { tabsPerRow_ = tabs; }

 private:
  int pageIndex_ = 0;
  int tabsPerRow_ = 3;
};

}  // namespace morvane::ui
