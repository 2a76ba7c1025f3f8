#include "base/TextInput.h"

#include <gtest/gtest.h>

#include <filesystem>
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

}  // namespace
}  // namespace valdren
