// Paths of MAX_PATH characters or more, which the ANSI file functions refuse:
// a file in a deep folder is found, read and sent like any other. Names the
// ANSI code page can't hold, and names the system takes for devices.
#include "platform/win32/long_path.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "base/name_text.h"
#include "output/device_output.h"
#include "output_harness.h"
#include "platform/win32/wide_names.h"
#include "port_capture.h"

namespace morvane::testing {
namespace {

using namespace std::chrono_literals;

constexpr auto kArrivalTimeout = 20s;
constexpr std::size_t kFolderNameLength = 100;
constexpr int kFolderDepth = 3;

class LongPathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string path = folder_.Path();
    for (int depth = 0; depth < kFolderDepth; ++depth) {
      path += '\\' + std::string(kFolderNameLength, static_cast<char>('a' + depth));
      ASSERT_TRUE(CreateDirectoryW(platform::win32::ExtendedLengthPath(path).c_str(), nullptr))
          << GetLastError();
      folders_.push_back(path);
    }
    deep_ = path;
  }

  void TearDown() override {
    DeleteFileW(platform::win32::ExtendedLengthPath(file_).c_str());
    for (auto folder = folders_.rbegin(); folder != folders_.rend(); ++folder) {
      RemoveDirectoryW(platform::win32::ExtendedLengthPath(*folder).c_str());
    }
  }

  std::string WriteDeepFile(const std::string& content) {
    file_ = deep_ + "\\deep.prn";
    auto out = real_.files.Open(file_, {platform::FileAccess::Write, platform::ShareRead,
                                        platform::FileDisposition::CreateAlways});
    EXPECT_NE(out, nullptr) << GetLastError();
    if (!out) return file_;
    std::uint32_t written = 0;
    EXPECT_TRUE(out->Write(content.data(), static_cast<std::uint32_t>(content.size()), written));
    EXPECT_TRUE(out->Close());
    return file_;
  }

  RealOutputServices real_;
  ScratchFolder folder_{"long"};
  std::vector<std::string> folders_;
  std::string deep_;
  std::string file_;
};

TEST_F(LongPathTest, DeepFileExistsIsReadWholeAndItsFolderIsNoFile) {
  const std::string content = SampleBytes(3000, 7);
  const std::string path = WriteDeepFile(content);
  ASSERT_GE(path.size(), static_cast<std::size_t>(MAX_PATH));
  EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES)
      << "the ANSI call takes this path, so the test proves nothing";

  EXPECT_TRUE(real_.files.FileExists(path));
  EXPECT_FALSE(real_.files.FileExists(deep_)) << "a folder counts as a file";
  EXPECT_FALSE(real_.files.FileExists(deep_ + "\\missing.prn"));

  auto source = real_.files.Open(path, output::kSourceOpenMode);
  ASSERT_NE(source, nullptr) << GetLastError();
  std::string read(content.size() + 1, '\0');
  std::uint32_t bytesRead = 0;
  ASSERT_TRUE(source->Read(read.data(), static_cast<std::uint32_t>(read.size()), bytesRead));
  read.resize(bytesRead);
  EXPECT_EQ(read, content);
}

TEST_F(LongPathTest, DeepFileIsSentToAPortFramed) {
  const std::string content = SampleBytes(2500, 8);
  const std::string path = WriteDeepFile(content);
  PortCapture lpt1("lpt1");

  output::SendFileToDevice(real_.services, {"<init>", "<exit>"}, path, "LPT1");

  const std::string expected = "<init>" + content + "<exit>";
  EXPECT_EQ(lpt1.Received(expected.size(), kArrivalTimeout), expected);
  EXPECT_TRUE(real_.boxes.Texts().empty());
}

TEST_F(LongPathTest, RelativeDeepPathIsMadeAbsolute) {
  const std::string content = "relative";
  WriteDeepFile(content);
  const std::string relative =
      deep_.substr(folder_.Path().size() + 1) + "\\deep.prn";  // from the scratch folder on
  ASSERT_TRUE(SetCurrentDirectoryA(folder_.Path().c_str()));
  const std::string padded = ".\\" + std::string(MAX_PATH, 'x') + "\\..\\" + relative;

  EXPECT_TRUE(real_.files.FileExists(padded));
  EXPECT_NE(real_.files.Open(padded, output::kSourceOpenMode), nullptr) << GetLastError();
  SetCurrentDirectoryA("C:\\");
}

class FileNameTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (const std::wstring& path : written_) DeleteFileW(path.c_str());
  }

  // Writes the file under its wide name in the scratch folder; returns its
  // full name as the program holds it.
  std::string WriteWide(const std::wstring& name, const std::string& content) {
    const std::wstring path = platform::win32::WideFromName(folder_.Path()) + L"\\" + name;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE) << GetLastError();
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
    written_.push_back(path);
    return platform::win32::NameFromWide(path);
  }

  std::string ReadWhole(const std::string& name) {
    auto source = real_.files.Open(name, output::kSourceOpenMode);
    if (!source) return "<not opened>";
    std::string read(kReadLimit, '\0');
    std::uint32_t bytesRead = 0;
    source->Read(read.data(), kReadLimit, bytesRead);
    read.resize(bytesRead);
    return read;
  }

  static constexpr std::uint32_t kReadLimit = 100;
  RealOutputServices real_;
  ScratchFolder folder_{"names"};
  std::vector<std::wstring> written_;
};

TEST_F(FileNameTest, TwoAppendOnlyHandlesOfALogPast4GiBEachWriteAtItsEnd) {
  // A sparse file just past 4 GiB: its end has a high part.
  const std::string path = WriteWide(L"big.log", "");
  LARGE_INTEGER size{.QuadPart = (LONGLONG{1} << 32) + 10};
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_TRUE(SetFilePointerEx(file, size, nullptr, FILE_BEGIN) && SetEndOfFile(file));
  CloseHandle(file);

  const platform::FileOpenMode append{platform::FileAccess::Write,
                                      platform::ShareRead | platform::ShareWrite,
                                      platform::FileDisposition::AppendAlways};
  auto first = real_.files.Open(path, append);
  auto second = real_.files.Open(path, append);
  ASSERT_TRUE(first && second) << GetLastError();
  std::uint32_t written = 0;
  for (auto* log : {first.get(), second.get(), first.get()}) log->Write("line\r\n", 6, written);
  first.reset();
  second.reset();

  file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
  std::string tail(19, '\0');
  DWORD read = 0;
  SetFilePointerEx(file, size, nullptr, FILE_BEGIN);
  ReadFile(file, tail.data(), 19, &read, nullptr);
  CloseHandle(file);
  EXPECT_EQ(tail.substr(0, read), "line\r\nline\r\nline\r\n");
}

TEST_F(FileNameTest, ANameOutsideTheCodePageOpensThatFileNeverItsBestFitLookAlike) {
  WriteWide(L"L\u00f3dz-\u00fc.prn", "look-alike");
  const std::string name = WriteWide(L"\u0141\u00f3d\u017a-\u00fc.prn", "the real one");
  EXPECT_TRUE(real_.files.FileExists(name));
  EXPECT_EQ(ReadWhole(name), "the real one");
}

TEST_F(FileNameTest, WhatCannotBeCarriedIsMarkedAndNamesNoFile) {
  // Half a surrogate pair, alone or at the end; the name's other characters
  // come over as they are.
  for (const std::wstring& wide : {std::wstring(L"a\xD800.prn"), std::wstring(L"\u00e9\xDC00")}) {
    WriteWide(L"a\uFFFD.prn", "look-alike");
    const std::string name = platform::win32::NameFromWide(wide);
    EXPECT_TRUE(base::HoldsUncarriedCharacter(name));
    EXPECT_FALSE(real_.files.FileExists(name));
  }
  EXPECT_EQ(platform::win32::NameFromWide(L"?\u00e6\U0001F600.prn"),
            "?\xC3\xA6\xF0\x9F\x98\x80.prn");
  EXPECT_EQ(platform::win32::WideFromName("?\xC3\xA6\xF0\x9F\x98\x80.prn"),
            L"?\u00e6\U0001F600.prn");
}

TEST_F(FileNameTest, DeviceNamesAreNoFilesAndAreNeverOpenedAsSources) {
  const std::string folderDevice = folder_.Path() + "\\com1.txt";
  for (const std::string& name :
       {std::string("NUL"), std::string("nul.prn"), std::string("CON"), std::string("LPT1"),
        std::string("COM1"), folderDevice, std::string("\\\\.\\NUL")}) {
    EXPECT_FALSE(real_.files.FileExists(name)) << name;
    EXPECT_EQ(real_.files.Open(name, output::kSourceOpenMode), nullptr) << name;
  }
}

}  // namespace
}  // namespace morvane::testing
