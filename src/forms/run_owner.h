#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "forms/run_progress.h"
#include "output/message_sink.h"
#include "output/output_services.h"
#include "platform/msg.h"
#include "platform/platform.h"
#include "ui/control.h"
#include "ui/panel.h"

namespace morvane::forms {

// The kinds of run the main window starts. When each empties the job list and
// whether it handles pending messages around the run, and why, is said where
// the kinds are ordered (run_owner.cpp).
enum class RunKind {
  // A target button in extended mode: the list as it stands.
  ExtendedCommand,
  // LPT1 to COM2 in simple mode: the files just chosen in the open dialog.
  SimpleDeviceCommand,
  // WIN in simple mode: the files just chosen in the open dialog.
  SimplePrinterCommand,
  // Files dropped on a target button in simple mode.
  SimpleDrop,
  // The files named after "/WIN" on the command line, to the selected printer.
  Batch,
  // What arrives in the folder named after "/WATCH=", until it is stopped.
  Watch,
};

// What the main window lends its runs.
struct RunWindow {
  // The commands a run disables for its length, in their order.
  std::vector<ui::Control*> busyControls;
  // Shows a run's progress.
  ui::Panel& hintBar;
  // How many copies a run of the job list would send as the list stands now.
  std::function<std::int64_t()> plannedCopies;
  // Gives the hint bar back the mode's guide text.
  std::function<void()> showGuideText;
  // Empties the job list.
  std::function<void()> clearList;
  // Closes the window.
  std::function<void()> close;
  // The window's handle, once it has one.
  std::function<base::WindowHandle()> handle;
};

// The one owner of the main window's runs. From a run's first moment to its
// last it holds the run flag, the busy state, the hourglass, the hint bar's
// progress, the sink that the run's warnings go to and the user's word to
// stop; a close asked for meanwhile waits for the run's end. However a run
// ends, by an exception too, it leaves none of these behind.
class RunOwner {
 public:
  class Run;
  // Sends the copies of one run, each through what the run hands it.
  using Body = std::function<void(Run&)>;

  RunOwner(platform::Platform& platform, platform::Msg& msg, RunWindow window);

  // One run of the kind: its frame around the copies that `body` sends, its
  // warnings going the given route.
  void Perform(RunKind kind, const Body& body,
               output::WarningRoute route = output::WarningRoute::Boxes);

  // A run is in progress: no second one may start, and the window stays open.
  bool InProgress() const { return FRunInProgress; }
  // The hint bar shows the progress of the run in progress.
  bool ShowsProgress() const;
  // A warning of the window's own, outside the copies: during a run it goes
  // where the run's warnings go (a quiet batch run shows no box), else to a box.
  void Warn(const std::string& text, const std::string& caption);
  // The window is asked to close. True when it may close now; during a run the
  // close is held back until the run has ended, and the hint bar says so. The
  // user is asked whether to stop the run.
  bool MayClose();
  // Asks the user whether to stop the run in progress; Yes stops it. Asks
  // nothing when no run is in progress or its stop has been asked for. A
  // quiet run has no one to ask: it stops at once, as Yes does.
  void AskToStop();
  // The session is about to end. True lets it; during a run the system is
  // asked to wait and told why, and the user decides there. A watch between
  // files lets it and rests meanwhile; one in the middle of a file stops.
  bool MaySessionEnd();
  // The session ends, or goes on after all: a resting watch stops, or goes on.
  void SessionEnds(bool ending);
  // The session ends or goes on after all: the system no longer waits.
  void SessionEndDecided();

 private:
  void EnterBusyState();
  void LeaveBusyState();

  platform::Platform& platform_;
  platform::Msg& msg_;
  RunWindow window_;
  bool FRunInProgress = false;
  // The window was asked to close during the run in progress.
  bool closeHeld_ = false;
  // The run in progress, from the moment its copies may start.
  Run* run_ = nullptr;
  // The user's word to stop the run in progress; the box of a failed copy
  // can give it while copies follow.
  output::RunStop stop_;
  output::StopOffer stopOffer_;
  bool askingToStop_ = false;
  // What the user is asked before the run in progress is stopped.
  const char* stopQuestion_ = nullptr;
  // The system was asked to wait with the session's end for the run.
  bool sessionEndBlocked_ = false;
  RunKind kind_ = RunKind::Batch;
  // The watch in progress sends a file this moment.
  bool watchSending_ = false;
  // The watch in progress takes no file until the session's end is decided.
  bool watchResting_ = false;
  // Where the warnings go while a run is in progress, from its first moment
  // to its last.
  std::optional<output::MessageSink> messages_;
};

// What a run hands the copies it sends.
class RunOwner::Run {
 public:
  Run(const Run&) = delete;
  Run& operator=(const Run&) = delete;

  // How many copies the run is to send, when the run does not send the job
  // list (whose planned copies it knows by itself).
  void PlanCopies(std::int64_t copies) { planned_ = copies; }
  // The next copy of the run starts, of the file at path.
  void StartCopy(const std::string& path);
  // What that copy is sent with.
  output::OutputServices Services();
  // Where the run's warnings go, its copies' and its own.
  output::MessageSink& Messages() { return *owner_.messages_; }
  // The user has stopped the run: no further copy may start.
  bool Stopped() const { return owner_.stop_.Requested(); }
  // Shows the text on the hint bar, for a run that tells its own state.
  void ShowState(const std::string& text) { owner_.window_.hintBar.SetText(text); }
  // A watch starts or ends sending a file.
  void SetSending(bool sending) { owner_.watchSending_ = sending; }
  // A watch is to take no file for now: the session may be ending.
  bool Resting() const { return owner_.watchResting_; }

 private:
  friend class RunOwner;
  Run(RunOwner& owner, bool showsProgress);
  ~Run();

  // Copies of the run are still to come after the one in progress.
  bool CopiesFollow() const { return started_ < planned_; }

  RunOwner& owner_;
  std::int64_t planned_ = 0;
  std::int64_t started_ = 0;
  std::optional<RunProgress> progress_;
};

}  // namespace morvane::forms
