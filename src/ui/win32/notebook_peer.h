#pragma once

#include "ui/tabbed_notebook.h"
#include "ui/win32/window_peer.h"

namespace morvane::ui::win32 {

// A tabbed notebook as the system's tab control: one tab per page, the pages
// as child windows filling its display area, the tabs wrapping into rows.
class NotebookPeer : public TypedPeer<TabbedNotebook> {
 public:
  NotebookPeer(TabbedNotebook& notebook, HWND window);
  void Changed(Property property) override;
  LRESULT OnNotify(const NMHDR& header) override;

 private:
  void LayOutPages();
};

}  // namespace morvane::ui::win32
