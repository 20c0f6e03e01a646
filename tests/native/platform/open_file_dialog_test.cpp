#include "platform/open_file_dialog.h"

#include <gtest/gtest.h>

namespace morvane::platform {
namespace {

using namespace std::string_literals;
using Paths = std::vector<std::string>;

TEST(SplitSelectedNamesTest, OneChosenFileIsOneFullPath) {
  EXPECT_EQ(SplitSelectedNames("C:\\data\\a.prn\0\0"s), (Paths{"C:\\data\\a.prn"}));
}

TEST(SplitSelectedNamesTest, SeveralFilesAreTheFolderAndNamesInTheDialogsOrder) {
  EXPECT_EQ(SplitSelectedNames("C:\\data\0b.prn\0a.prn\0c d.txt\0\0"s),
            (Paths{"C:\\data\\b.prn", "C:\\data\\a.prn", "C:\\data\\c d.txt"}));
}

TEST(SplitSelectedNamesTest, ARootFolderKeepsItsOneSeparator) {
  EXPECT_EQ(SplitSelectedNames("C:\\\0a\0b\0\0"s), (Paths{"C:\\a", "C:\\b"}));
}

TEST(SplitSelectedNamesTest, TheSecondZeroEndsTheListWhateverTheBufferHoldsAfterIt) {
  EXPECT_EQ(SplitSelectedNames("D:\\x\0a\0\0stale\0names\0"s), (Paths{"D:\\x\\a"}));
  EXPECT_EQ(SplitSelectedNames(std::string(16, '\0')), Paths{});
  EXPECT_EQ(SplitSelectedNames("D:\\x\0a"s), (Paths{"D:\\x\\a"}));  // no terminator at all
}

}  // namespace
}  // namespace morvane::platform
