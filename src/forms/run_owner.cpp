#include "forms/run_owner.h"

#include <utility>

#include "base/scope_exit.h"
#include "forms/prinfile_texts.h"
#include "platform/hour_glass.h"

namespace morvane::forms {
namespace {

// When a run empties the job list.
enum class ListClearing { None, BeforeBusyEnds, AfterRun };

struct RunOrder {
  ListClearing clearing;
  // Pending messages are handled once the busy state has begun and once it
  // has ended (the runners handle them around every copy besides).
  bool dispatchAround;
  // The hint bar tells which copy of how many goes out.
  bool showsProgress;
  // A close asked for during the run is carried out when the run ends.
  bool closesWhenHeld;
};

RunOrder OrderOf(RunKind kind) {
  switch (kind) {
    case RunKind::ExtendedCommand:
      // The list is the user's work in extended mode and stays for the next
      // run. The click comes from the window itself, which has nothing left
      // to settle before the first copy.
      return {ListClearing::None, false, true, true};
    case RunKind::SimpleDeviceCommand:
      // The open dialog has just closed: the window repaints what it covered
      // before a port, which may stall for as long as its device waits, holds
      // it, and settles again after the run. The list is emptied as the
      // command's very last step, after that dispatch, so that a simple-mode
      // command leaves nothing in the hidden list, whatever the dispatches
      // during the run put there.
      return {ListClearing::AfterRun, true, true, true};
    case RunKind::SimplePrinterCommand:
      // The spooler takes a document without waiting for the printer, so no
      // copy holds the window long enough to need a repaint first. The list is
      // emptied while the busy state still holds, before anything else can
      // look at it.
      return {ListClearing::BeforeBusyEnds, false, true, true};
    case RunKind::SimpleDrop:
      // The shell's drag ends and the window repaints before the copies. The
      // list is emptied inside the busy state: the dispatch after the run is
      // the first moment another drop may start a run, and a drop there
      // finds an empty list to replace and keeps what it brought.
      return {ListClearing::BeforeBusyEnds, true, true, true};
    case RunKind::Batch:
    case RunKind::Watch:
      break;
  }
  // The list is not this run's: the named files are. The window goes down to
  // the taskbar before the first copy and settles before the batch closes it,
  // which it does at the end whatever was asked meanwhile. A minimized window
  // shows no progress.
  return {ListClearing::None, true, false, false};
}

}  // namespace

RunOwner::RunOwner(platform::Platform& platform, platform::Msg& msg, RunWindow window)
    : platform_(platform),
      msg_(msg),
      window_(std::move(window)),
      stopOffer_{stop_, [this] { return run_ && run_->CopiesFollow(); }} {}

void RunOwner::Perform(RunKind kind, const Body& body, output::WarningRoute route) {
  const RunOrder order = OrderOf(kind);
  base::ScopeExit clearAfterRun([&] {
    if (order.clearing == ListClearing::AfterRun) window_.clearList();
  });
  bool closeHeld = false;
  {
    const platform::HourGlass::Scope hourGlass(platform_.cursor);
    base::ScopeExit leave([&] {
      SessionEndDecided();
      LeaveBusyState();
      messages_.reset();
      closeHeld = std::exchange(closeHeld_, false);
    });
    stop_ = {};
    kind_ = kind;
    watchResting_ = false;
    // A watch has no end of its own: stopping it is its normal end.
    stopQuestion_ = kind == RunKind::Watch ? texts::kWatchStopQuestion : texts::kStopQuestion;
    messages_.emplace(msg_, platform_.cursor, route, &stopOffer_);
    EnterBusyState();
    base::ScopeExit clearInRun([&] {
      if (order.clearing == ListClearing::BeforeBusyEnds) window_.clearList();
    });
    if (order.dispatchAround) platform_.pump.ProcessMessages();
    Run run(*this, order.showsProgress);
    body(run);
  }
  // Only a run that came to its end closes the window; one ended by an
  // exception drops the close it held, with the rest of its state.
  if (closeHeld && order.closesWhenHeld) window_.close();
  if (order.dispatchAround) platform_.pump.ProcessMessages();
}

bool RunOwner::ShowsProgress() const { return run_ && run_->progress_; }

void RunOwner::Warn(const std::string& text, const std::string& caption) {
  if (messages_) return messages_->Note(text, caption);
  msg_.ShowWarningStr(text, caption);
}

bool RunOwner::MayClose() {
  if (!FRunInProgress) return true;
  // Closing in the middle of a copy would leave a document or a port half
  // written; the run ends first, by itself or stopped, and the window closes
  // then.
  closeHeld_ = true;
  if (ShowsProgress()) run_->progress_->NoteClosing();
  AskToStop();
  return false;
}

void RunOwner::AskToStop() {
  // The question's own box takes the keys and clicks meant for a second one.
  if (!FRunInProgress || stop_.Requested() || askingToStop_) return;
  if (messages_ && messages_->Quiet()) {
    stop_.Request();
    return;
  }
  askingToStop_ = true;
  const base::ScopeExit asked([&] { askingToStop_ = false; });
  platform::HourGlass::ShowArrow(platform_.cursor);
  const bool stop = msg_.Ask(stopQuestion_, output::kOutputCaption);
  platform::HourGlass::Show(platform_.cursor);
  if (stop) stop_.Request();
}

bool RunOwner::MaySessionEnd() {
  if (!FRunInProgress) return true;
  if (kind_ == RunKind::Watch) {
    // A watch is meant to end with the session. Between files it takes no
    // more and lets the session end. In the middle of one it stops as Esc
    // stops it, settling the file, and the session waits for that much.
    if (!watchSending_) {
      watchResting_ = true;
      return true;
    }
    stop_.Request();
  }
  platform_.shell.BlockSessionEnd(window_.handle(), texts::kSessionEndBlocked);
  sessionEndBlocked_ = true;
  return false;
}

void RunOwner::SessionEnds(bool ending) {
  if (!std::exchange(watchResting_, false)) return;
  // A session that goes on after all keeps its watch.
  if (ending) stop_.Request();
}

void RunOwner::SessionEndDecided() {
  if (!std::exchange(sessionEndBlocked_, false)) return;
  platform_.shell.AllowSessionEnd(window_.handle());
}

void RunOwner::EnterBusyState() {
  FRunInProgress = true;
  for (ui::Control* control : window_.busyControls) control->SetEnabled(false);
}

void RunOwner::LeaveBusyState() {
  for (ui::Control* control : window_.busyControls) control->SetEnabled(true);
  FRunInProgress = false;
}

RunOwner::Run::Run(RunOwner& owner, bool showsProgress) : owner_(owner) {
  if (showsProgress) {
    planned_ = owner_.window_.plannedCopies();
    progress_.emplace(owner_.window_.hintBar, owner_.platform_.clock, planned_);
    if (owner_.closeHeld_) progress_->NoteClosing();
  }
  owner_.run_ = this;
}

RunOwner::Run::~Run() {
  owner_.run_ = nullptr;
  if (!progress_) return;
  progress_.reset();
  owner_.window_.showGuideText();
}

void RunOwner::Run::StartCopy(const std::string& path) {
  ++started_;
  if (progress_) progress_->StartCopy(path);
}

output::OutputServices RunOwner::Run::Services() {
  return {owner_.platform_.files,
          owner_.platform_.spooler,
          owner_.platform_.network,
          owner_.platform_.registry,
          owner_.platform_.system,
          owner_.platform_.pump,
          owner_.platform_.clock,
          *owner_.messages_,
          progress_ ? &*progress_ : nullptr,
          &owner_.stop_};
}

}  // namespace morvane::forms
