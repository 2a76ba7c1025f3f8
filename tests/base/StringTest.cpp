#include "base/String.h"

#include <gtest/gtest.h>

#include <string>

#include "base/Scanner.h"

namespace valdren {
namespace {

TEST(String, ANullTextIsEmptyAndEveryByteCounts) {
  const char* const null = nullptr;
  String text(null);
  EXPECT_STREQ(text.c_str(), "");
  text += "text";
  text += null;
  EXPECT_EQ(text, "text");
  EXPECT_EQ(text + null, "text");
  EXPECT_EQ(null + text, "text");
  EXPECT_EQ("1st " + text + " Company" + text, "1st text Companytext");
  text = null;
  EXPECT_STREQ(text.c_str(), "");
  EXPECT_NE(String("ab"), "abc");
  EXPECT_NE(String("abc"), "ab");
  EXPECT_NE(String(std::string_view("a\0b", 3)), std::string_view("a\0c", 3));
  EXPECT_TRUE(String(" \t\r\n\v\f").IsBlank());
  EXPECT_FALSE(String("\x1a").IsBlank());
  EXPECT_FALSE(String(std::string_view("\0", 1)).IsBlank());
}

TEST(String, ReadsLinesAndWordsOfAtMost1023Characters) {
  const std::string text = std::string(1030, 'a') + "\n" + std::string(1023, 'b') + "\n\n  " +
                           std::string(1025, 'w') + "\tlast  ";
  Scanner in(text);
  String line("previous");
  // A line of exactly the limit consumes its line end, and so does an empty line.
  for (const std::string& expected :
       {std::string(1023, 'a'), std::string(7, 'a'), std::string(1023, 'b'), std::string()}) {
    EXPECT_TRUE(line.ReadLine(in));
    EXPECT_EQ(line, expected);
  }
  for (const std::string& expected :
       {std::string(1023, 'w'), std::string("ww"), std::string("last")}) {
    EXPECT_TRUE(line.ReadWord(in));
    EXPECT_EQ(line, expected);
  }
  EXPECT_FALSE(line.ReadWord(in));
  EXPECT_FALSE(line.ReadLine(in));
  EXPECT_EQ(line, "");
}

}  // namespace
}  // namespace valdren
