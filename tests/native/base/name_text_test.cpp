#include "base/name_text.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace morvane::base
