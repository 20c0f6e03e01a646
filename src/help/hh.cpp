#include "help/hh.h"

#include <vector>

namespace morvane::help {
namespace {

constexpr long kRegistrySuccess = 0;

// The key's default value as a string: empty when it is missing or unreadable.
std::string ReadDefaultValue(platform::Registry& registry, platform::RegistryKey key) {
  std::uint32_t size = 0;
  if (registry.QueryValue(key, "", nullptr, size) != kRegistrySuccess || size == 0) return {};
  std::vector<std::uint8_t> data(size);
  if (registry.QueryValue(key, "", data.data(), size) != kRegistrySuccess) return {};
  data.resize(size);
  std::string text(data.begin(), data.end());
  // The stored string ends at its terminating zero.
  return text.substr(0, text.find('\0'));
}

}  // namespace

std::string FindHelpControlPath(platform::Registry& registry, platform::FileSystem& files) {
  platform::RegistryKey key = 0;
  if (registry.OpenKey(platform::RegistryRoot::ClassesRoot, kHelpControlKey, platform::kKeyRead,
                       key) != kRegistrySuccess) {
    return {};
  }
  std::string path = ReadDefaultValue(registry, key);
  registry.CloseKey(key);
  if (!path.empty() && !files.FileExists(path)) return {};
  return path;
}

HelpControl::HelpControl(platform::Registry& registry, platform::FileSystem& files,
                         platform::HelpControlLibrary& library)
    : registry_(registry), files_(files), library_(library) {}

HelpControl::~HelpControl() { FreeHelpControl(); }

void HelpControl::LoadHelpControl() {
  if (handle_ != 0) return;
  const std::string path = FindHelpControlPath(registry_, files_);
  if (path.empty() || !files_.FileExists(path)) return;
  handle_ = library_.Load(path);
  if (handle_ == 0) return;
  HtmlHelpA = library_.Resolve(handle_, kHtmlHelpAName);
  HtmlHelpW = library_.Resolve(handle_, kHtmlHelpWName);
  DefaultHtmlHelp = library_.Resolve(handle_, kHtmlHelpAName);
}

void HelpControl::FreeHelpControl() {
  if (handle_ == 0) return;
  // A help window left open would outlive the code behind it.
  if (DefaultHtmlHelp != 0)
    library_.CallHtmlHelpA(DefaultHtmlHelp, 0, nullptr, platform::kHhCloseAll, 0);
  library_.Free(handle_);
  handle_ = 0;
  HtmlHelpA = 0;
  HtmlHelpW = 0;
  DefaultHtmlHelp = 0;
}

base::WindowHandle HelpControl::CallDefaultHtmlHelp(base::WindowHandle caller,
                                                    const std::string& file, std::uint32_t command,
                                                    std::uintptr_t data) {
  return library_.CallHtmlHelpA(DefaultHtmlHelp, caller, file.c_str(), command, data);
}

}  // namespace morvane::help
