// The real print spooler of the test prefix, which hands RAW documents to the
// CUPS capture queues of the test environment.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <winspool.h>
// wingdi.h names StartDocA this way; the spooler interface has a StartDoc of its own.
#undef StartDoc

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/spooler.h"
#include "platform/win32/win32_printer_setup.h"
#include "platform/win32/win32_spooler.h"
#include "platform/win32/win32_system_info.h"
#include "settings/printer_list.h"
#include "test_environment.h"

namespace {

// The listing is walked with the platform's own record layout.
static_assert(sizeof(PRINTER_INFO_4A) == morvane::settings::kPrinterInfo4RecordSize);
static_assert(sizeof(PRINTER_INFO_5A) == morvane::settings::kPrinterInfo5RecordSize);

using morvane::platform::kPrinterEnumConnections;
using morvane::platform::kPrinterEnumLocal;
using morvane::platform::kPrinterInfoLevel4;
using morvane::platform::kPrinterInfoLevel5;
using morvane::platform::win32::Win32PrinterSetup;
using morvane::platform::win32::Win32Spooler;
using morvane::platform::win32::Win32SystemInfo;
using morvane::testing::EnvironmentValue;
using morvane::testing::JobArrived;
using morvane::testing::UniqueDocumentName;
using morvane::testing::WaitForCapturedJob;
using ::testing::Contains;

constexpr std::chrono::seconds kJobTimeout{20};

// Every byte value, then the bytes a printer language uses for control.
std::string SampleBytes(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
  return bytes +
         "\x1b"
         "E\r\n\x1a\x0c";
}

class Win32SpoolerTest : public ::testing::Test {
 protected:
  Win32Spooler spooler_;
  const std::string printer_ = EnvironmentValue("MORVANE_TEST_PRINTER");
};

TEST_F(Win32SpoolerTest, RawDocumentArrivesByteForByteUnderItsName) {
  const std::string documentName = UniqueDocumentName("raw");
  const std::string bytes = SampleBytes(3000);
  std::uint32_t error = 1;
  auto printer = spooler_.Open(printer_, error);
  ASSERT_NE(printer, nullptr) << "error " << error;
  EXPECT_EQ(error, 0u);
  ASSERT_EQ(printer->StartDoc(documentName, "RAW"), morvane::platform::DocStart::Started);
  for (std::size_t offset = 0; offset < bytes.size(); offset += 1025) {
    const std::size_t count = std::min<std::size_t>(1025, bytes.size() - offset);
    std::uint32_t written = 0;
    ASSERT_TRUE(printer->Write(bytes.data() + offset, static_cast<std::uint32_t>(count), written));
    ASSERT_EQ(written, count);
  }
  EXPECT_TRUE(printer->EndDoc());
  EXPECT_TRUE(printer->Close());

  const auto captured = WaitForCapturedJob(printer_, documentName, kJobTimeout);
  ASSERT_TRUE(captured.has_value()) << "no job titled " << documentName;
  EXPECT_EQ(captured->size(), bytes.size());
  EXPECT_TRUE(*captured == bytes);
}

TEST_F(Win32SpoolerTest, DocumentsGoToTheNamedQueue) {
  const std::string other = EnvironmentValue("MORVANE_TEST_PRINTER2");
  const std::string documentName = UniqueDocumentName("second-queue");
  std::uint32_t error = 0;
  auto printer = spooler_.Open(other, error);
  ASSERT_NE(printer, nullptr) << "error " << error;
  ASSERT_EQ(printer->StartDoc(documentName, "RAW"), morvane::platform::DocStart::Started);
  std::uint32_t written = 0;
  ASSERT_TRUE(printer->Write("second", 6, written));
  ASSERT_EQ(written, 6u);
  printer->EndDoc();
  printer->Close();

  const auto captured = WaitForCapturedJob(other, documentName, kJobTimeout);
  ASSERT_TRUE(captured.has_value());
  EXPECT_EQ(*captured, "second");
  EXPECT_FALSE(JobArrived(printer_, documentName));
}

TEST_F(Win32SpoolerTest, UnknownPrinterFailsToOpenWithAnErrorNumber) {
  std::uint32_t error = 0;
  auto printer = spooler_.Open("Morvane No Such Printer", error);
  EXPECT_EQ(printer, nullptr);
  EXPECT_NE(error, 0u);
  EXPECT_EQ(error, static_cast<std::uint32_t>(ERROR_INVALID_PRINTER_NAME));
}

TEST_F(Win32SpoolerTest, WritingWithoutAStartedDocumentFails) {
  std::uint32_t error = 0;
  auto printer = spooler_.Open(printer_, error);
  ASSERT_NE(printer, nullptr) << "error " << error;
  std::uint32_t written = 0;
  EXPECT_FALSE(printer->Write("x", 1, written));
  EXPECT_TRUE(printer->Close());
}

TEST_F(Win32SpoolerTest, CurrentPrinterIsTheDefaultQueue) {
  Win32PrinterSetup setup;
  std::string name;
  ASSERT_TRUE(setup.CurrentDeviceName(name));
  EXPECT_EQ(name, printer_);
}

// The names in a listing, as the program walks it.
std::vector<std::string> ListNames(Win32Spooler& spooler, std::uint32_t flags,
                                   std::uint32_t level) {
  std::uint32_t needed = 0;
  std::uint32_t records = 0;
  EXPECT_FALSE(spooler.EnumPrinters(flags, level, nullptr, 0, needed, records));
  EXPECT_GT(needed, 0u);
  if (needed == 0) return {};

  // One byte short is refused, and the needed size stays as it was.
  std::vector<std::uint8_t> buffer(needed);
  std::uint32_t shortNeeded = 0;
  EXPECT_FALSE(spooler.EnumPrinters(flags, level, buffer.data(), needed - 1, shortNeeded, records));
  EXPECT_EQ(shortNeeded, needed);

  std::uint32_t copied = 0;
  records = 0;
  EXPECT_TRUE(spooler.EnumPrinters(flags, level, buffer.data(), needed, copied, records));
  EXPECT_LE(copied, needed);
  EXPECT_GE(records, 2u);
  std::vector<std::string> names;
  morvane::settings::WalkPrinterRecords(std::span(buffer).first(std::min(copied, needed)), records,
                                        level, names);
  EXPECT_EQ(names.size(), records) << "a record's name lies outside the bytes returned";
  return names;
}

using Win32PrinterListingTest = Win32SpoolerTest;

TEST_F(Win32PrinterListingTest, Level4ListsEveryQueue) {
  const auto names =
      ListNames(spooler_, kPrinterEnumLocal | kPrinterEnumConnections, kPrinterInfoLevel4);
  EXPECT_THAT(names, Contains(printer_));
  EXPECT_THAT(names, Contains(EnvironmentValue("MORVANE_TEST_PRINTER2")));
}

TEST_F(Win32PrinterListingTest, Level5ListsEveryQueue) {
  const auto names = ListNames(spooler_, kPrinterEnumLocal, kPrinterInfoLevel5);
  EXPECT_THAT(names, Contains(printer_));
  EXPECT_THAT(names, Contains(EnvironmentValue("MORVANE_TEST_PRINTER2")));
}

TEST_F(Win32PrinterListingTest, NtFamilyProgramListsEveryQueue) {
  Win32SystemInfo system;
  ASSERT_TRUE(system.IsNtFamily());
  std::vector<std::string> names;
  ASSERT_TRUE(morvane::settings::EnumeratePrinterNames(spooler_, system, &names));
  EXPECT_THAT(names, Contains(printer_));
  EXPECT_THAT(names, Contains(EnvironmentValue("MORVANE_TEST_PRINTER2")));
}

}  // namespace
