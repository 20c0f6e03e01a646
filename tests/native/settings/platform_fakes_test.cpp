// The fakes stand in for the platform in every native test, so their own
// contracts are checked here.
#include <gtest/gtest.h>

#include <string>

#include "fakes/fake_file_system.h"
#include "fakes/fake_spooler.h"

namespace morvane::fakes {
namespace {

constexpr platform::FileOpenMode kDeviceMode{platform::FileAccess::Write,
                                             platform::ShareRead | platform::ShareWrite,
                                             platform::FileDisposition::CreateAlways};
constexpr platform::FileOpenMode kReadMode{platform::FileAccess::Read, platform::ShareRead,
                                           platform::FileDisposition::OpenExisting};

bool WriteText(platform::File& file, const std::string& text, std::uint32_t& written) {
  return file.Write(text.data(), static_cast<std::uint32_t>(text.size()), written);
}

bool Put(platform::Printer& printer, const char* text) {
  std::uint32_t written = 0;
  return printer.Write(text, 1, written) && written == 1;
}

TEST(FakeFileSystem, DevicesKeepEveryOpenAndFilesTruncate) {
  FakeFileSystem files;
  files.AddDevice("LPT1");
  files.AddFile("a.prn", "old contents");
  files.AddDirectory("dir");
  std::uint32_t written = 0;
  for (const char* text : {"first", "second"}) {
    auto device = files.Open("LPT1", kDeviceMode);
    ASSERT_TRUE(device);
    EXPECT_TRUE(WriteText(*device, text, written));
    EXPECT_TRUE(device->Close());
  }
  EXPECT_EQ(files.DeviceOutput("LPT1"), "firstsecond");
  EXPECT_EQ(files.OpensOf("LPT1")[1].Written(), "second");
  EXPECT_FALSE(files.FileExists("LPT1"));

  auto file = files.Open("a.prn", kDeviceMode);
  EXPECT_TRUE(WriteText(*file, "new", written));
  EXPECT_EQ(files.Contents("a.prn"), "new");
  char byte = 0;
  std::uint32_t read = 0;
  EXPECT_FALSE(file->Read(&byte, 1, read));

  EXPECT_FALSE(files.Open("dir", kReadMode));
  EXPECT_FALSE(files.Open("missing", kReadMode));
  EXPECT_EQ(files.OpenHandles(), 1);
  file.reset();
  EXPECT_EQ(files.OpenHandles(), 0);
  EXPECT_TRUE(files.OpensOf("a.prn")[0].released);
}

TEST(FakeFileSystem, FaultsCountBytesPerOpen) {
  FakeFileSystem files;
  files.AddDevice("COM1");
  files.FailWriteAfter("COM1", 4);
  files.AddFile("in", "abcdef");
  files.FailReadAfter("in", 4);
  for (int open = 0; open < 2; ++open) {
    auto device = files.Open("COM1", kDeviceMode);
    std::uint32_t written = 0;
    EXPECT_TRUE(WriteText(*device, "ab", written));
    EXPECT_FALSE(WriteText(*device, "cde", written));
    EXPECT_EQ(written, 2u);

    auto source = files.Open("in", kReadMode);
    char buffer[8];
    std::uint32_t read = 0;
    EXPECT_TRUE(source->Read(buffer, sizeof buffer, read));
    EXPECT_EQ(read, 4u);
    EXPECT_FALSE(source->Read(buffer, sizeof buffer, read));
  }
  const WriteCall failed = files.OpensOf("COM1")[1].writes[1];
  EXPECT_EQ(failed.offered, "cde");
  EXPECT_FALSE(failed.succeeded);
  EXPECT_EQ(files.DeviceOutput("COM1"), "abcdabcd");
}

TEST(FakeSpooler, RecordsJobsAndFailsWritesAsTold) {
  FakeSpooler spooler;
  spooler.AddPrinter("Laser");
  std::uint32_t error = 0;
  EXPECT_FALSE(spooler.Open("Nobody", error));
  EXPECT_EQ(error, kErrorInvalidPrinterName);

  spooler.FailWrite(2, WriteFailure::OnlyThisOne);
  auto printer = spooler.Open("Laser", error);
  ASSERT_TRUE(printer);
  EXPECT_EQ(printer->StartDoc("C:\\a.prn", "RAW"), platform::DocStart::Started);
  EXPECT_TRUE(Put(*printer, "1"));
  EXPECT_FALSE(Put(*printer, "2"));
  EXPECT_TRUE(Put(*printer, "3"));
  printer->EndDoc();
  printer->Close();
  EXPECT_EQ(spooler.Jobs()[0].Accepted(), "13");
  EXPECT_EQ(spooler.Jobs()[0].writes.size(), 3u);

  spooler.FailWrite(2, WriteFailure::ThisAndLater);
  printer = spooler.Open("Laser", error);
  printer->StartDoc("C:\\b.prn", "RAW");
  for (const char* block : {"1", "2", "3"}) Put(*printer, block);
  EXPECT_EQ(spooler.Jobs()[1].Accepted(), "1");
  EXPECT_FALSE(spooler.Jobs()[1].endDocCalled);

  spooler.FailStartDoc();
  printer = spooler.Open("Laser", error);
  EXPECT_EQ(printer->StartDoc("C:\\c.prn", "RAW"), platform::DocStart::Failed);
  EXPECT_FALSE(Put(*printer, "1"));

  spooler.FailOpen(5);
  EXPECT_FALSE(spooler.Open("Laser", error));
  EXPECT_EQ(error, 5u);
}

}  // namespace
}  // namespace morvane::fakes
