// A job list sent to the capture printer through Wine's spooler and CUPS:
// one RAW document per copy, each named by its file's path.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "output/job_list.h"
#include "output/printer_output.h"
#include "output_harness.h"
#include "test_environment.h"

namespace morvane::testing {
namespace {

using namespace std::chrono_literals;

constexpr auto kArrivalTimeout = 30s;
constexpr auto kPollInterval = 100ms;
constexpr char kMainCaption[] = "Uitvoer van bestand naar";

struct CapturedJob {
  int number;
  std::string title;
  std::string data;
};

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

// The finished jobs of queue whose titles start with prefix, in print order.
std::vector<CapturedJob> JobsTitled(const std::string& queue, const std::string& prefix) {
  const std::string folder = CaptureFolder(queue);
  std::vector<CapturedJob> jobs;
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA((folder + "\\job-*.title").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return jobs;
  do {
    const std::string name = found.cFileName;  // job-N.title
    const std::string stem = name.substr(0, name.size() - 6);
    const std::string title = ReadWholeFile(folder + "\\" + name);
    const std::string data = folder + "\\" + stem + ".prn";
    if (title.rfind(prefix, 0) != 0 || GetFileAttributesA(data.c_str()) == INVALID_FILE_ATTRIBUTES)
      continue;
    jobs.push_back({std::stoi(stem.substr(4)), title, ReadWholeFile(data)});
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(jobs.begin(), jobs.end(),
            [](const CapturedJob& x, const CapturedJob& y) { return x.number < y.number; });
  return jobs;
}

std::vector<CapturedJob> WaitForJobs(const std::string& queue, const std::string& prefix,
                                     std::size_t count) {
  const auto deadline = std::chrono::steady_clock::now() + kArrivalTimeout;
  std::vector<CapturedJob> jobs = JobsTitled(queue, prefix);
  while (jobs.size() < count && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(kPollInterval);
    jobs = JobsTitled(queue, prefix);
  }
  return jobs;
}

TEST(PrinterJobListTest, EveryCopyIsOneRawDocumentInTheOrderOfItsMode) {
  RealOutputServices real;
  ScratchFolder folder("printer");
  const std::string printer = EnvironmentValue("MORVANE_TEST_PRINTER");
  const std::string init = "\x1b%-12345X@PJL\r\n";
  const std::string exit =
      "\x0c\x1b"
      "E";
  const std::string a = SampleBytes(2050, 11);
  const std::string b = SampleBytes(10, 12);
  const std::string pathA = folder.Write("a.prn", a);
  const std::string pathB = folder.Write("b.prn", b);
  const std::string missing = folder.Path() + "\\missing.prn";
  // Per-file counts: a twice, the missing file skipped, b three times.
  FileList list(real.files, {{pathA, "2"}, {missing, "4"}, {pathB, "3"}}, CopyMode::PerFile, 1);
  const output::PrinterJob job{init, exit, kMainCaption};

  output::RunJobList(list, [&](const std::string& path) {
    output::SendFileToPrinter(real.services, job, path, printer);
    return true;
  });

  EXPECT_TRUE(real.boxes.Texts().empty());
  const std::vector<std::string> expectedTitles{pathA, pathA, pathB, pathB, pathB};
  const std::vector<CapturedJob> jobs = WaitForJobs(printer, folder.Path(), expectedTitles.size());
  std::vector<std::string> titles;
  titles.reserve(jobs.size());
  for (const CapturedJob& captured : jobs) titles.push_back(captured.title);
  ASSERT_EQ(titles, expectedTitles);
  for (const CapturedJob& captured : jobs) {
    const std::string& content = captured.title == pathA ? a : b;
    std::string expected = init;
    expected += content;
    expected += exit;
    EXPECT_TRUE(captured.data == expected) << "job " << captured.number;
  }
}

}  // namespace
}  // namespace morvane::testing
