// The real registry of the test prefix, reached through Win32Registry and
// through the registry state that the program keeps under the current user.
#include "platform/registry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "platform/win32/wide_names.h"
#include "platform/win32/win32_registry.h"
#include "settings/registry_state.h"

namespace {

using morvane::platform::kKeyAllAccess;
using morvane::platform::kKeyRead;
using morvane::platform::kRegSz;
using morvane::platform::RegistryKey;
using morvane::platform::RegistryRoot;
using morvane::platform::win32::Win32Registry;
using morvane::settings::kRegistryKeyPath;

struct RawValue {
  DWORD type;
  std::string data;
};

// Reads a value of the program's key with the registry API itself, under a
// differently cased path (the registry ignores case in key names).
std::optional<RawValue> ReadRawValue(const char* name) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\TQV\\Morvane", 0, KEY_READ, &key) != 0) {
    return std::nullopt;
  }
  DWORD type = 0;
  DWORD size = 0;
  std::optional<RawValue> value;
  if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) == 0) {
    std::string data(size, '\0');
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) ==
        0) {
      data.resize(size);
      value = RawValue{type, data};
    }
  }
  RegCloseKey(key);
  return value;
}

void WriteRawValue(const char* name, const std::string& data) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kRegistryKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &key, nullptr),
            0);
  ASSERT_EQ(RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.data()),
                           static_cast<DWORD>(data.size())),
            0);
  RegCloseKey(key);
}

class Win32RegistryTest : public ::testing::Test {
 protected:
  // Every test starts without the program's key.
  void SetUp() override { RemoveKey(); }
  void TearDown() override { RemoveKey(); }

  static void RemoveKey() { RegDeleteKeyA(HKEY_CURRENT_USER, kRegistryKeyPath); }

  Win32Registry registry_;
};

TEST_F(Win32RegistryTest, OpeningAMissingKeyFails) {
  RegistryKey key = 0;
  EXPECT_EQ(registry_.OpenKey(RegistryRoot::CurrentUser, kRegistryKeyPath, kKeyRead, key),
            ERROR_FILE_NOT_FOUND);
}

TEST_F(Win32RegistryTest, ValueSetInACreatedKeyIsStoredExactly) {
  RegistryKey key = 0;
  ASSERT_EQ(registry_.CreateKey(RegistryRoot::CurrentUser, kRegistryKeyPath, kKeyAllAccess, key),
            0);
  // UTF-8 with its terminating zero; the ANSI calls read it in the code page.
  const std::string data = std::string("Printer \x1b\xc3\xa9") + '\0';
  EXPECT_EQ(registry_.SetValue(key, "LASTPRINTER", kRegSz,
                               reinterpret_cast<const std::uint8_t*>(data.data()),
                               static_cast<std::uint32_t>(data.size())),
            0);
  EXPECT_EQ(registry_.CloseKey(key), 0);

  const auto stored = ReadRawValue("LASTPRINTER");
  ASSERT_TRUE(stored.has_value());
  EXPECT_EQ(stored->type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(stored->data, std::string("Printer \x1b\xe9") + '\0');
}

TEST_F(Win32RegistryTest, QueryGivesTheBytesAndTheSizeTheValueHolds) {
  WriteRawValue("EXTENDEDMODE", std::string("ON\0", 3));
  RegistryKey key = 0;
  ASSERT_EQ(registry_.OpenKey(RegistryRoot::CurrentUser, kRegistryKeyPath, kKeyRead, key), 0);

  std::uint8_t buffer[254] = {};
  std::uint32_t size = sizeof buffer;
  EXPECT_EQ(registry_.QueryValue(key, "EXTENDEDMODE", buffer, size), 0);
  EXPECT_EQ(size, 3u);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 3), std::string("ON\0", 3));

  size = sizeof buffer;
  EXPECT_EQ(registry_.QueryValue(key, "NOSUCHVALUE", buffer, size), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(registry_.CloseKey(key), 0);
}

TEST_F(Win32RegistryTest, QueryOfAValueLargerThanTheBufferFails) {
  WriteRawValue("LASTPRINTER", std::string(299, 'p') + '\0');
  RegistryKey key = 0;
  ASSERT_EQ(registry_.OpenKey(RegistryRoot::CurrentUser, kRegistryKeyPath, kKeyRead, key), 0);

  std::uint8_t buffer[254] = {};
  std::uint32_t size = sizeof buffer;
  EXPECT_EQ(registry_.QueryValue(key, "LASTPRINTER", buffer, size), ERROR_MORE_DATA);
  EXPECT_EQ(size, 300u);
  registry_.CloseKey(key);
}

