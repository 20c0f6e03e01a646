#pragma once

namespace morvane::platform {

inline constexpr int kCursorDefault = 0;
inline constexpr int kCursorHourGlass = -11;
inline constexpr int kCursorHandPoint = -21;

// The cursor shown over all of the program's windows.
class ScreenCursor {
 public:
  virtual ~ScreenCursor() = default;
  virtual int Get() const = 0;
  virtual void Set(int cursor) = 0;
};

}  // namespace morvane::platform
