#include "help/help_command.h"

namespace morvane::help {

void ShowProgramHelp(bool hhInstalled, HelpControl& control, platform::Msg& msg,
                     platform::FileSystem& files, platform::Desktop& desktop,
                     const std::string& programFolder) {
  // A control whose version can be read may still have failed to load.
  if (!hhInstalled || control.DefaultHtmlHelp == 0) {
    msg.ShowWarning(kNoHtmlHelpText, kHelpErrorCaption);
    return;
  }
  const std::string path = programFolder + kHtmlHelpFileName;
  if (!files.FileExists(path)) {
    const std::string text = kHelpFileMissingStart + path + kHelpFileMissingEnd;
    msg.ShowWarning(text.c_str(), kHelpErrorCaption);
    return;
  }
  control.CallDefaultHtmlHelp(desktop.DesktopWindow(), path + kStartTopic,
                              platform::kHhDisplayTopic, 0);
}

}  // namespace morvane::help
