#include "gui/GameText.h"

#include <gtest/gtest.h>

namespace valdren {
namespace {

TEST(GameTextTest, WindowsCodePageBothWays) {
  // "Müller", the euro sign (0x80), an en dash (0x96) and a German sharp s (0xDF).
  const std::string bytes = "M\xFCller \x80 \x96 \xDF";
  const QString text = FromGameText(bytes);
  EXPECT_EQ(text, QString::fromUtf8("Müller € – ß"));
  EXPECT_EQ(ToGameText(text), bytes);
}

TEST(GameTextTest, UndefinedBytesComeBackUnchanged) {
  const std::string bytes = "\x81\x8D\x8F\x90\x9D";
  EXPECT_EQ(ToGameText(FromGameText(bytes)), bytes);
}

TEST(GameTextTest, CharactersTheCodePageLacksBecomeQuestionMarks) {
  // Cyrillic, a CJK character and one outside the basic plane (two UTF-16 units): one "?" each.
  EXPECT_EQ(ToGameText(QString::fromUtf8("Ж 中 😀 ok")), "? ? ? ok");
}

}  // namespace
}  // namespace valdren
