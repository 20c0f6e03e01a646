#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/program.h"
#include "fakes/fake_help_platform.h"
#include "fakes/fake_platform.h"

namespace morvane::testing {

inline constexpr char kProgramFolder[] = "C:\\Morvane\\";
inline constexpr char kProgramPath[] = "C:\\Morvane\\morvane.exe";
inline constexpr char kIniPath[] = "C:\\Morvane\\Morvane.ini";
inline constexpr char kCfgPath[] = "C:\\Morvane\\Morvane.cfg";
inline constexpr char kRegistryKey[] = "software\\tqv\\morvane";

// The whole program on fake services: set the machine up, then Start().
class ProgramFixture {
 public:
  ProgramFixture() { fake.system.SetProgramPath(kProgramPath); }

  void SetCommandLine(const std::string& arguments) {
    fake.system.SetCommandLine(std::string("\"") + kProgramPath + "\" " + arguments);
  }
  void StoreRegistry(const std::string& name, const std::string& text) {
    fake.registry.StoreString(platform::RegistryRoot::CurrentUser, kRegistryKey, name, text);
  }
  std::optional<std::string> StoredRegistry(const std::string& name) {
    auto value = fake.registry.StoredValue(platform::RegistryRoot::CurrentUser, kRegistryKey, name);
    if (!value) return std::nullopt;
    return value->data;
  }

  void Start() {
    program = std::make_unique<app::Program>(fake.platform, helpFake.platform, windows);
    program->Start();
  }
  // Shows and activates the main window as the message loop would.
  void ShowAndActivate() {
    main().Show();
    main().NotifyActivated();
  }
  void Finish() { program->Finish(); }
  // Adds files to the job list as the "Openen" button does.
  void AddToList(std::vector<std::string> paths) {
    fake.openDialog.Choose(std::move(paths));
    main().OpenButtonClick();
  }

  forms::TPrintfile1& main() { return *program->Printfile1(); }

  fakes::FakePlatform fake;
  fakes::FakeHelpPlatform helpFake;
  fakes::FakeWindowSystem windows;
  std::unique_ptr<app::Program> program;
};

}  // namespace morvane::testing
