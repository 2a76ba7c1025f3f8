#include "builder/Naming.h"

#include <gtest/gtest.h>

#include <climits>

namespace valdren {
namespace {

TEST(Naming, OrdinalEndingsByTheLastTwoDigits) {
  const struct {
    int n;
    const char* suffix;
  } cases[] = {{1, "st"},  {2, "nd"},  {3, "rd"},   {4, "th"},   {11, "th"},  {12, "th"},
               {13, "th"}, {21, "st"}, {111, "th"}, {112, "th"}, {122, "nd"}, {1003, "rd"}};
  for (const auto& c : cases)
    EXPECT_EQ(OrdinalSuffix(c.n), c.suffix) << c.n;
}

TEST(Naming, RomanNumeralsWithSubtractiveFormsAndRepeatedThousands) {
  const struct {
    int n;
    const char* roman;
  } cases[] = {{14, "XIV"}, {49, "XLIX"}, {999, "CMXCIX"},   {0, ""},
               {-7, ""},    {8, "VIII"},  {39, "XXXIX"},     {90, "XC"},
               {400, "CD"}, {500, "D"},   {1944, "MCMXLIV"}, {4004, "MMMMIV"}};
  for (const auto& c : cases)
    EXPECT_EQ(RomanNumeral(c.n).View(), c.roman) << c.n;
}

TEST(Naming, RangeGroupsKeepWhatCouldBeRead) {
  const struct {
    const char* afterMarker;
    int lo, hi;
    const char* following;
  } cases[] = {
      {" Infantry Regiment", 1, 999, " Infantry Regiment"},
      {"(1-30). Infanterie-Division", 1, 30, ". Infanterie-Division"},
      {"(7-3)", 7, 3, ""},
      {"( 10 to - 20 ish) Corps", 10, 20, " Corps"},  // anything may stand before "-" and ")"
      {"(010-0x20)x", 8, 32, "x"},                    // the integer rule: octal and hexadecimal
      {"(-2147483648--2) A", INT_MIN, -2, " A"},
      {"((2-3)) A", 1, 3, ") A"},
      {"x(2-3) A", 1, 999, "x(2-3) A"},  // a group only directly after the marker
      // Cut short or unreadable: a bound that is missing or too large stays at its default, and
      // without a ")" nothing follows.
      {"(", 1, 999, ""},
      {"(5) Regiment", 5, 999, " Regiment"},
      {"(3-4 Regiment", 3, 4, ""},
      {"(x-4) A", 1, 4, " A"},
      {"(99999999999-5) A", 1, 5, " A"},
      {"(2-99999999999) A", 2, 999, " A"},
  };
  for (const auto& c : cases) {
    const NumberPattern pattern = ReadNumberPattern(c.afterMarker);
    EXPECT_EQ(pattern.lo, c.lo) << c.afterMarker;
    EXPECT_EQ(pattern.hi, c.hi) << c.afterMarker;
    EXPECT_EQ(pattern.following, c.following) << c.afterMarker;
  }
}

}  // namespace
}  // namespace valdren
