#include "base/Windows1252.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace valdren {
namespace {

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

// Every byte stands for a character of its own, so no two names print the same.
TEST(Windows1252, EveryByteHasACharacterOfItsOwn) {
  std::set<char32_t> characters;
  for (int byte = 0; byte < 256; ++byte)
    characters.insert(Windows1252Char(static_cast<unsigned char>(byte)));
  EXPECT_EQ(characters.size(), 256u);
}

}  // namespace
}  // namespace valdren
