#include "forms/printer_word.h"

#include <optional>

#include "forms/prinfile_texts.h"
#include "net/ipp_request.h"
#include "output/batch_log.h"
#include "output/network_output.h"

namespace morvane::forms {
namespace {

constexpr std::int64_t kMicrosecondsPerMillisecond = 1000;

bool IsFinal(std::int32_t state) {
  return state == net::kJobCompleted || state == net::kJobCanceled || state == net::kJobAborted;
}

std::string ReasonsText(const net::IppResponse& response) {
  std::string text =
      response.jobState == net::kJobCanceled ? output::kLogJobCanceled : output::kLogJobAborted;
  for (std::size_t i = 0; i < response.jobStateReasons.size(); ++i) {
    text += (i == 0 ? output::kLogReasonsSeparator : output::kLogReasonSeparator) +
            response.jobStateReasons[i];
  }
  if (!response.jobStateMessage.empty()) {
    text += output::kLogMessageOpen + response.jobStateMessage + output::kLogMessageClose;
  }
  return text;
}

}  // namespace

std::vector<bool> AwaitPrintersWord(RunOwner::Run& run, platform::Platform& platform,
                                    BatchSession& session,
                                    const std::vector<IppJobInFlight>& jobs) {
  std::vector<std::optional<net::IppResponse>> words(jobs.size());
  const output::OutputServices services = run.Services();
  run.ShowState(texts::kWaitingForPrinter);
  const std::int64_t deadline =
      platform.clock.Microseconds() + kPrinterWordWaitMilliseconds * kMicrosecondsPerMillisecond;
  for (;;) {
    bool allFinal = true;
    for (std::size_t i = 0; i < jobs.size() && !run.Stopped(); ++i) {
      if (words[i] && words[i]->jobState && IsFinal(*words[i]->jobState)) continue;
      std::optional<net::IppResponse> word =
          output::AskIppJobState(services, jobs[i].address, jobs[i].jobId);
      if (word) words[i] = std::move(word);
      allFinal = allFinal && words[i] && words[i]->jobState && IsFinal(*words[i]->jobState);
    }
    if (allFinal || run.Stopped()) break;
    const std::int64_t next =
        platform.clock.Microseconds() +
        std::int64_t{kPrinterWordAskIntervalMilliseconds} * kMicrosecondsPerMillisecond;
    if (next > deadline) break;
    while (platform.clock.Microseconds() < next && !run.Stopped()) {
      platform.pump.WaitForMessages(static_cast<int>(
          (next - platform.clock.Microseconds() + kMicrosecondsPerMillisecond - 1) /
          kMicrosecondsPerMillisecond));
    }
    if (run.Stopped()) break;
  }

  std::vector<bool> failed(jobs.size(), false);
  for (std::size_t i = 0; i < jobs.size(); ++i) {
    const std::optional<std::int32_t> state = words[i] ? words[i]->jobState : std::nullopt;
    std::string result = output::kLogNotYetKnown;
    if (state == net::kJobCompleted) {
      result = output::kLogPrinted;
    } else if (state && IsFinal(*state)) {
      failed[i] = true;
      result = output::kLogPrinterFailedPrefix + ReasonsText(*words[i]);
    }
    session.Note(result, jobs[i].fileName, jobs[i].bytes, jobs[i].target);
  }
  return failed;
}

}  // namespace morvane::forms
