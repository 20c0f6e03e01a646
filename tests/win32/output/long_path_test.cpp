// Paths of MAX_PATH characters or more, which the ANSI file functions refuse:
// a file in a deep folder is found, read and sent like any other.
#include "platform/win32/long_path.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "output/device_output.h"
#include "output_harness.h"
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

}  // namespace
}  // namespace morvane::testing
