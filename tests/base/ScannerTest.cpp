#include "base/Scanner.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

namespace valdren {
namespace {

using Value = std::optional<std::int64_t>;
constexpr std::nullopt_t kFails = std::nullopt;

struct NumberCase {
  const char* text;
  Value asInt;
  Value asUnsigned;
  const char* rest;  // what stays unread
};

// "08" is octal, so its 8 is left over; a negative unsigned value wraps modulo 2^32.
TEST(Scanner, IntegersTakeSignAndBaseAndStopAtTheFirstForeignCharacter) {
  // clang-format off
  const NumberCase cases[] = {
      {"  42 x", 42, 42, " x"}, {"\t\r\n\v\f7", 7, 7, ""}, {"+5", 5, 5, ""},
      {"-17", -17, 4294967279, ""}, {"0x1F,", 31, 31, ","}, {"0X1f", 31, 31, ""},
      {"017", 15, 15, ""}, {"08", 0, 0, "8"}, {"0", 0, 0, ""}, {"0xg", 0, 0, "xg"},
      {"2147483647", 2147483647, 2147483647, ""}, {"-2147483648", -2147483648, 2147483648, ""},
      {"2147483648", kFails, 2147483648, ""}, {"4294967295", kFails, 4294967295, ""},
      {"4294967296", kFails, kFails, ""}, {"99999999999999999999", kFails, kFails, ""},
      {"x1", kFails, kFails, ""}, {"-", kFails, kFails, ""}, {"   ", kFails, kFails, ""}};
  // clang-format on
  for (const NumberCase& c : cases) {
    Scanner signedIn(c.text);
    int value = -77;
    EXPECT_EQ(signedIn.ReadInt(value) ? Value(value) : std::nullopt, c.asInt) << c.text;
    EXPECT_EQ(signedIn.TakeRest(), c.rest) << c.text;  // nothing after a failure
    Scanner unsignedIn(c.text);
    std::uint32_t number = 77;
    EXPECT_EQ(unsignedIn.ReadUnsigned(number) ? Value(number) : std::nullopt, c.asUnsigned)
        << c.text;
    EXPECT_EQ(unsignedIn.TakeRest(), c.rest) << c.text;
  }
}

TEST(Scanner, AFailureIsStickyUntilClearedAndHighBytesPeekPositive) {
  Scanner in("x \xff");
  int value = 0;
  char c = 0;
  EXPECT_FALSE(in.ReadInt(value));
  EXPECT_FALSE(in.Get(c));  // every read fails until the failure is cleared
  EXPECT_EQ(in.Peek(), -1);
  in.Clear();
  EXPECT_TRUE(in.SkipPast(' '));
  EXPECT_EQ(in.Peek(), 0xff);
  EXPECT_EQ(in.TakeRest(), "\xff");
  EXPECT_TRUE(in.AtEnd());
}

}  // namespace
}  // namespace valdren
