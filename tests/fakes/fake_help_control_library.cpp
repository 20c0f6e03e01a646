#include "fakes/fake_help_control_library.h"

#include <iterator>

namespace morvane::fakes {
namespace {

constexpr platform::LibraryHandle kFirstHandle = 0x10000000;
constexpr platform::LibraryHandle kHandleStep = 0x10000;
constexpr base::WindowHandle kHelpWindow = 0x4242;

}  // namespace

void FakeHelpControlLibrary::AddLibrary(const std::string& path, std::set<std::string> exports) {
  const platform::LibraryHandle handle = kFirstHandle + libraries_.size() * kHandleStep;
  libraries_[path] = Library{handle, std::move(exports)};
}

platform::EntryPoint FakeHelpControlLibrary::EntryOf(const std::string& path,
                                                     const std::string& name) const {
  const Library& library = libraries_.at(path);
  auto found = library.exports.find(name);
  if (found == library.exports.end()) return 0;
  return library.handle + 1 + std::distance(library.exports.begin(), found);
}

platform::LibraryHandle FakeHelpControlLibrary::Load(const std::string& path) {
  events_.push_back("Load " + path);
  auto library = libraries_.find(path);
  if (library == libraries_.end()) return 0;
  loaded_[library->second.handle] = path;
  return library->second.handle;
}

platform::EntryPoint FakeHelpControlLibrary::Resolve(platform::LibraryHandle library,
                                                     const char* name) {
  events_.push_back(std::string("Resolve ") + name);
  auto loaded = loaded_.find(library);
  if (loaded == loaded_.end()) return 0;
  return EntryOf(loaded->second, name);
}

bool FakeHelpControlLibrary::Free(platform::LibraryHandle library) {
  events_.push_back("Free");
  return loaded_.erase(library) > 0;
}

base::WindowHandle FakeHelpControlLibrary::CallHtmlHelpA(platform::EntryPoint entry,
                                                         base::WindowHandle caller,
                                                         const char* file, std::uint32_t command,
                                                         std::uintptr_t data) {
  events_.push_back("HtmlHelpA " + std::to_string(command));
  bool live = false;
  for (const auto& [handle, path] : loaded_) {
    if (entry != 0 && entry > handle && entry <= handle + libraries_.at(path).exports.size()) {
      live = true;
    }
  }
  HtmlHelpCall call{entry, caller, std::nullopt, command, data, live};
  if (file != nullptr) call.file = file;
  calls_.push_back(std::move(call));
  return live ? kHelpWindow : 0;
}

}  // namespace morvane::fakes
