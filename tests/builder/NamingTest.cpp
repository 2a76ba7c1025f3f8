#include "builder/Naming.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace valdren {
namespace {

TEST(OrdinalSuffix, EndingsByTheLastTwoDigits) {
  const struct {
    int n;
    const char* suffix;
  } cases[] = {{1, "st"},  {2, "nd"},   {3, "rd"},   {4, "th"},   {11, "th"},  {12, "th"},
               {13, "th"}, {21, "st"},  {111, "th"}, {112, "th"}, {122, "nd"}, {10, "th"},
               {20, "th"}, {101, "st"}, {213, "th"}, {1003, "rd"}};
  for (const auto& c : cases)
    EXPECT_EQ(OrdinalSuffix(c.n), c.suffix) << c.n;
}

TEST(RomanNumeral, SubtractiveFormsAndRepeatedThousands) {
  const struct {
    int n;
    const char* roman;
  } cases[] = {{14, "XIV"}, {49, "XLIX"},      {999, "CMXCIX"},  {0, ""},         {-7, ""},
               {3, "III"},  {4, "IV"},         {8, "VIII"},      {9, "IX"},       {39, "XXXIX"},
               {40, "XL"},  {90, "XC"},        {399, "CCCXCIX"}, {400, "CD"},     {500, "D"},
               {900, "CM"}, {1944, "MCMXLIV"}, {3000, "MMM"},    {4004, "MMMMIV"}};
  for (const auto& c : cases)
    EXPECT_EQ(RomanNumeral(c.n).View(), c.roman) << c.n;
}

TEST(RomanNumeral, TheLargestNumberIsAllThousandsAndTheRest) {
  const String roman = RomanNumeral(INT_MAX);  // 2147483 thousands and 647
  EXPECT_EQ(roman.Length(), 2147483u + std::string("DCXLVII").size());
  EXPECT_TRUE(roman.View().ends_with("MDCXLVII"));
}

struct RangeCase {
  const char* afterMarker;
  int lo;
  int hi;
  const char* following;
};

TEST(ReadNumberPattern, RangeGroupsAndWhatFollowsThem) {
  const RangeCase cases[] = {
      {"", 1, 999, ""},
      {" Infantry Regiment", 1, 999, " Infantry Regiment"},
      {"(1-30). Infanterie-Division", 1, 30, ". Infanterie-Division"},
      {"(5-5) Regiment", 5, 5, " Regiment"},
      {"(7-3)", 7, 3, ""},
      {"( 10 to - 20 ish) Corps", 10, 20, " Corps"},  // anything may stand before "-" and ")"
      {"(010-0x20)x", 8, 32, "x"},                    // the integer rule: octal and hexadecimal
      {"(-5--2) A", -5, -2, " A"},
      {"(1-2147483647) A", 1, INT_MAX, " A"},
      {"(-2147483648-3) A", INT_MIN, 3, " A"},
      {"((2-3)) A", 1, 3, ") A"},
      {"x(2-3) A", 1, 999, "x(2-3) A"},  // a group only directly after the marker
  };
  for (const RangeCase& c : cases) {
    const NumberPattern pattern = ReadNumberPattern(c.afterMarker);
    EXPECT_EQ(pattern.lo, c.lo) << c.afterMarker;
    EXPECT_EQ(pattern.hi, c.hi) << c.afterMarker;
    EXPECT_EQ(pattern.following, c.following) << c.afterMarker;
  }
}

TEST(ReadNumberPattern, AGroupCutShortKeepsWhatCouldBeRead) {
  const RangeCase cases[] = {
      {"(", 1, 999, ""},
      {"(5", 5, 999, ""},
      {"(5) Regiment", 5, 999, " Regiment"},
      {"(3-", 3, 999, ""},
      {"(3-4", 3, 4, ""},
      {"(3-4 Regiment", 3, 4, ""},
      {"(x-4) A", 1, 4, " A"},
      {"(3-x) A", 3, 999, " A"},
      {"(99999999999-5) A", 1, 5, " A"},  // too large to read
      {"(2-99999999999) A", 2, 999, " A"},
      {"()", 1, 999, ""},
  };
  for (const RangeCase& c : cases) {
    const NumberPattern pattern = ReadNumberPattern(c.afterMarker);
    EXPECT_EQ(pattern.lo, c.lo) << c.afterMarker;
    EXPECT_EQ(pattern.hi, c.hi) << c.afterMarker;
    EXPECT_EQ(pattern.following, c.following) << c.afterMarker;
  }
}

TEST(SkipNumberRange, DropsTheGroupUnread) {
  EXPECT_EQ(SkipNumberRange("(1-30). Infanterie-Division"), ". Infanterie-Division");
  EXPECT_EQ(SkipNumberRange("(anything at all) Corps"), " Corps");
  EXPECT_EQ(SkipNumberRange(" Corps (2)"), " Corps (2)");
  EXPECT_EQ(SkipNumberRange("(1-30 Corps"), "");
}

}  // namespace
}  // namespace valdren
