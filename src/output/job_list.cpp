#include "output/job_list.h"

#include "base/count_text.h"

namespace morvane::output {
namespace {

constexpr int kFirstDataRow = 1;
// The header and the trailing empty row are no files.
constexpr int kRowsThatAreNoFiles = 2;

int FileCount(const JobListSource& list) { return list.RowCount() - kRowsThatAreNoFiles; }

bool SendTimes(const SendCopy& sendCopy, const std::string& path, int times) {
  for (int copy = 0; copy < times; ++copy) {
    if (!sendCopy(path)) return false;
  }
  return true;
}

}  // namespace

int CountFromText(const std::string& text) { return base::ParseInteger(text).value_or(1); }

void RunJobList(JobListSource& list, const SendCopy& sendCopy) {
  // The check boxes are read again before each block; at most one block runs.
  if (list.SetsChecked()) {
    const int sets = list.ReadCount();
    for (int set = 0; set < sets; ++set) {
      // Rows appended during the run join the later passes.
      const int rows = FileCount(list);
      for (int row = kFirstDataRow; row <= rows; ++row) {
        const std::string path = list.Path(row);
        if (list.FileExists(path) && !sendCopy(path)) return;
      }
    }
  }
  if (!list.SetsChecked() && !list.PerFileChecked()) {
    const int rows = FileCount(list);
    for (int row = kFirstDataRow; row <= rows; ++row) {
      const std::string path = list.Path(row);
      if (list.FileExists(path) && !SendTimes(sendCopy, path, list.ReadCount())) return;
    }
  }
  if (!list.SetsChecked() && list.PerFileChecked()) {
    const int rows = FileCount(list);
    for (int row = kFirstDataRow; row <= rows; ++row) {
      const std::string path = list.Path(row);
      if (list.FileExists(path) && !SendTimes(sendCopy, path, CountFromText(list.CountText(row)))) {
        return;
      }
    }
  }
}

std::int64_t PlannedCopies(JobListSource& list) {
  const bool sets = list.SetsChecked();
  const bool perFile = !sets && list.PerFileChecked();
  std::int64_t copies = 0;
  const int rows = FileCount(list);
  for (int row = kFirstDataRow; row <= rows; ++row) {
    if (!list.FileExists(list.Path(row))) continue;
    const int count = perFile ? CountFromText(list.CountText(row)) : list.ReadCount();
    if (count > 0) copies += count;
  }
  return copies;
}

}  // namespace morvane::output
