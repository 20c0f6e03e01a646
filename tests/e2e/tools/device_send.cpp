// Sends one file to a port with the program's own device output and the
// program's message pump, timing the gaps between the pump's dispatches.
//
//   device_send.exe DEVICE FILE
//
// Prints two lines: "dispatches N" and "longest-gap-us G", the longest time
// between the starts of two dispatches of pending messages (from the send's
// start to its first dispatch and from its last dispatch to its end
// included). Exit status 0 when no warning was shown.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "app/msg.h"
#include "output/device_output.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_monotonic_clock.h"
#include "platform/win32/win32_screen_cursor.h"
#include "platform/win32/win32_spooler.h"
#include "ui/win32/win32_message_pump.h"

namespace {

constexpr double kMicrosecondsPerSecond = 1e6;

class Stopwatch {
 public:
  Stopwatch() {
    QueryPerformanceFrequency(&frequency_);
    last_ = Now();
  }
  // The microseconds since the last lap, and starts the next.
  double Lap() {
    const std::int64_t now = Now();
    const double elapsed = static_cast<double>(now - last_) * kMicrosecondsPerSecond /
                           static_cast<double>(frequency_.QuadPart);
    last_ = now;
    return elapsed;
  }

 private:
  static std::int64_t Now() {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart;
  }
  LARGE_INTEGER frequency_;
  std::int64_t last_;
};

// The program's pump, with the time between its calls recorded.
class TimedPump final : public morvane::platform::MessagePump {
 public:
  void ProcessMessages() override {
    NoteGap();
    ++dispatches_;
    pump_.ProcessMessages();
  }
  void NoteGap() {
    const double gap = stopwatch_.Lap();
    if (gap > longestGap_) longestGap_ = gap;
  }
  long Dispatches() const { return dispatches_; }
  double LongestGap() const { return longestGap_; }

 private:
  morvane::ui::win32::Win32MessagePump pump_;
  Stopwatch stopwatch_;
  long dispatches_ = 0;
  double longestGap_ = 0;
};

// Warnings are counted and printed, never shown: nobody is there to answer.
class PrintedBoxes final : public morvane::platform::MessageBoxes {
 public:
  int Show(morvane::platform::WindowHandle, const char* text, const char* caption,
           std::uint32_t) override {
    std::fprintf(stderr, "device_send: %s: %s\n", caption, text);
    ++shown_;
    return 1;
  }
  int Shown() const { return shown_; }

 private:
  int shown_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: device_send DEVICE FILE\n");
    return 2;
  }
  morvane::platform::win32::Win32FileSystem files;
  morvane::platform::win32::Win32Spooler spooler;
  morvane::platform::win32::Win32ScreenCursor cursor;
  PrintedBoxes boxes;
  morvane::app::Msg msg(boxes, [] { return morvane::platform::WindowHandle{0}; });
  TimedPump pump;
  morvane::platform::win32::Win32MonotonicClock clock;
  const morvane::output::OutputServices services{files, spooler, cursor, pump, clock, msg};
  const std::string empty;

  pump.NoteGap();
  morvane::output::SendFileToDevice(services, {empty, empty}, argv[2], argv[1]);
  pump.NoteGap();

  std::printf("dispatches %ld\nlongest-gap-us %.0f\n", pump.Dispatches(), pump.LongestGap());
  return boxes.Shown() == 0 ? 0 : 1;
}
