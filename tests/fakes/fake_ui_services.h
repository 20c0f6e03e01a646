#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/message_box.h"
#include "platform/message_pump.h"
#include "platform/monotonic_clock.h"
#include "platform/open_file_dialog.h"
#include "platform/screen_cursor.h"
#include "platform/shell.h"

namespace morvane::fakes {

struct ShownBox {
  base::WindowHandle owner = 0;
  std::string text;
  std::string caption;
  std::uint32_t style = 0;
  // The screen cursor at the moment the box was shown.
  base::Cursor cursor = base::Cursor::Default;
};

// Message boxes that are answered at once, each recorded.
class FakeMessageBoxes final : public platform::MessageBoxes {
 public:
  explicit FakeMessageBoxes(const platform::ScreenCursor* cursor = nullptr) : cursor_(cursor) {}
  int Show(base::WindowHandle owner, const char* text, const char* caption,
           std::uint32_t style) override;

  const std::vector<ShownBox>& Shown() const { return shown_; }
  std::vector<std::string> Texts() const;
  void SetAnswer(int answer) { answer_ = answer; }
  // When set, answers each box in place of the fixed answer.
  std::function<int(const ShownBox& box)> onShow;

 private:
  const platform::ScreenCursor* cursor_;
  std::vector<ShownBox> shown_;
  int answer_ = 1;
};

class FakeScreenCursor final : public platform::ScreenCursor {
 public:
  base::Cursor Get() const override { return cursor_; }
  void Set(base::Cursor cursor) override {
    cursor_ = cursor;
    history_.push_back(cursor);
  }
  const std::vector<base::Cursor>& History() const { return history_; }

 private:
  base::Cursor cursor_ = base::Cursor::Default;
  std::vector<base::Cursor> history_;
};

// Counts the dispatches; a test may hook in what the user does meanwhile.
class FakeMessagePump final : public platform::MessagePump {
 public:
  void ProcessMessages() override {
    ++calls_;
    if (onProcess) onProcess(calls_);
  }
  // Lets the test's time pass (onWait), then handles what came meanwhile.
  void WaitForMessages(int milliseconds) override {
    waitedMilliseconds_ += milliseconds;
    if (onWait) onWait(milliseconds);
    ProcessMessages();
  }
  int Calls() const { return calls_; }
  std::int64_t WaitedMilliseconds() const { return waitedMilliseconds_; }
  std::function<void(int call)> onProcess;
  std::function<void(int milliseconds)> onWait;

 private:
  int calls_ = 0;
  std::int64_t waitedMilliseconds_ = 0;
};

// A clock that stands still unless the test moves it, or moves by a fixed
// step at every reading.
class FakeMonotonicClock final : public platform::MonotonicClock {
 public:
  std::int64_t Microseconds() override {
    const std::int64_t now = now_;
    now_ += stepPerReading;
    return now;
  }
  void Advance(std::int64_t microseconds) { now_ += microseconds; }
  std::int64_t stepPerReading = 0;

 private:
  std::int64_t now_ = 0;
};

struct DragAcceptCall {
  base::WindowHandle window = 0;
  bool accept = false;
};

struct OpenDocumentCall {
  base::WindowHandle owner = 0;
  std::string verb;
  std::string file;
  int showCommand = 0;
};

class FakeShell final : public platform::Shell {
 public:
  void DragAcceptFiles(base::WindowHandle window, bool accept) override {
    calls_.push_back({window, accept});
  }
  void OpenDocument(base::WindowHandle owner, const std::string& verb, const std::string& file,
                    int showCommand) override {
    opened_.push_back({owner, verb, file, showCommand});
  }
  void BlockSessionEnd(base::WindowHandle window, const std::string& reason) override {
    static_cast<void>(window);
    blockReason_ = reason;
  }
  void AllowSessionEnd(base::WindowHandle window) override {
    static_cast<void>(window);
    blockReason_.reset();
  }
  const std::vector<DragAcceptCall>& Calls() const { return calls_; }
  const std::vector<OpenDocumentCall>& Opened() const { return opened_; }
  // The reason the system is given to wait before the session ends, if any.
  const std::optional<std::string>& BlockReason() const { return blockReason_; }

 private:
  std::optional<std::string> blockReason_;
  std::vector<DragAcceptCall> calls_;
  std::vector<OpenDocumentCall> opened_;
};

// An open dialog that the test has answered beforehand: each Execute takes
// the next answer (a list of paths, or a cancel when none is left).
class FakeOpenFileDialog final : public platform::OpenFileDialog {
 public:
  bool Execute(base::WindowHandle owner, const platform::OpenFileDialogOptions& options,
               std::vector<std::string>& paths) override {
    lastOwner_ = owner;
    lastOptions_ = options;
    ++calls_;
    if (answers_.empty()) return false;
    paths = answers_.front();
    answers_.erase(answers_.begin());
    return true;
  }
  void Choose(std::vector<std::string> paths) { answers_.push_back(std::move(paths)); }
  int Calls() const { return calls_; }
  const platform::OpenFileDialogOptions& LastOptions() const { return lastOptions_; }
  base::WindowHandle LastOwner() const { return lastOwner_; }

 private:
  std::vector<std::vector<std::string>> answers_;
  platform::OpenFileDialogOptions lastOptions_;
  base::WindowHandle lastOwner_ = 0;
  int calls_ = 0;
};

}  // namespace morvane::fakes
