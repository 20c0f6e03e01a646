#include "ui/win32/window_procedure.h"

namespace morvane::ui::win32 {

LRESULT UnownedWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                             WNDPROC ownProcedure) {
  const auto classProcedure = reinterpret_cast<WNDPROC>(GetClassLongPtrW(window, GCLP_WNDPROC));
  if (classProcedure == ownProcedure) return DefWindowProcW(window, message, wParam, lParam);
  return CallWindowProcW(classProcedure, window, message, wParam, lParam);
}

}  // namespace morvane::ui::win32
