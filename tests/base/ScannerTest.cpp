#include "base/Scanner.h"

#include <gtest/gtest.h>

#include <string>

namespace valdren {
namespace {

struct IntCase {
  const char* text;
  bool ok;
  int value;
  const char* rest;  // what stays unread after a successful read
};

class IntRule : public testing::TestWithParam<IntCase> {};

TEST_P(IntRule, ReadsSignBaseAndStopsAtTheFirstForeignCharacter) {
  const IntCase& c = GetParam();
  Scanner in(c.text);
  int value = -77;
  EXPECT_EQ(in.ReadInt(value), c.ok);
  EXPECT_EQ(in.Failed(), !c.ok);
  if (c.ok) {
    EXPECT_EQ(value, c.value);
    EXPECT_EQ(in.TakeRest(), c.rest);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, IntRule,
    testing::Values(
        IntCase{"  42 x", true, 42, " x"}, IntCase{"-17", true, -17, ""},
        IntCase{"+5", true, 5, ""}, IntCase{"0x1F,", true, 31, ","}, IntCase{"0X1f", true, 31, ""},
        IntCase{"017", true, 15, ""}, IntCase{"08", true, 0, "8"}, IntCase{"09 1", true, 0, "9 1"},
        IntCase{"0", true, 0, ""}, IntCase{"0xg", true, 0, "xg"},
        IntCase{"\t\r\n\v\f7", true, 7, ""}, IntCase{"2147483647", true, 2147483647, ""},
        IntCase{"-2147483648", true, -2147483647 - 1, ""}, IntCase{"2147483648", false, 0, ""},
        IntCase{"99999999999999999999", false, 0, ""}, IntCase{"x1", false, 0, ""},
        IntCase{"-", false, 0, ""}, IntCase{"", false, 0, ""}, IntCase{"   ", false, 0, ""}));

TEST(Scanner, UnsignedTakesThirtyTwoBitsAndWrapsANegativeValue) {
  std::uint32_t value = 0;
  Scanner big("4294967295");
  EXPECT_TRUE(big.ReadUnsigned(value));
  EXPECT_EQ(value, 4294967295u);
  Scanner over("4294967296");
  EXPECT_FALSE(over.ReadUnsigned(value));
  Scanner negative("-1");
  EXPECT_TRUE(negative.ReadUnsigned(value));
  EXPECT_EQ(value, 4294967295u);
}

TEST(Scanner, AFailureIsStickyUntilCleared) {
  Scanner in("abc 12");
  int value = 0;
  EXPECT_FALSE(in.ReadInt(value));
  char c = 0;
  EXPECT_FALSE(in.NextNonBlank(c));
  EXPECT_EQ(in.Peek(), -1);
  in.Clear();
  EXPECT_TRUE(in.NextNonBlank(c));
  EXPECT_EQ(c, 'a');
}

TEST(Scanner, ZeroDroppingForMonthsAndReferences) {
  Scanner month(" 06 010 0");
  int value = 0;
  month.DropOneLeadingZero();
  EXPECT_TRUE(month.ReadInt(value));
  EXPECT_EQ(value, 6);
  month.DropOneLeadingZero();
  EXPECT_TRUE(month.ReadInt(value));
  EXPECT_EQ(value, 10);  // one zero dropped, the rest read in decimal
  month.DropOneLeadingZero();
  EXPECT_FALSE(month.ReadInt(value));  // a lone 0 month leaves nothing to read

  Scanner reference("0001104 ");
  std::uint32_t number = 0;
  reference.DropZeros();
  EXPECT_TRUE(reference.ReadUnsigned(number));
  EXPECT_EQ(number, 1104u);
}

TEST(Scanner, LinesStopAtTheDelimiterOrTheLimit) {
  Scanner in("abcdef\n\nxy");
  EXPECT_EQ(in.ReadLine(4), "abcd");
  EXPECT_EQ(in.ReadLine(4), "ef");  // the rest of a long line is the next line
  EXPECT_EQ(in.ReadLine(4), "");    // an empty line consumes its line end
  EXPECT_EQ(in.ReadLine(4), "xy");  // the last line counts without a line end
  EXPECT_FALSE(in.Failed());
  EXPECT_EQ(in.ReadLine(4), "");
  EXPECT_TRUE(in.Failed());
}

TEST(Scanner, ALineOfExactlyTheLimitConsumesItsLineEnd) {
  Scanner in("abcd\nef");
  EXPECT_EQ(in.ReadLine(4), "abcd");
  EXPECT_EQ(in.ReadLine(4), "ef");
}

TEST(Scanner, WordsSkipWhiteSpaceAndStopAtTheLimit) {
  Scanner in("  alpha\tbeta  ");
  EXPECT_EQ(in.ReadWord(3), "alp");
  EXPECT_EQ(in.ReadWord(10), "ha");
  EXPECT_EQ(in.ReadWord(10), "beta");
  EXPECT_FALSE(in.Failed());
  EXPECT_EQ(in.ReadWord(10), "");
  EXPECT_TRUE(in.Failed());
}

TEST(Scanner, UnsignedFollowsTheSameBaseRule) {
  std::uint32_t value = 0;
  Scanner in(" 0x10 010 +7 09");
  EXPECT_TRUE(in.ReadUnsigned(value));
  EXPECT_EQ(value, 16u);
  EXPECT_TRUE(in.ReadUnsigned(value));
  EXPECT_EQ(value, 8u);
  EXPECT_TRUE(in.ReadUnsigned(value));
  EXPECT_EQ(value, 7u);
  EXPECT_TRUE(in.ReadUnsigned(value));
  EXPECT_EQ(value, 0u);
  EXPECT_EQ(in.TakeRest(), "9");
}

TEST(Scanner, CharactersOneByOne) {
  Scanner in(" \t(x) rest of line ");
  char c = 0;
  EXPECT_TRUE(in.NextNonBlank(c));
  EXPECT_EQ(c, '(');
  in.Unget();
  EXPECT_EQ(in.Peek(), '(');
  EXPECT_TRUE(in.SkipPast(')'));
  EXPECT_TRUE(in.Get(c));
  EXPECT_EQ(c, ' ');  // taken as it comes, white or not
  EXPECT_EQ(in.TakeRest(), "rest of line ");
  EXPECT_TRUE(in.AtEnd());
  EXPECT_FALSE(in.Failed());
  EXPECT_FALSE(in.NextNonBlank(c));
  EXPECT_TRUE(in.Failed());
  EXPECT_EQ(in.TakeRest(), "");
}

TEST(Scanner, PeekSeesHighBytesAsPositive) {
  Scanner in("\xff");
  EXPECT_EQ(in.Peek(), 0xff);
}

}  // namespace
}  // namespace valdren
