#pragma once

#include <string>

#include "help/help_platform.h"
#include "help/hh.h"
#include "help/hh_funcs.h"
#include "platform/msg.h"
#include "platform/platform.h"

namespace morvane::help {

// The help layer for the life of the program: created before the program
// body, it loads the HTML Help control and then takes the start-up findings;
// destroyed after it, it empties the findings and then frees the control.
class HelpSession {
 public:
  HelpSession(platform::Platform& platform, HelpPlatform& help);
  ~HelpSession();
  HelpSession(const HelpSession&) = delete;
  HelpSession& operator=(const HelpSession&) = delete;

  // The main window's help command; programFolder ends with its separator.
  void ShowProgramHelp(platform::Msg& msg, const std::string& programFolder);

  const HelpFindings& Findings() const { return findings_; }
  HelpControl& Control() { return control_; }

 private:
  platform::FileSystem& files_;
  platform::Desktop& desktop_;
  HelpControl control_;
  HelpFindings findings_;
};

}  // namespace morvane::help
