#include "help/hh_funcs.h"

#include "base/command_line.h"
#include "base/path_text.h"
#include "help/debug_log.h"
#include "help/hh.h"
#include "help/release_names.h"

namespace morvane::help {
namespace {

constexpr char kRunDirFormat[] = "_RunDir = \"%s\"";
constexpr char kHhInstalledFormat[] = "_hhInstalled = %s";
constexpr char kHhVerStrFormat[] = "_hhVerStr = %s";
constexpr char kHhFriendlyVerStrFormat[] = "_hhFriendlyVerStr = %s";
constexpr char kIeInstalledFormat[] = "_ieInstalled = %s";
constexpr char kIeVerStrFormat[] = "_ieVerStr = %s";
constexpr char kIeFriendlyVerStrFormat[] = "_ieFriendlyVerStr = %s";
constexpr char kYes[] = "YES";
constexpr char kNo[] = "NO";

const char* YesNo(bool value) { return value ? kYes : kNo; }

std::string InFolder(const std::string& folder, const char* name) { return folder + '\\' + name; }

}  // namespace

HelpFindings::HelpFindings(platform::Platform& platform, HelpPlatform& help)
    : files_(platform.files), registry_(platform.registry), system_(platform.system), help_(help) {}

void HelpFindings::Start() {
  _RunDir = WithoutTrailingBackslashes(base::FolderOf(system_.ProgramPath()));
  _LogDir = IsFolderWritable(_RunDir)
                ? _RunDir
                : WithoutTrailingBackslashes(help_.folders.WindowsDirectory());
  _LogEnabled = files_.FileExists(InFolder(_RunDir, kDebugMarkerName)) ||
                HasDebugSwitch(base::CommandLineArguments(system_.CommandLine()));
  _hhVerStr = ReadHelpControlVersion().text;
  _hhInstalled = !_hhVerStr.empty();
  _hhFriendlyVerStr = HelpControlFriendlyName();
  _ieVerStr = ReadBrowserVersion().text;
  _ieInstalled = !_ieVerStr.empty();
  _ieFriendlyVerStr = BrowserFriendlyName();
  WriteStartupLog();
}

void HelpFindings::Finish() {
  _RunDir.clear();
  _LogDir.clear();
  _hhVerStr.clear();
  _hhFriendlyVerStr.clear();
  _ieVerStr.clear();
  _ieFriendlyVerStr.clear();
}

VersionReading HelpFindings::ReadHelpControlVersion() {
  return ReadFileVersion(FindHelpControlPath(registry_, files_), files_, help_.versions);
}

VersionReading HelpFindings::ReadBrowserVersion() {
  const std::string systemFolder = WithoutTrailingBackslashes(help_.folders.SystemDirectory());
  return RepairBrowserVersion(
      ReadFileVersion(InFolder(systemFolder, kBrowserComponentName), files_, help_.versions));
}

std::string HelpFindings::HelpControlFriendlyName() {
  const VersionReading reading = ReadHelpControlVersion();
  return reading.text.empty() ? std::string() : HelpControlReleaseName(reading.version);
}

std::string HelpFindings::BrowserFriendlyName() {
  const VersionReading reading = ReadBrowserVersion();
  return reading.text.empty() ? std::string() : BrowserReleaseName(reading.version);
}

bool HelpFindings::IsFolderWritable(const std::string& folder) {
  const std::string probe = InFolder(WithoutTrailingBackslashes(folder), kWriteProbeName);
  auto file = files_.Open(probe, {platform::FileAccess::Write, platform::ShareNone,
                                  platform::FileDisposition::CreateAlways});
  if (!file) return false;
  file->Close();
  files_.Delete(probe);
  return true;
}

std::string HelpFindings::LogPath() const { return InFolder(_LogDir, kDebugLogName); }

void HelpFindings::WriteLogLine(const std::string& format, const std::string& argument) {
  const std::string path = LogPath();
  const platform::FileDisposition disposition = files_.FileExists(path)
                                                    ? platform::FileDisposition::AppendExisting
                                                    : platform::FileDisposition::CreateAlways;
  auto file = files_.Open(path, {platform::FileAccess::Write, platform::ShareRead, disposition});
  if (!file) return;
  const std::string line = LogLine(format, argument, help_.clock.DateTimeText());
  std::uint32_t written = 0;
  file->Write(line.data(), static_cast<std::uint32_t>(line.size()), written);
  file->Close();
}

void HelpFindings::WriteStartupLog() {
  if (files_.FileExists(LogPath())) files_.Delete(LogPath());
  if (!_LogEnabled) return;
  WriteLogLine(kRunDirFormat, _RunDir);
  WriteLogLine(kSeparatorFormat);
  WriteLogLine(kHhInstalledFormat, YesNo(_hhInstalled));
  WriteLogLine(kHhVerStrFormat, _hhVerStr);
  WriteLogLine(kHhFriendlyVerStrFormat, _hhFriendlyVerStr);
  WriteLogLine(kSeparatorFormat);
  WriteLogLine(kIeInstalledFormat, YesNo(_ieInstalled));
  WriteLogLine(kIeVerStrFormat, _ieVerStr);
  WriteLogLine(kIeFriendlyVerStrFormat, _ieFriendlyVerStr);
  WriteLogLine(kSeparatorFormat);
}

}  // namespace morvane::help
