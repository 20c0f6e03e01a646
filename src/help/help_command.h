#pragma once

#include <string>

#include "help/hh.h"
#include "platform/desktop.h"
#include "platform/file_system.h"
#include "platform/msg.h"

namespace morvane::help {

inline constexpr char kHtmlHelpFileName[] = "morvane.chm";
inline constexpr char kStartTopic[] = "::/index.htm";
inline constexpr char kNoHtmlHelpText[] = "Dit systeem kan geen html helpfile's tonen";
inline constexpr char kHelpFileMissingStart[] = "helpfile ";
inline constexpr char kHelpFileMissingEnd[] = " niet gevonden";
inline constexpr char kHelpErrorCaption[] = "Error";

// The help command: opens the help file in the program folder (given with its
// trailing separator) at its start topic, owned by the desktop window, or says
// why it can't.
void ShowProgramHelp(bool hhInstalled, HelpControl& control, platform::Msg& msg,
                     platform::FileSystem& files, platform::Desktop& desktop,
                     const std::string& programFolder);

}  // namespace morvane::help
