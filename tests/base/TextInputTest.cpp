#include "base/TextInput.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "support/GameFolder.h"

namespace valdren {
namespace {

using namespace std::string_literals;

TEST(TextMode, DropsACarriageReturnBeforeALineFeedAndEndsAtByte26) {
  const struct {
    std::string bytes, text;
  } cases[] = {{"a\r\nb\r\n", "a\nb\n"},      {"a\rb\n", "a\rb\n"}, {"a\r", "a\r"},
               {"a\r\r\n", "a\r\n"},          {"\r\n\r\n", "\n\n"}, {"a\nlast", "a\nlast"},
               {"ab\x1a\ncd", "ab"},          {"\x1a", ""},         {"a\r\x1a\n", "a\r"},
               {"a\0b\xff\n"s, "a\0b\xff\n"s}};
  for (const auto& c : cases)
    EXPECT_EQ(TextMode(c.bytes), c.text) << c.bytes;
}

TEST(ReadTextFile, ReadsAFileInTextModeAndNothingElse) {
  test::GameFolder folder;
  folder.Write("company.oob", "41 6 45 12\r\nlast\x1a ignored");
  folder.Write("empty.oob", "");
  std::filesystem::create_directory(folder.Path() / "folder.oob");
  EXPECT_EQ(ReadTextFile(folder.Path() / "company.oob"), "41 6 45 12\nlast");
  EXPECT_EQ(ReadTextFile(folder.Path() / "empty.oob"), "");  // present, unlike the next two
  EXPECT_EQ(ReadTextFile(folder.Path() / "folder.oob"), std::nullopt);
  EXPECT_EQ(ReadTextFile(folder.Path() / "missing.oob"), std::nullopt);
  EXPECT_FALSE(std::filesystem::exists(folder.Path() / "missing.oob"));  // never created
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

}  // namespace
}  // namespace valdren
