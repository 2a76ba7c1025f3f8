#include "base/String.h"

#include <gtest/gtest.h>

#include <string>

#include "base/Scanner.h"

namespace valdren {
namespace {

const char* const kNull = nullptr;

TEST(String, NullTextsAreEmptyTexts) {
  const String empty;
  const String fromNull(kNull);
  EXPECT_STREQ(empty.c_str(), "");
  EXPECT_STREQ(fromNull.c_str(), "");
  EXPECT_EQ(empty, fromNull);

  String assigned("old");
  assigned = kNull;
  EXPECT_STREQ(assigned.c_str(), "");

  String appended("text");
  appended += kNull;
  EXPECT_EQ(appended, "text");
  appended += "";
  EXPECT_EQ(appended, "text");
}

TEST(String, JoinsInOrderAndANullSideGivesTheOther) {
  const String name("Rifle");
  EXPECT_EQ(name + " Company", "Rifle Company");
  EXPECT_EQ("1st " + name, "1st Rifle");
  EXPECT_EQ(name + name, "RifleRifle");
  EXPECT_EQ(name + kNull, "Rifle");
  EXPECT_EQ(kNull + name, "Rifle");
  EXPECT_EQ(name, "Rifle");  // the operands stay as they were
}

TEST(String, ComparesEveryByte) {
  EXPECT_NE(String("ab"), "abc");
  EXPECT_NE(String("abc"), "ab");
  EXPECT_NE(String("abc"), "abC");
  EXPECT_EQ(String(std::string_view("a\0b", 3)), std::string_view("a\0b", 3));
  EXPECT_NE(String(std::string_view("a\0b", 3)), std::string_view("a\0c", 3));
}

TEST(String, BlankMeansEmptyOrOnlyWhiteSpace) {
  EXPECT_TRUE(String().IsBlank());
  EXPECT_TRUE(String(" \t\r\n\v\f").IsBlank());
  EXPECT_FALSE(String("  x ").IsBlank());
  EXPECT_FALSE(String("\x1a").IsBlank());
  EXPECT_FALSE(String(std::string_view("\0", 1)).IsBlank());
}

TEST(String, ReadsLinesOfAtMost1023Characters) {
  const std::string longLine(1030, 'a');
  const std::string text = longLine + "\n\nlast";
  Scanner in(text);
  String line("previous");
  EXPECT_TRUE(line.ReadLine(in));
  EXPECT_EQ(line.Length(), 1023u);
  EXPECT_TRUE(line.ReadLine(in));
  EXPECT_EQ(line, std::string(7, 'a'));  // the rest of the long line
  EXPECT_TRUE(line.ReadLine(in));
  EXPECT_EQ(line, "");  // the empty line, its line end consumed
  EXPECT_TRUE(line.ReadLine(in));
  EXPECT_EQ(line, "last");
  EXPECT_FALSE(line.ReadLine(in));
  EXPECT_EQ(line, "");
}

TEST(String, ReadsWordsOfAtMost1023Characters) {
  const std::string text = "  " + std::string(1025, 'w') + " next";
  Scanner in(text);
  String word;
  EXPECT_TRUE(word.ReadWord(in));
  EXPECT_EQ(word.Length(), 1023u);
  EXPECT_TRUE(word.ReadWord(in));
  EXPECT_EQ(word, "ww");
  EXPECT_TRUE(word.ReadWord(in));
  EXPECT_EQ(word, "next");
  EXPECT_FALSE(word.ReadWord(in));
}

}  // namespace
}  // namespace valdren
