#include "ui/tabbed_notebook.h"

namespace morvane::ui {

NotebookPage::NotebookPage(TabbedNotebook* notebook, const std::string& caption)
    : Control(notebook, "") {
  SetText(caption);
  SetVisible(notebook->PageCount() == 1);
}

void TabbedNotebook::SetPageIndex(int index) {
  if (index < 0 || index >= PageCount() || index == pageIndex_) return;
  pageIndex_ = index;
  for (int page = 0; page < PageCount(); ++page) {
    Children()[static_cast<std::size_t>(page)]->SetVisible(page == pageIndex_);
  }
  NotifyPeer(Property::Page);
}

}  // namespace morvane::ui
