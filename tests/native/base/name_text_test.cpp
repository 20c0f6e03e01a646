#include "base/name_text.h"

#include <gtest/gtest.h>

#include "base/path_text.h"

namespace morvane::base {
namespace {

// "Łódź-ü.prn" in UTF-8.
constexpr char kLodz[] =
    "\xC5\x81\xC3\xB3"
    "d\xC5\xBA-\xC3\xBC.prn";

TEST(NameTextTest, ACharacterOfSeveralBytesIsOneCharacterAtTheEnd) {
  const std::string name = kLodz;
  EXPECT_EQ(LastCharacterStart(name), name.size() - 1);
  EXPECT_EQ(LastCharacterStart(name.substr(0, 7)), 5u);   // "Łódź"
  EXPECT_EQ(LastCharacterStart("\xF0\x9F\x98\x80"), 0u);  // one emoji
  EXPECT_EQ(LastCharacterStart("a\xC5"), 1u);             // cut off: a byte
  EXPECT_EQ(LastCharacterStart("a\xED\xA0\x80"), 3u);     // a surrogate half
  EXPECT_EQ(LastCharacterStart(""), 0u);
}

TEST(NameTextTest, OnlyWellFormedUtf8ReachesTheLog) {
  EXPECT_EQ(WellFormedUtf8(kLodz), kLodz);
  EXPECT_EQ(WellFormedUtf8("\xE6\x97\xA5\xF0\x9F\x98\x80"), "\xE6\x97\xA5\xF0\x9F\x98\x80");
  // An uncarried character, a cut-off one, an overlong form, a surrogate half
  // and a byte beyond U+10FFFF each become U+FFFD.
  EXPECT_EQ(WellFormedUtf8("x?\xFF.prn"), "x\xEF\xBF\xBD.prn");
  EXPECT_EQ(WellFormedUtf8("a\xC5"), "a\xEF\xBF\xBD");
  EXPECT_EQ(WellFormedUtf8("\xE0\x80\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
  EXPECT_EQ(WellFormedUtf8("\xED\xA0\x80").substr(0, 3), "\xEF\xBF\xBD");
  EXPECT_EQ(WellFormedUtf8("\xF4\x90\x80\x80").substr(0, 3), "\xEF\xBF\xBD");
  EXPECT_EQ(WellFormedUtf8("a?.prn"), "a?.prn");
  EXPECT_TRUE(HoldsUncarriedCharacter("a?\xFF.prn"));
  EXPECT_FALSE(HoldsUncarriedCharacter(kLodz));
}

TEST(PathTextTest, ANameJoinsAndLeavesAFolderAtARootAsAnywhere) {
  // At a drive's root the folder ends in its separator already: a name cut
  // from the joined path by the folder's length lost its first letter there.
  for (const auto& [folder, path] : {std::pair{"P:\\", "P:\\abc.prn"},
                                     {"C:\\in", "C:\\in\\abc.prn"},
                                     {"\\\\srv\\share", "\\\\srv\\share\\abc.prn"},
                                     {"\\\\srv\\share\\", "\\\\srv\\share\\abc.prn"},
                                     {"P:", "P:abc.prn"}}) {
    EXPECT_EQ(JoinPath(folder, "abc.prn"), path);
    EXPECT_EQ(NameOf(path), "abc.prn");
  }
  EXPECT_EQ(NameOf("P:\\a"), "a");
  EXPECT_TRUE(SameFolder("P:\\", FolderOf("P:\\watch.log")));
  EXPECT_TRUE(SameFolder("c:\\In", FolderOf("C:\\in\\watch.log")));
  EXPECT_FALSE(SameFolder("C:\\in", FolderOf("C:\\in\\bezig\\watch.log")));
}

}  // namespace
}  // namespace morvane::base
