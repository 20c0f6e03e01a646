#include "settings/printer_list.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/ascii_text.h"
#include "fakes/fake_printer_setup.h"
#include "fakes/fake_spooler.h"
#include "fakes/fake_system_info.h"

namespace morvane::settings {
namespace {

using Names = std::vector<std::string>;

std::uintptr_t Address(const void* p) { return reinterpret_cast<std::uintptr_t>(p); }

TEST(EnumeratePrinterNames, ChoosesLevelByPlatformAndKeepsItsOrder) {
  fakes::FakeSpooler spooler;
  spooler.AddPrinter("A");
  spooler.AddPrinter("\\\\server\\B", fakes::PrinterKind::Connection);
  spooler.AddPrinter("C");
  fakes::FakeSystemInfo system;

  Names nt{"kept"};
  ASSERT_TRUE(EnumeratePrinterNames(spooler, system, &nt));
  EXPECT_EQ(nt, (Names{"kept", "A", "\\\\server\\B", "C"}));
  ASSERT_EQ(spooler.EnumCalls().size(), 2u);
  EXPECT_EQ(spooler.EnumCalls()[0].flags, 6u);
  EXPECT_EQ(spooler.EnumCalls()[0].level, 4u);
  EXPECT_FALSE(spooler.EnumCalls()[0].bufferGiven);
  EXPECT_EQ(spooler.EnumCalls()[0].size, 0u);
  EXPECT_EQ(spooler.EnumCalls()[1].size,
            3 * kPrinterInfo4RecordSize + sizeof "A" + sizeof "\\\\server\\B" + sizeof "C");

  fakes::FakeSpooler win95Spooler;
  win95Spooler.AddPrinter("A");
  win95Spooler.AddPrinter("B");
  system.SetNtFamily(false);
  Names win95;
  ASSERT_TRUE(EnumeratePrinterNames(win95Spooler, system, &win95));
  EXPECT_EQ(win95, (Names{"A", "B"}));
  EXPECT_EQ(win95Spooler.EnumCalls()[1].flags, 2u);
  EXPECT_EQ(win95Spooler.EnumCalls()[1].level, 5u);
}

TEST(EnumeratePrinterNames, FailsWithoutListOrPrintersOrWhenTheListingFails) {
  fakes::FakeSystemInfo system;
  fakes::FakeSpooler none;
  Names names;
  EXPECT_FALSE(EnumeratePrinterNames(none, system, nullptr));
  EXPECT_TRUE(none.EnumCalls().empty());
  EXPECT_FALSE(EnumeratePrinterNames(none, system, &names));
  EXPECT_EQ(none.EnumCalls().size(), 1u);

  fakes::FakeSpooler noBytes;
  noBytes.AddPrinter("A");
  noBytes.ReportNoBytesNeeded();
  EXPECT_FALSE(EnumeratePrinterNames(noBytes, system, &names));
  EXPECT_EQ(noBytes.EnumCalls().size(), 1u);

  fakes::FakeSpooler failing;
  failing.AddPrinter("A");
  failing.FailFilledListing();
  EXPECT_FALSE(EnumeratePrinterNames(failing, system, &names));
  EXPECT_TRUE(names.empty());
}

TEST(EnumeratePrinterNames, RecordCountBeyondTheBufferIsCut) {
  fakes::FakeSpooler spooler;
  spooler.AddPrinter("A");
  spooler.AddPrinter("B");
  spooler.ClaimRecords(1000);
  fakes::FakeSystemInfo system;
  Names names;
  ASSERT_TRUE(EnumeratePrinterNames(spooler, system, &names));
  // Only the two records that fit in the bytes returned are walked.
  EXPECT_EQ(names, (Names{"A", "B"}));
}

TEST(WalkPrinterRecords, ReadsOnlyInsideTheBuffer) {
  const char outside[] = "outside";
  for (std::size_t stride : {kPrinterInfo4RecordSize, kPrinterInfo5RecordSize}) {
    SCOPED_TRACE(stride);
    const std::uint32_t level = stride == kPrinterInfo4RecordSize ? 4 : 5;
    std::vector<std::uint8_t> buffer(5 * stride + 6);
    const std::size_t names = 5 * stride;
    std::memcpy(buffer.data() + names, "ok\0end", 6);
    const std::uintptr_t base = Address(buffer.data());
    const std::vector<std::uintptr_t> pointers = {
        Address(outside),      // readable memory, but not the platform's
        0,                     // null
        base + buffer.size(),  // one past the end
        base + names + 3,      // "end" runs to the buffer's end without a zero
        base + names,          // fine: bad records before it are skipped
    };
    for (std::size_t i = 0; i < pointers.size(); ++i) {
      std::memcpy(buffer.data() + i * stride, &pointers[i], sizeof pointers[i]);
    }

    Names found;
    WalkPrinterRecords(buffer, 5, level, found);
    EXPECT_EQ(found, Names{"ok"});

    found.clear();
    WalkPrinterRecords(std::span(buffer).first(stride - 1), 1, level, found);
    WalkPrinterRecords(buffer, 0, level, found);
    WalkPrinterRecords(buffer, 5, 2, found);
    EXPECT_TRUE(found.empty());
  }
}

TEST(ListPrinterItems, ListsPrintersInReverse) {
  fakes::FakeSpooler spooler;
  fakes::FakeSystemInfo system;
  EXPECT_TRUE(ListPrinterItems(spooler, system).empty());
  for (const char* name : {"A", "B", "C"}) spooler.AddPrinter(name);
  EXPECT_EQ(ListPrinterItems(spooler, system), (Names{"C", "B", "A"}));
}

TEST(FindPrinterItem, MatchesFirstItemEqualAfterAsciiFolding) {
  EXPECT_EQ(base::FoldAsciiUpper("az AZ 09 `{@[ \xe9\xc9"), "AZ AZ 09 `{@[ \xe9\xc9");
  const Names items = {"HP LaserJet", "Caf\xe9", "hp laserjet", "Other"};
  EXPECT_EQ(FindPrinterItem(items, "hp LASERJET"), 0);
  EXPECT_EQ(FindPrinterItem(items, "CAF\xe9"), 1);
  EXPECT_EQ(FindPrinterItem(items, "CAF\xc9"), -1);
  EXPECT_EQ(FindPrinterItem(items, "Othe"), -1);
  EXPECT_EQ(FindPrinterItem({}, ""), -1);
}

TEST(InitialPrinterName, TakesTheWholeNameOrNone) {
  fakes::FakePrinterSetup setup;
  EXPECT_EQ(InitialPrinterName(setup), "");
  setup.SetCurrentDevice(std::string(200, 'q'));
  EXPECT_EQ(InitialPrinterName(setup), std::string(200, 'q'));
}

}  // namespace
}  // namespace morvane::settings
