#include "help/help_session.h"

#include "help/help_command.h"

namespace morvane::help {

HelpSession::HelpSession(platform::Platform& platform, HelpPlatform& help)
    : files_(platform.files),
      desktop_(help.desktop),
      control_(platform.registry, platform.files, help.library),
      findings_(platform, help) {
  control_.LoadHelpControl();
  findings_.Start();
}

HelpSession::~HelpSession() {
  findings_.Finish();
  control_.FreeHelpControl();
}

void HelpSession::ShowProgramHelp(platform::Msg& msg, const std::string& programFolder) {
  help::ShowProgramHelp(findings_._hhInstalled, control_, msg, files_, desktop_, programFolder);
}

}  // namespace morvane::help
