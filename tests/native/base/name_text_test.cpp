#include "base/name_text.h"

#include <gtest/gtest.h>

namespace morvane::base {
namespace {

// "Łódź-ü.prn" in the name text of the Western code page: Ł and ź escaped.
constexpr char kLodz[] =
    "?\xC5\x81\xF3"
    "d?\xC5\xBA-\xFC.prn";

TEST(NameTextTest, OnlyAMarkBeforeWellFormedUtf8StartsAnEscape) {
  EXPECT_EQ(EscapeLengthAt(kLodz, 0), 3u);
  EXPECT_EQ(EscapeLengthAt("?\xE6\x97\xA5", 0), 4u);
  EXPECT_EQ(EscapeLengthAt("?\xF0\x9F\x98\x80", 0), 5u);
  // Wildcards, a cut-off character, overlong forms, surrogate halves and
  // the uncarried mark are plain text.
  EXPECT_EQ(EscapeLengthAt("a?.prn", 1), 0u);
  EXPECT_EQ(EscapeLengthAt("?\xC5", 0), 0u);
  EXPECT_EQ(EscapeLengthAt("?\xC5"
                           "a",
                           0),
            0u);
  EXPECT_EQ(EscapeLengthAt("?\xE0\x80\x80", 0), 0u);
  EXPECT_EQ(EscapeLengthAt("?\xED\xA0\x80", 0), 0u);
  EXPECT_EQ(EscapeLengthAt("?\xF4\x90\x80\x80", 0), 0u);
  EXPECT_EQ(EscapeLengthAt("?\xFF", 0), 0u);
  EXPECT_TRUE(HoldsEscape(kLodz));
  EXPECT_FALSE(HoldsEscape("caf\xE9?.prn"));
  EXPECT_TRUE(HoldsUncarriedCharacter("a?\xFF.prn"));
  EXPECT_FALSE(HoldsUncarriedCharacter(kLodz));
}

TEST(NameTextTest, AnEscapedCharacterIsOneCharacterAtTheEnd) {
  const std::string name = kLodz;
  EXPECT_EQ(LastCharacterStart(name), name.size() - 1);
  const std::string endsEscaped = name.substr(0, 8);  // "Łódź"
  EXPECT_EQ(LastCharacterStart(endsEscaped), 5u);
  EXPECT_EQ(LastCharacterStart("?\xC5"), 1u);
  EXPECT_EQ(LastCharacterStart(""), 0u);
}

}  // namespace
}  // namespace morvane::base
