#pragma once

#include "platform/screen_cursor.h"

namespace morvane::platform {

// The one owner of the program-wide cursor's changes: the hourglass while
// work goes on, the arrow while the user is asked something or once the busy
// state ends.
class HourGlass {
 public:
  // Shows the hourglass for the scope's length, then the cursor it found,
  // whatever the scope meets.
  class Scope {
   public:
    explicit Scope(ScreenCursor& cursor) : cursor_(cursor), saved_(cursor.Get()) {
      cursor_.Set(base::Cursor::HourGlass);
    }
    ~Scope() { cursor_.Set(saved_); }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    ScreenCursor& cursor_;
    base::Cursor saved_;
  };

  static void Show(ScreenCursor& cursor) { cursor.Set(base::Cursor::HourGlass); }
  // While a warning in the middle of work waits for the user.
  static void ShowArrow(ScreenCursor& cursor) { cursor.Set(base::Cursor::Default); }
};

}  // namespace morvane::platform
