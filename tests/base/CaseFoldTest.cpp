// Names compared without regard to case, as the game's Windows-1252 text has it.
#include "base/CaseFold.h"

#include <gtest/gtest.h>

namespace valdren {
namespace {

TEST(CaseFold, LettersMatchTheirOtherCaseAndNothingElse) {
  const struct {
    const char* text;
    const char* part;
    bool contains;
  } cases[] = {
      {"Schuetzenzug", "ZUG", true},
      {"schuetzenzug", "Schuetzen", true},
      {"Sch\xDCtzen", "sch\xFCtzen", true},  // Ü ü
      {"\xC0\xC9\xDE", "\xE0\xE9\xFE", true},
      {"\x8A\x8C\x8E\x9F", "\x9A\x9C\x9E\xFF", true},  // Š Œ Ž Ÿ
      {"Gro\xDF", "GRO\xFF", false},                   // ß is not the capital of ÿ
      {"2 \xD7 MG", "2 \xF7 MG", false},               // × and ÷ are no letters
      {"Zug [12]", "zug {12}", false},                 // nor are brackets and braces
      {"@ Detachment", "` detachment", false},
      {"Zug", "Zuge", false},
      {"", "", true},
      {"Zug", "", true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ContainsIgnoringCase(c.text, c.part), c.contains) << c.text << " / " << c.part;
}

}  // namespace
}  // namespace valdren