TEST_F(Win32RegistryTest, KeyOpenedForReadingRefusesToSetValues) {
  WriteRawValue("LASTPRINTER", std::string("A\0", 2));
  RegistryKey key = 0;
  ASSERT_EQ(registry_.OpenKey(RegistryRoot::CurrentUser, kRegistryKeyPath, kKeyRead, key), 0);
  const std::uint8_t data[] = "B";
  EXPECT_NE(registry_.SetValue(key, "LASTPRINTER", kRegSz, data, sizeof data), 0);
  registry_.CloseKey(key);
  EXPECT_EQ(ReadRawValue("LASTPRINTER")->data, std::string("A\0", 2));
}

using Win32RegistryStateTest = Win32RegistryTest;

TEST_F(Win32RegistryStateTest, FirstWriteCreatesTheKeyWithBothValues) {
  EXPECT_TRUE(morvane::settings::WriteRegistryState(registry_, false, "MorvaneTestCapture"));

  const auto mode = ReadRawValue("EXTENDEDMODE");
  ASSERT_TRUE(mode.has_value());
  EXPECT_EQ(mode->type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(mode->data, std::string("OFF\0", 4));
  const auto printer = ReadRawValue("LASTPRINTER");
  ASSERT_TRUE(printer.has_value());
  EXPECT_EQ(printer->type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(printer->data, std::string("MorvaneTestCapture\0", 19));
}

TEST_F(Win32RegistryStateTest, StateReadsBackAsWritten) {
  ASSERT_TRUE(morvane::settings::WriteRegistryState(registry_, true, "Laser \x1b op 2e"));
  EXPECT_EQ(ReadRawValue("EXTENDEDMODE")->data, std::string("ON\0", 3));

  bool extended = false;
  std::string printer = "current";
  EXPECT_TRUE(morvane::settings::ReadRegistryState(registry_, extended, printer));
  EXPECT_TRUE(extended);
  EXPECT_EQ(printer, "Laser \x1b op 2e");

  // A second write replaces both values in the existing key.
  ASSERT_TRUE(morvane::settings::WriteRegistryState(registry_, false, ""));
  EXPECT_EQ(ReadRawValue("LASTPRINTER")->data, std::string(1, '\0'));
  EXPECT_TRUE(morvane::settings::ReadRegistryState(registry_, extended, printer));
  EXPECT_FALSE(extended);
  EXPECT_EQ(printer, "");
}

TEST_F(Win32RegistryStateTest, PrinterOutsideTheCodePageIsStoredAsItIsAndAnEarlierFormIsRead) {
  const std::wstring queue = L"MorvaneTestCapture\u0141";
  const std::string name = morvane::platform::win32::NameFromWide(queue);
  ASSERT_TRUE(morvane::settings::WriteRegistryState(registry_, false, name));
  wchar_t stored[64] = {};
  DWORD size = sizeof(stored);
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\TQV\\Morvane", L"LASTPRINTER",
                         RRF_RT_REG_SZ, nullptr, stored, &size),
            0);
  EXPECT_EQ(std::wstring(stored), queue);
  bool extended = true;
  std::string printer;
  EXPECT_TRUE(morvane::settings::ReadRegistryState(registry_, extended, printer));
  EXPECT_EQ(printer, name);

  // As the ANSI calls of earlier versions stored it: the code page's
  // characters as they are, each other one as a '?' and its UTF-8 bytes.
  for (const auto& [earlier, read] :
       {std::pair<std::string, std::string>{"MorvaneTestCapture?\xC5\x81", name},
        {"Caf\xe9 ?\xC5\x81?", "Caf\xc3\xa9 \xC5\x81?"},
        {"Caf\xe9 ?", "Caf\xc3\xa9 ?"}}) {
    WriteRawValue("LASTPRINTER", earlier + '\0');
    printer.clear();
    EXPECT_TRUE(morvane::settings::ReadRegistryState(registry_, extended, printer));
    EXPECT_EQ(printer, read);
  }
}

TEST_F(Win32RegistryStateTest, NameOfMoreThan253CharactersIsWrittenButNotReadBack) {
  const std::string longest(253, 'a');
  ASSERT_TRUE(morvane::settings::WriteRegistryState(registry_, true, longest));
  bool extended = false;
  std::string printer = "current";
  EXPECT_TRUE(morvane::settings::ReadRegistryState(registry_, extended, printer));
  EXPECT_EQ(printer, longest);

  const std::string tooLong(254, 'b');
  ASSERT_TRUE(morvane::settings::WriteRegistryState(registry_, false, tooLong));
  EXPECT_EQ(ReadRawValue("LASTPRINTER")->data.size(), 255u);
  printer = "current";
  EXPECT_FALSE(morvane::settings::ReadRegistryState(registry_, extended, printer));
  EXPECT_FALSE(extended);
  EXPECT_EQ(printer, "current");
}

TEST_F(Win32RegistryStateTest, ReadingWithoutTheKeyKeepsTheDefaults) {
  bool extended = false;
  std::string printer = "current";
  EXPECT_FALSE(morvane::settings::ReadRegistryState(registry_, extended, printer));
  EXPECT_FALSE(extended);
  EXPECT_EQ(printer, "current");
}

}  // namespace
