#pragma once

#include <cstdint>
#include <string>

#include "base/window_handle.h"
#include "platform/file_system.h"
#include "platform/help_control.h"
#include "platform/registry.h"

namespace morvane::help {

// Where the HTML Help control is registered, under HKEY_CLASSES_ROOT.
inline constexpr char kHelpControlKey[] =
    "CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32";
inline constexpr char kHtmlHelpAName[] = "HtmlHelpA";
inline constexpr char kHtmlHelpWName[] = "HtmlHelpW";

// The path of the HTML Help control as registered, or empty when it isn't
// registered or names no existing file. Environment references stay as read.
std::string FindHelpControlPath(platform::Registry& registry, platform::FileSystem& files);

// The HTML Help control, loaded at program start and freed at its end.
class HelpControl {
 public:
  HelpControl(platform::Registry& registry, platform::FileSystem& files,
              platform::HelpControlLibrary& library);
  ~HelpControl();
  HelpControl(const HelpControl&) = delete;
  HelpControl& operator=(const HelpControl&) = delete;

  void LoadHelpControl();
  // Closes the help windows still open, then frees the control.
  void FreeHelpControl();

  // Calls DefaultHtmlHelp, which must have been resolved.
  base::WindowHandle CallDefaultHtmlHelp(base::WindowHandle caller, const std::string& file,
                                         std::uint32_t command, std::uintptr_t data);

  // The entries, each 0 until resolved. DefaultHtmlHelp is "HtmlHelpA" too.
  platform::EntryPoint HtmlHelpA = 0;
  platform::EntryPoint HtmlHelpW = 0;
  platform::EntryPoint DefaultHtmlHelp = 0;

 private:
  platform::Registry& registry_;
  platform::FileSystem& files_;
  platform::HelpControlLibrary& library_;
  platform::LibraryHandle handle_ = 0;
};

}  // namespace morvane::help
