#include "ui/win32/notebook_peer.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "ui/win32/message_reflection.h"

namespace morvane::ui::win32 {
namespace {

// Room at the ends of a row of tabs.
constexpr int kRowMargin = 4;

}  // namespace

NotebookPeer::NotebookPeer(TabbedNotebook& notebook, HWND window) : TypedPeer(notebook, window) {
  const int tabsPerRow = notebook.TabsPerRow() > 0 ? notebook.TabsPerRow() : 1;
  SendMessageA(window, TCM_SETMINTABWIDTH, 0,
               (notebook.GetBounds().width - kRowMargin) / tabsPerRow - 1);
  std::vector<std::string> captions;
  for (Control* page : notebook.Children()) captions.push_back(page->Text());
  for (std::size_t i = 0; i < captions.size(); ++i) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = captions[i].data();
    SendMessageA(window, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
  }
  LayOutPages();
  SendMessageA(window, TCM_SETCURSEL, static_cast<WPARAM>(notebook.PageIndex()), 0);
}

// Fixed-width tabs, so many to a row; the pages fill what the tabs leave.
void NotebookPeer::LayOutPages() {
  const TabbedNotebook& notebook = Model();
  const Bounds& bounds = notebook.GetBounds();
  const int tabsPerRow = notebook.TabsPerRow() > 0 ? notebook.TabsPerRow() : 1;
  RECT tab{};
  SendMessageA(Window(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tab));
  // A little less than an equal share, so that rounding never pushes the
  // last tab of a row into the next.
  const int tabWidth = (bounds.width - kRowMargin) / tabsPerRow - 1;
  SendMessageA(Window(), TCM_SETITEMSIZE, 0, MAKELPARAM(tabWidth, tab.bottom - tab.top));
  RECT display{0, 0, bounds.width, bounds.height};
  SendMessageA(Window(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  for (Control* page : notebook.Children()) {
    page->SetBounds(display.left, display.top, display.right - display.left,
                    display.bottom - display.top);
  }
}

void NotebookPeer::Changed(Property property) {
  if (property == Property::Page) {
    SendMessageA(Window(), TCM_SETCURSEL, static_cast<WPARAM>(Model().PageIndex()), 0);
    return;
  }
  WindowPeer::Changed(property);
  if (property == Property::Bounds) LayOutPages();
}

LRESULT NotebookPeer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != Reflected(WM_NOTIFY) ||
      reinterpret_cast<const NMHDR*>(lParam)->code != static_cast<UINT>(TCN_SELCHANGE)) {
    return WindowPeer::HandleMessage(message, wParam, lParam);
  }
  Model().PageChosenByUser(static_cast<int>(SendMessageA(Window(), TCM_GETCURSEL, 0, 0)));
  return 0;
}

}  // namespace morvane::ui::win32
