#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/help_control.h"

namespace morvane::fakes {

// One call of an HtmlHelpA entry. live: the entry belonged to a library still
// loaded at the time of the call.
struct HtmlHelpCall {
  platform::EntryPoint entry = 0;
  base::WindowHandle caller = 0;
  std::optional<std::string> file;
  std::uint32_t command = 0;
  std::uintptr_t data = 0;
  bool live = false;
};

// Libraries that exist at given paths and export given names. Everything done
// is logged in order as "Load PATH", "Resolve NAME", "HtmlHelpA COMMAND" and
// "Free".
class FakeHelpControlLibrary final : public platform::HelpControlLibrary {
 public:
  void AddLibrary(const std::string& path, std::set<std::string> exports);
  // The entry that Resolve gives for name while the library at path is loaded.
  platform::EntryPoint EntryOf(const std::string& path, const std::string& name) const;
  int LoadedCount() const { return static_cast<int>(loaded_.size()); }
  const std::vector<std::string>& Events() const { return events_; }
  const std::vector<HtmlHelpCall>& HtmlHelpCalls() const { return calls_; }

  platform::LibraryHandle Load(const std::string& path) override;
  platform::EntryPoint Resolve(platform::LibraryHandle library, const char* name) override;
  bool Free(platform::LibraryHandle library) override;
  base::WindowHandle CallHtmlHelpA(platform::EntryPoint entry, base::WindowHandle caller,
                                   const char* file, std::uint32_t command,
                                   std::uintptr_t data) override;

 private:
  struct Library {
    platform::LibraryHandle handle;
    std::set<std::string> exports;
  };

  std::map<std::string, Library> libraries_;
  std::map<platform::LibraryHandle, std::string> loaded_;
  std::vector<std::string> events_;
  std::vector<HtmlHelpCall> calls_;
};

}  // namespace morvane::fakes
