// The manifest embedded in the built morvane.exe names the machine of that
// build: a 64-bit program that asks for the x86 common controls is refused by
// Windows and handed the 32-bit DLL by Wine, and never starts.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_environment.h"

namespace {

constexpr char kArchitectureAttribute[] = "processorArchitecture=\"";
constexpr char kAnyArchitecture[] = "*";

std::string ManifestOf(const std::wstring& program) {
  const HMODULE image = LoadLibraryExW(program.c_str(), nullptr,
                                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (image == nullptr) return {};
  std::string manifest;
  const HRSRC resource = FindResourceA(image, MAKEINTRESOURCEA(1), RT_MANIFEST);
  if (resource != nullptr) {
    const HGLOBAL loaded = LoadResource(image, resource);
    const auto* bytes = static_cast<const char*>(LockResource(loaded));
    if (bytes != nullptr) manifest.assign(bytes, SizeofResource(image, resource));
  }
  FreeLibrary(image);
  return manifest;
}

// The value of every processorArchitecture attribute, in document order.
std::vector<std::string> ArchitecturesNamedIn(const std::string& manifest) {
  std::vector<std::string> names;
  for (auto at = manifest.find(kArchitectureAttribute); at != std::string::npos;
       at = manifest.find(kArchitectureAttribute, at)) {
    at += sizeof kArchitectureAttribute - 1;
    const auto end = manifest.find('"', at);
    if (end == std::string::npos) break;
    names.push_back(manifest.substr(at, end - at));
  }
  return names;
}

TEST(Win32ManifestTest, NamesTheMachineOfTheProgramItIsEmbeddedIn) {
  const std::string path =
      morvane::testing::WindowsPath(morvane::testing::EnvironmentValue("MORVANE_PROGRAM"));
  const std::wstring program(path.begin(), path.end());

  DWORD binaryType = 0;
  ASSERT_TRUE(GetBinaryTypeW(program.c_str(), &binaryType)) << path;
  const bool is64Bit = binaryType == SCS_64BIT_BINARY;
  ASSERT_TRUE(is64Bit || binaryType == SCS_32BIT_BINARY) << "binary type " << binaryType;
  EXPECT_EQ(is64Bit, sizeof(void*) == 8) << "morvane.exe is not of this test build's machine";
  const std::string machine = is64Bit ? "amd64" : "x86";

  const std::vector<std::string> architectures = ArchitecturesNamedIn(ManifestOf(program));
  // The program's own identity, then the common controls it depends on.
  ASSERT_EQ(architectures.size(), 2U) << "processorArchitecture attributes in the manifest";
  EXPECT_EQ(architectures[0], machine) << "the program's identity";
  EXPECT_TRUE(architectures[1] == machine || architectures[1] == kAnyArchitecture)
      << "the common controls are asked for as " << architectures[1];
}

}  // namespace
