#include "base/TextInput.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/GameFolder.h"

namespace valdren {
namespace {

using namespace std::string_literals;

struct TextCase {
  std::string bytes;
  std::string text;
};

class TextModeTest : public testing::TestWithParam<TextCase> {};

TEST_P(TextModeTest, ReadsBytesAsTheGamesPlatformDoes) {
  EXPECT_EQ(TextMode(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Bytes, TextModeTest,
                         testing::Values(TextCase{"a\r\nb\r\n", "a\nb\n"},
                                         TextCase{"a\rb\n", "a\rb\n"}, TextCase{"a\r", "a\r"},
                                         TextCase{"a\r\r\n", "a\r\n"}, TextCase{"\r\n\r\n", "\n\n"},
                                         TextCase{"a\nlast", "a\nlast"},
                                         TextCase{"ab\x1a\ncd", "ab"}, TextCase{"\x1a", ""},
                                         TextCase{"a\r\x1a\n", "a\r"},
                                         TextCase{"a\0b\xff\n"s, "a\0b\xff\n"s}));

TEST(ReadTextFile, ReadsAFileInTextMode) {
  test::GameFolder folder;
  folder.Write("company.oob", "41 6 45 12\r\nlast\x1a ignored");
  EXPECT_EQ(ReadTextFile(folder.Path() / "company.oob"), "41 6 45 12\nlast");
}

TEST(ReadTextFile, AnEmptyFileIsPresent) {
  test::GameFolder folder;
  folder.Write("empty.oob", "");
  EXPECT_EQ(ReadTextFile(folder.Path() / "empty.oob"), "");
}

TEST(ReadTextFile, NothingWhenThereIsNoFileToRead) {
  test::GameFolder folder;
  std::filesystem::create_directory(folder.Path() / "folder.oob");
  EXPECT_EQ(ReadTextFile(folder.Path() / "folder.oob"), std::nullopt);
  EXPECT_EQ(ReadTextFile(folder.Path() / "missing.oob"), std::nullopt);
  EXPECT_FALSE(std::filesystem::exists(folder.Path() / "missing.oob"));  // never created
}

}  // namespace
}  // namespace valdren
