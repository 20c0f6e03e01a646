#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace morvane::output {

// A count as the program reads one: the text as a whole number, 1 when it is
// not one. Not limited to any range: 0 or less sends nothing.
int CountFromText(const std::string& text);

// What a run reads of the job list and its settings, at the moment it needs
// them: the list lives in the main window's grid and can change during a run.
class JobListSource {
 public:
  virtual ~JobListSource() = default;
  // All rows: the header, the files and the trailing empty row.
  virtual int RowCount() const = 0;
  virtual std::string Path(int row) const = 0;
  virtual std::string CountText(int row) const = 0;
  virtual bool SetsChecked() const = 0;
  virtual bool PerFileChecked() const = 0;
  // The count N of the count field.
  virtual int ReadCount() const = 0;
  virtual bool FileExists(const std::string& path) = 0;
};

// Sends one copy of the file at path; false when the run is to end there.
using SendCopy = std::function<bool(const std::string& path)>;

// Sends every file of the list as often and in the order the copy mode says:
// Sets, N passes over the list; Uniform, each file N times in a row; PerFile,
// each file as often as its own count. Files that do not exist are skipped.
// The run ends early when a copy says so.
void RunJobList(JobListSource& list, const SendCopy& sendCopy);

// How many copies a run of the list would send as the list stands now, with
// one existence test per row.
std::int64_t PlannedCopies(JobListSource& list);

}  // namespace morvane::output
