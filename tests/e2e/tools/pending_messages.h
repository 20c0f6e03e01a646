/* What the program does between two blocks of a file: hands every window
 * message waiting in the thread's queue to its window. Shared by the bare
 * loops the benchmark compares the program with. */
#pragma once

#include <windows.h>

static inline void DispatchPendingMessages(void) {
  MSG message;
  while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}
