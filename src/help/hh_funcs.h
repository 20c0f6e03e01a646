#pragma once

#include <string>

#include "help/file_version.h"
#include "help/help_platform.h"
#include "platform/platform.h"

namespace morvane::help {

inline constexpr char kBrowserComponentName[] = "Shdocvw.dll";
inline constexpr char kWriteProbeName[] = "$_Temp_$.$$$";

// What the program finds out at start about HTML Help and the browser
// component, and the debug log that records it.
class HelpFindings {
 public:
  HelpFindings(platform::Platform& platform, HelpPlatform& help);

  // Sets every finding once, deletes the old log and, in debug mode, writes
  // the findings to a new one.
  void Start();
  // Empties the texts.
  void Finish();

  VersionReading ReadBrowserVersion();
  std::string HelpControlFriendlyName();
  std::string BrowserFriendlyName();
  // Whether a file can be created in folder, tried with a probe file that is
  // deleted again.
  bool IsFolderWritable(const std::string& folder);
  // Appends one line to the debug log; dropped when the log can't be opened.
  void WriteLogLine(const std::string& format, const std::string& argument = {});

  // The help layer has always named its findings this way, though the
  // language reserves names of the form _Upper for the implementation.
  // NOLINTBEGIN(bugprone-reserved-identifier)
  // The program folder, without trailing backslashes.
  std::string _RunDir;
  // The folder of the debug log.
  std::string _LogDir;
  bool _LogEnabled = false;
  // NOLINTEND(bugprone-reserved-identifier)
  std::string _hhVerStr;
  bool _hhInstalled = false;
  std::string _hhFriendlyVerStr;
  std::string _ieVerStr;
  bool _ieInstalled = false;
  std::string _ieFriendlyVerStr;

 private:
  VersionReading ReadHelpControlVersion();
  std::string LogPath() const;
  void WriteStartupLog();

  platform::FileSystem& files_;
  platform::Registry& registry_;
  platform::SystemInfo& system_;
  HelpPlatform& help_;
};

}  // namespace morvane::help
