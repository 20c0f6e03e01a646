#include "output/job_list.h"

#include <gtest/gtest.h>

#include <set>

namespace morvane::output {
namespace {

// A job list in memory: rows[0] is the header, the last row stays empty.
class ListedJobs : public JobListSource {
 public:
  ListedJobs(std::vector<std::pair<std::string, std::string>> files, bool sets, bool perFile,
             int count)
      : sets_(sets), perFile_(perFile), count_(count) {
    rows_.push_back({"Bestand", "Aantal"});
    for (auto& file : files) {
      if (!file.first.empty()) existing_.insert(file.first);
      rows_.push_back(std::move(file));
    }
    rows_.push_back({"", ""});
  }

  int RowCount() const override { return static_cast<int>(rows_.size()); }
  std::string Path(int row) const override { return rows_.at(static_cast<std::size_t>(row)).first; }
  std::string CountText(int row) const override {
    return rows_.at(static_cast<std::size_t>(row)).second;
  }
  bool SetsChecked() const override { return sets_; }
  bool PerFileChecked() const override { return perFile_; }
  int ReadCount() const override {
    ++countReads;
    return count_;
  }
  bool FileExists(const std::string& path) override { return existing_.contains(path); }

  void Append(const std::string& path) {
    existing_.insert(path);
    rows_.insert(rows_.end() - 1, {path, "1"});
  }
  void Delete(const std::string& path) { existing_.erase(path); }
  void Swap(int a, int b) {
    std::swap(rows_[static_cast<std::size_t>(a)], rows_[static_cast<std::size_t>(b)]);
  }

  mutable int countReads = 0;

 private:
  std::vector<std::pair<std::string, std::string>> rows_;
  std::set<std::string> existing_;
  bool sets_, perFile_;
  int count_;
};

std::vector<std::string> SentBy(ListedJobs& list, std::function<void(int sent)> during = {}) {
  std::vector<std::string> sent;
  RunJobList(list, [&](const std::string& path) {
    sent.push_back(path);
    if (during) during(static_cast<int>(sent.size()));
    return true;
  });
  return sent;
}

using Sent = std::vector<std::string>;

TEST(RunJobList, OrdersOfTheThreeCopyModes) {
  ListedJobs sets({{"A", "1"}, {"B", "1"}}, true, false, 3);
  EXPECT_EQ(SentBy(sets), (Sent{"A", "B", "A", "B", "A", "B"}));
  ListedJobs setsOverPerFile({{"A", "5"}, {"B", "5"}}, true, true, 2);
  EXPECT_EQ(SentBy(setsOverPerFile), (Sent{"A", "B", "A", "B"}));
  ListedJobs uniform({{"A", "9"}, {"B", "9"}}, false, false, 2);
  EXPECT_EQ(SentBy(uniform), (Sent{"A", "A", "B", "B"}));
  ListedJobs single({{"A", "1"}, {"B", "1"}, {"C", "1"}}, false, false, 1);
  EXPECT_EQ(SentBy(single), (Sent{"A", "B", "C"}));
  ListedJobs perFile({{"A", "3"}, {"B", "1"}, {"C", "0"}, {"D", "-2"}}, false, true, 7);
  EXPECT_EQ(SentBy(perFile), (Sent{"A", "A", "A", "B"}));
}

TEST(RunJobList, CountsBelowOneAndEmptyListsSendNothing) {
  for (int count : {0, -1, -999}) {
    ListedJobs sets({{"A", "1"}}, true, false, count);
    EXPECT_TRUE(SentBy(sets).empty());
    ListedJobs uniform({{"A", "1"}}, false, false, count);
    EXPECT_TRUE(SentBy(uniform).empty());
  }
  for (bool sets : {false, true}) {
    for (bool perFile : {false, true}) {
      ListedJobs empty({}, sets, perFile, 3);
      EXPECT_TRUE(SentBy(empty).empty());
    }
  }
}

TEST(RunJobList, CountCellThatIsNoNumberCountsOnce) {
  ListedJobs perFile({{"A", "x"}, {"B", ""}, {"C", "2"}, {"D", "99999999999"}}, false, true, 5);
  EXPECT_EQ(SentBy(perFile), (Sent{"A", "B", "C", "C", "D"}));
}

TEST(RunJobList, MissingFilesAreSkippedAndTheirCountsNotRead) {
  ListedJobs uniform({{"A", "1"}, {"gone", "1"}, {"", "1"}, {"C", "1"}}, false, false, 2);
  uniform.Delete("gone");
  EXPECT_EQ(SentBy(uniform), (Sent{"A", "A", "C", "C"}));
  EXPECT_EQ(uniform.countReads, 2);  // once per existing row

  // In sets the test is made in every pass: a file deleted during the first
  // pass is left out of the later ones.
  ListedJobs sets({{"A", "1"}, {"B", "1"}}, true, false, 3);
  EXPECT_EQ(SentBy(sets,
                   [&](int sent) {
                     if (sent == 2) sets.Delete("A");
                   }),
            (Sent{"A", "B", "B", "B"}));
}

TEST(RunJobList, RowsAppendedDuringARunJoinOnlyTheLaterPassesOfSets) {
  ListedJobs sets({{"A", "1"}}, true, false, 2);
  EXPECT_EQ(SentBy(sets,
                   [&](int sent) {
                     if (sent == 1) sets.Append("X");
                   }),
            (Sent{"A", "A", "X"}));
  ListedJobs uniform({{"A", "1"}}, false, false, 2);
  EXPECT_EQ(SentBy(uniform,
                   [&](int sent) {
                     if (sent == 1) uniform.Append("X");
                   }),
            (Sent{"A", "A"}));
  ListedJobs perFile({{"A", "2"}}, false, true, 1);
  EXPECT_EQ(SentBy(perFile,
                   [&](int sent) {
                     if (sent == 1) perFile.Append("X");
                   }),
            (Sent{"A", "A"}));
}

TEST(RunJobList, RowMovedDuringARunChangesWhatIsSent) {
  ListedJobs uniform({{"A", "1"}, {"B", "1"}, {"C", "1"}}, false, false, 1);
  // While A is sent, C moves up above B: the run then sends C before B.
  EXPECT_EQ(SentBy(uniform,
                   [&](int sent) {
                     if (sent == 1) uniform.Swap(2, 3);
                   }),
            (Sent{"A", "C", "B"}));
}

}  // namespace
}  // namespace morvane::output
