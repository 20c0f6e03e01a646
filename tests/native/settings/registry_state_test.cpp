#include "settings/registry_state.h"

#include <gtest/gtest.h>

#include <string>

#include "fakes/fake_registry.h"

namespace morvane::settings {
namespace {

using fakes::RegistryOp;
using platform::RegistryRoot;

const std::string kKey = "software\\tqv\\morvane";

struct ReadResult {
  bool result;
  bool extendedMode;
  std::string printer;
};

// Reads over the defaults a caller sets first.
ReadResult Read(fakes::FakeRegistry& registry) {
  ReadResult read{false, false, "Default"};
  read.result = ReadRegistryState(registry, read.extendedMode, read.printer);
  return read;
}

std::string Stored(const fakes::FakeRegistry& registry, const std::string& name) {
  auto value = registry.StoredValue(RegistryRoot::CurrentUser, kKey, name);
  return value ? value->data : "<missing>";
}

TEST(ReadRegistryState, ReadsBothValuesAndClosesTheKey) {
  fakes::FakeRegistry registry;
  registry.StoreString(RegistryRoot::CurrentUser, "Software\\TQV\\Morvane", "EXTENDEDMODE", "ON");
  registry.StoreString(RegistryRoot::CurrentUser, kKey, "LASTPRINTER", "Laser 5");

  const ReadResult read = Read(registry);
  EXPECT_TRUE(read.result);
  EXPECT_TRUE(read.extendedMode);
  EXPECT_EQ(read.printer, "Laser 5");
  const auto opens = registry.CallsOf(RegistryOp::OpenKey);
  ASSERT_EQ(opens.size(), 1u);
  EXPECT_EQ(opens[0].access, 0x20019u);
  for (const auto& query : registry.CallsOf(RegistryOp::QueryValue)) EXPECT_EQ(query.size, 254u);
  EXPECT_EQ(registry.OpenHandleCount(), 0u);
}

TEST(ReadRegistryState, ExtendedModeIsOnOnlyForExactlyOn) {
  for (const char* text : {"on", "On", "OFF", "", "ON "}) {
    SCOPED_TRACE(text);
    fakes::FakeRegistry registry;
    registry.StoreString(RegistryRoot::CurrentUser, kKey, "EXTENDEDMODE", text);
    registry.StoreString(RegistryRoot::CurrentUser, kKey, "LASTPRINTER", "");
    ReadResult read{false, true, "Default"};
    EXPECT_TRUE(ReadRegistryState(registry, read.extendedMode, read.printer));
    EXPECT_FALSE(read.extendedMode);
    EXPECT_EQ(read.printer, "");
  }
}

TEST(ReadRegistryState, MissingKeyOrValueKeepsDefaults) {
  fakes::FakeRegistry noKey;
  const ReadResult none = Read(noKey);
  EXPECT_FALSE(none.result);
  EXPECT_FALSE(none.extendedMode);
  EXPECT_EQ(none.printer, "Default");
  EXPECT_TRUE(noKey.CallsOf(RegistryOp::CloseKey).empty());

  fakes::FakeRegistry printerOnly;
  printerOnly.StoreString(RegistryRoot::CurrentUser, kKey, "LASTPRINTER", "Gone printer");
  const ReadResult some = Read(printerOnly);
  EXPECT_FALSE(some.result);
  EXPECT_FALSE(some.extendedMode);
  EXPECT_EQ(some.printer, "Gone printer");
  EXPECT_EQ(printerOnly.OpenHandleCount(), 0u);

  fakes::FakeRegistry noData;
  noData.StoreValue(RegistryRoot::CurrentUser, kKey, "EXTENDEDMODE", platform::kRegSz, "");
  noData.StoreValue(RegistryRoot::CurrentUser, kKey, "LASTPRINTER", platform::kRegSz, "");
  const ReadResult empty = Read(noData);
  EXPECT_TRUE(empty.result);
  EXPECT_FALSE(empty.extendedMode);
  EXPECT_EQ(empty.printer, "");
}

TEST(ReadRegistryState, ValuesBeyondTheBytesOfferedCountAsMissing) {
  fakes::FakeRegistry registry;
  registry.StoreString(RegistryRoot::CurrentUser, kKey, "EXTENDEDMODE", "ON");
  registry.StoreString(RegistryRoot::CurrentUser, kKey, "LASTPRINTER", std::string(253, 'p'));
  EXPECT_EQ(Read(registry).printer, std::string(253, 'p'));

  registry.StoreString(RegistryRoot::CurrentUser, kKey, "LASTPRINTER", std::string(254, 'p'));
  const ReadResult tooLong = Read(registry);
  EXPECT_FALSE(tooLong.result);
  EXPECT_TRUE(tooLong.extendedMode);
  EXPECT_EQ(tooLong.printer, "Default");

  // A registry that reports success with more bytes than it could have copied.
  for (std::uint32_t claimed : {255u, 300u, 0xFFFFFFFFu}) {
    fakes::FakeRegistry lying;
    lying.AddKey(RegistryRoot::CurrentUser, kKey);
    lying.ScriptQueryValue({fakes::kRegistrySuccess, 3, std::string("ON\0", 3)});
    lying.ScriptQueryValue({fakes::kRegistrySuccess, claimed, std::string(254, 'x')});
    const ReadResult read = Read(lying);
    EXPECT_FALSE(read.result);
    EXPECT_TRUE(read.extendedMode);
    EXPECT_EQ(read.printer, "Default");
  }
}

TEST(WriteRegistryState, WritesBothValuesAsZeroTerminatedText) {
  fakes::FakeRegistry registry;
  registry.AddKey(RegistryRoot::CurrentUser, kKey);
  EXPECT_TRUE(WriteRegistryState(registry, true, "Laser 5"));
  EXPECT_EQ(Stored(registry, "EXTENDEDMODE"), std::string("ON\0", 3));
  EXPECT_EQ(Stored(registry, "LASTPRINTER"), std::string("Laser 5\0", 8));
  EXPECT_EQ(registry.StoredValue(RegistryRoot::CurrentUser, kKey, "LASTPRINTER")->type,
            platform::kRegSz);
  EXPECT_EQ(registry.CallsOf(RegistryOp::OpenKey)[0].access, 2u);
  EXPECT_TRUE(registry.CallsOf(RegistryOp::CreateKey).empty());

  EXPECT_TRUE(WriteRegistryState(registry, false, ""));
  EXPECT_EQ(Stored(registry, "EXTENDEDMODE"), std::string("OFF\0", 4));
  EXPECT_EQ(Stored(registry, "LASTPRINTER"), std::string(1, '\0'));
  EXPECT_EQ(registry.OpenHandleCount(), 0u);
}

TEST(WriteRegistryState, CreatesAMissingKeyThenWrites) {
  fakes::FakeRegistry registry;
  EXPECT_TRUE(WriteRegistryState(registry, true, std::string(300, 'n')));
  const auto creates = registry.CallsOf(RegistryOp::CreateKey);
  ASSERT_EQ(creates.size(), 1u);
  EXPECT_EQ(creates[0].access, 0xF003Fu);
  EXPECT_EQ(registry.OpenHandleCount(), 0u);

  // A name too long to read back: the next start keeps its default.
  const ReadResult read = Read(registry);
  EXPECT_TRUE(read.extendedMode);
  EXPECT_EQ(read.printer, "Default");

  fakes::FakeRegistry locked;
  locked.FailCreateKey(fakes::kRegistryAccessDenied);
  EXPECT_FALSE(WriteRegistryState(locked, true, "x"));
  EXPECT_EQ(locked.CallsOf(RegistryOp::OpenKey).size(), 1u);
}

TEST(WriteRegistryState, OneFailedValueStillWritesTheOther) {
  fakes::FakeRegistry registry;
  registry.AddKey(RegistryRoot::CurrentUser, kKey);
  registry.FailSetValue("EXTENDEDMODE", fakes::kRegistryAccessDenied);
  EXPECT_FALSE(WriteRegistryState(registry, true, "Laser 5"));
  EXPECT_EQ(Stored(registry, "LASTPRINTER"), std::string("Laser 5\0", 8));
  EXPECT_EQ(Stored(registry, "EXTENDEDMODE"), "<missing>");
  EXPECT_EQ(registry.OpenHandleCount(), 0u);
}

}  // namespace
}  // namespace morvane::settings
