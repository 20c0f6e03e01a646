#include "port_capture.h"

#include <windows.h>

#include <thread>

#include "test_environment.h"

namespace morvane::testing {
namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(20);
// Bytes that arrive later than this after the expected ones count as none.
constexpr auto kSurplusWait = std::chrono::milliseconds(300);

HANDLE OpenShared(const std::string& path) {
  return CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

std::string ReadFrom(const std::string& path, std::uint64_t offset) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  LARGE_INTEGER position;
  position.QuadPart = static_cast<LONGLONG>(offset);
  std::string content;
  if (SetFilePointerEx(file, position, nullptr, FILE_BEGIN)) {
    char block[65536];
    DWORD bytesRead = 0;
    while (ReadFile(file, block, sizeof block, &bytesRead, nullptr) && bytesRead > 0) {
      content.append(block, bytesRead);
    }
  }
  CloseHandle(file);
  return content;
}

std::uint64_t SizeOf(const std::string& path) {
  const HANDLE file = OpenShared(path);
  if (file == INVALID_HANDLE_VALUE) return 0;
  LARGE_INTEGER size;
  const bool known = GetFileSizeEx(file, &size) != FALSE;
  CloseHandle(file);
  return known ? static_cast<std::uint64_t>(size.QuadPart) : 0;
}

}  // namespace

PortCapture::PortCapture(const std::string& port)
    : outPath_(WindowsPath(EnvironmentValue("MORVANE_TEST_PORTS") + "/" + port + "-received.bin")),
      start_(SizeOf(outPath_)) {}

std::string PortCapture::Received(std::size_t expected, std::chrono::milliseconds timeout) const {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (SizeOf(outPath_) - start_ < expected && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(kPollInterval);
  }
  std::this_thread::sleep_for(kSurplusWait);
  return ReadFrom(outPath_, start_);
}

}  // namespace morvane::testing
