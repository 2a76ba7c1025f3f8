// The game's text: read in text mode, by the token rules, in lines and words of at most 1023
// characters; Windows-1252, shown as UTF-8 and compared without regard to case.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "base/CaseFold.h"
#include "base/Scanner.h"
#include "base/String.h"
#include "base/TextInput.h"
#include "base/Windows1252.h"
#include "support/GameFolder.h"

namespace valdren {
namespace {

using namespace std::string_literals;
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

TEST(String, ANullTextIsEmptyAndEveryByteCounts) {
  const char* const null = nullptr;
  String text(null);
  text += "text";
  text += null;
  EXPECT_EQ(null + text + null, "text");
  text = null;
  EXPECT_STREQ(text.c_str(), "");
  EXPECT_FALSE(String("ab") == "abc" || String("abc") == "ab");
  EXPECT_NE(String(std::string_view("a\0b", 3)), std::string_view("a\0c", 3));
  EXPECT_TRUE(String(" \t\r\n\v\f").IsBlank());
  EXPECT_FALSE(String("\x1a").IsBlank() || String(std::string_view("\0", 1)).IsBlank());
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

TEST(TextMode, DropsACarriageReturnBeforeALineFeedAndEndsAtByte26) {
  const struct {
    std::string bytes, text;
  } cases[] = {
      {"a\r\nb\r\n", "a\nb\n"},       {"a\rb\n", "a\rb\n"},          {"a\r", "a\r"},
      {"a\r\r\n", "a\r\n"},           {"\r\n\r\n", "\n\n"},          {"a\nlast", "a\nlast"},
      {"a\r\nb\rc\r\n", "a\nb\rc\n"}, {"ab\x1a\ncd", "ab"},          {"\x1a", ""},
      {"a\r\x1a\n", "a\r"},           {"a\0b\xff\n"s, "a\0b\xff\n"s}};
  for (const auto& c : cases)
    EXPECT_EQ(TextMode(c.bytes), c.text) << c.bytes;
}

// One reader goes through the database's files: whatever an earlier, longer file left in its
// buffer must never show in a later text.
TEST(TextFileReader, GivesEachFileItsOwnTextWhateverWasReadBefore) {
  test::GameFolder folder;
  const std::string longLine(200'000, 'x');
  folder.Write("long.oob", longLine + "\r\n" + longLine);
  folder.Write("short.oob", "a\r\nb\x1a c");
  folder.Write("empty.oob", "");
  const struct {
    std::string name;
    std::optional<std::string> text;
  } reads[] = {{"short.oob", "a\nb"}, {"long.oob", longLine + "\n" + longLine},
               {"short.oob", "a\nb"}, {"missing.oob", std::nullopt},
               {"empty.oob", ""},     {"long.oob", longLine + "\n" + longLine}};
  TextFileReader reader;
  for (const auto& read : reads) {
    const auto text = reader.Read(folder.Path() / read.name);
    EXPECT_EQ(text ? std::optional<std::string>(*text) : std::nullopt, read.text) << read.name;
  }
}

TEST(Windows1252, BytesBecomeTheCodePagesCharactersInUtf8) {
  const struct {
    std::string bytes;
    std::string utf8;
  } cases[] = {
      {"Rifle Company", "Rifle Company"},
      {"Caf\xE9", "Caf\xC3\xA9"},                                  // é as in Latin-1
      {"\x80 5", "\xE2\x82\xAC 5"},                                // the euro sign
      {"\x93Gro\xDF\x94", "\xE2\x80\x9CGro\xC3\x9F\xE2\x80\x9D"},  // curly quotes around Groß
      {"\x9F\xFF", "\xC5\xB8\xC3\xBF"},                            // Ÿ and ÿ
      {"\x81\x9D", "\xC2\x81\xC2\x9D"},                            // undefined: the C1 controls
      {std::string("a\0b", 3), std::string("a\0b", 3)},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Windows1252ToUtf8(c.bytes), c.utf8) << c.bytes;
}

TEST(CaseFold, LettersMatchTheirOtherCaseAndNothingElse) {
  const struct {
    const char* text;
    const char* part;
    bool contains;
  } cases[] = {
      {"Schuetzenzug", "ZUG", true},
      {"\xC0\xC9\xDE", "\xE0\xE9\xFE", true},
      {"\x8A\x8C\x8E\x9F", "\x9A\x9C\x9E\xFF", true},  // Š Œ Ž Ÿ
      {"Gro\xDF", "GRO\xFF", false},                   // ß is not the capital of ÿ
      {"2 \xD7 MG", "2 \xF7 MG", false},               // × and ÷ are no letters
      {"Zug [12]", "zug {12}", false},                 // nor are brackets and braces
      {"@ Detachment", "` detachment", false},
      {"Zug", "Zuge", false},
      {"", "", true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ContainsIgnoringCase(c.text, c.part), c.contains) << c.text << " / " << c.part;
}

}  // namespace
}  // namespace valdren
