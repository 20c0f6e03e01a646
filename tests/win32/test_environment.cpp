#include "test_environment.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

namespace morvane::testing {
namespace {

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

// The data file of the captured job titled documentName, or empty when the
// backend hasn't finished such a job yet.
std::string FindCapturedJob(const std::string& folder, const std::string& documentName) {
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA((folder + "\\job-*.title").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return {};
  std::string dataFile;
  do {
    const std::string titleFile = folder + "\\" + found.cFileName;
    if (ReadWholeFile(titleFile) != documentName) continue;
    const std::string candidate = titleFile.substr(0, titleFile.size() - 6) + ".prn";
    if (GetFileAttributesA(candidate.c_str()) != INVALID_FILE_ATTRIBUTES) {
      dataFile = candidate;
      break;
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return dataFile;
}

}  // namespace

std::string EnvironmentValue(const char* name) {
  const char* value = std::getenv(name);
  EXPECT_NE(value, nullptr) << name << " is not set: run the Wine tests through ctest";
  return value ? value : "";
}

std::string WindowsPath(const std::string& unixPath) {
  std::string path = "Z:" + unixPath;
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

std::string UniqueDocumentName(const std::string& stem) {
  std::ostringstream name;
  name << "C:\\morvane-tests\\" << stem << '-' << GetCurrentProcessId() << '-' << GetTickCount()
       << ".prn";
  return name.str();
}

std::string CaptureFolder(const std::string& queue) {
  return WindowsPath(EnvironmentValue("MORVANE_TEST_CAPTURES") + "/" + queue);
}

std::optional<std::string> WaitForCapturedJob(const std::string& queue,
                                              const std::string& documentName,
                                              std::chrono::milliseconds timeout) {
  const std::string folder = CaptureFolder(queue);
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    const std::string dataFile = FindCapturedJob(folder, documentName);
    if (!dataFile.empty()) return ReadWholeFile(dataFile);
    if (std::chrono::steady_clock::now() > deadline) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

bool JobArrived(const std::string& queue, const std::string& documentName) {
  return !FindCapturedJob(CaptureFolder(queue), documentName).empty();
}

}  // namespace morvane::testing
