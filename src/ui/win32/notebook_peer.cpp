#include "ui/win32/notebook_peer.h"

#include <commctrl.h>

#include "ui/win32/tab_control.h"

namespace morvane::ui::win32 {
namespace {

// Room at the ends of a row of tabs.
constexpr int kRowMargin = 4;

}  // namespace

NotebookPeer::NotebookPeer(TabbedNotebook& notebook, HWND window) : TypedPeer(notebook, window) {
  TabControl tabs(window);
  const int tabsPerRow = notebook.TabsPerRow() > 0 ? notebook.TabsPerRow() : 1;
  tabs.SetMinTabWidth(Scale().Out((notebook.GetBounds().width - kRowMargin) / tabsPerRow - 1));
  int index = 0;
  for (Control* page : notebook.Children()) tabs.InsertItem(index++, page->Text());
  LayOutPages();
  tabs.SetCurSel(notebook.PageIndex());
}

// Fixed-width tabs, so many to a row; the pages fill what the tabs leave. The
// tab control measures in the window's pixels, the pages keep 96-dpi ones.
void NotebookPeer::LayOutPages() {
  const TabbedNotebook& notebook = Model();
  const DpiScale scale = Scale();
  const Bounds& bounds = notebook.GetBounds();
  const int tabsPerRow = notebook.TabsPerRow() > 0 ? notebook.TabsPerRow() : 1;
  TabControl tabs(Window());
  const RECT tab = tabs.ItemRect(0);
  // A little less than an equal share, so that rounding never pushes the
  // last tab of a row into the next.
  const int tabWidth = (bounds.width - kRowMargin) / tabsPerRow - 1;
  tabs.SetMinTabWidth(scale.Out(tabWidth));
  tabs.SetItemSize(scale.Out(tabWidth), tab.bottom - tab.top);
  const RECT display =
      tabs.DisplayRect(RECT{0, 0, scale.Out(bounds.width), scale.Out(bounds.height)});
  const Bounds page = scale.In(display);
  for (Control* child : notebook.Children()) child->SetBounds(page);
}

void NotebookPeer::Changed(Property property) {
  if (property == Property::Page) {
    TabControl(Window()).SetCurSel(Model().PageIndex());
    return;
  }
  WindowPeer::Changed(property);
  if (property == Property::Bounds) LayOutPages();
}

LRESULT NotebookPeer::OnNotify(const NMHDR& header) {
  if (header.code == TCN_SELCHANGE) Model().PageChosenByUser(TabControl(Window()).CurSel());
  return 0;
}

}  // namespace morvane::ui::win32
