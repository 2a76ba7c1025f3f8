#include "oob/PlatoonFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "oob/OobDatabase.h"
#include "oob/OobRecordTestSupport.h"
#include "oob/PlatoonTemplate.h"

namespace valdren {
namespace {

using test::Stored;

TEST(Unscramble, MovesPrintableCodesDownByTheLineLength) {
  const struct {
    std::size_t length;  // of the whole line
    unsigned char stored, plain;
  } cases[] = {{10, '*', ' '}, {10, ')', '~'},   {1, ' ', '~'},   {94, 'A', 'B'},
               {95, 'B', 'A'}, {96, 'B', 'A'},   {190, 'A', 'A'}, {10, 127, 'u'},
               {95, 127, '~'}, {10, 0x80, 0x80}, {10, '\r', '\r'}};
  for (const auto& c : cases) {
    std::string line(c.length, '\t');  // no shift touches a tab
    line[0] = static_cast<char>(c.stored);
    Unscramble(line);
    EXPECT_EQ(line, static_cast<char>(c.plain) + std::string(c.length - 1, '\t'))
        << c.length << " " << int{c.stored};
  }
}

// A file's lines are shifted one by one as the reader sees them: a carriage return before a line
// feed does not count, a lone one does, and a long line is read in pieces.
TEST(UnscrambleFile, KeepsLineEndsAndWhatFollowsAByte26) {
  const std::string longLine(1100, 'a'), wide(95, '~');  // 95 characters shift by 96
  const std::string plain = "abc\r\n\n" + wide + "\n" + longLine + "\nx\r\x1a" + "ab\n\x80";
  const std::string stored = Stored("abc") + "\r\n\n" + Stored(wide) + "\n" +
                             Stored(longLine.substr(0, 1023)) + Stored(longLine.substr(1023)) +
                             "\n" + Stored("x\r") + "\x1a" + "ab\n\x80";
  EXPECT_EQ(UnscrambleFile(stored), plain);
  EXPECT_EQ(ScrambleFile(plain), stored);
}

// Every item of a platoon in line order: "1101 5 [1 2 ... 24] M Word 6/41-12/45 A|B|C".
std::string Describe(const PlatoonTemplate& p) {
  std::string text = std::to_string(p.reference) + ' ' + std::to_string(p.catalogValue) + " [";
  for (const int value : p.values)
    text += std::to_string(value) + ' ';
  text.back() = ']';
  return text + ' ' + p.mark + ' ' + p.word.Std() + ' ' + test::Dates(p) + ' ' + p.name.Std() +
         '|' + p.secondName.Std() + '|' + p.thirdName.Std();
}

TEST(LoadPlatoonFile, ReadsEveryItemAndKeepsTheDefaultsFromTheFirstThatFails) {
  const struct {
    const char *line, *platoon;
  } cases[] = {
      // The name splits at its first comma, and the rest at the next, blanks around it dropped.
      {"P01403 0x10 1 2 3 4 5 6 7 8 X 9 10 11 12 13 14 15 Tiger 16 17 18 19 20 21 42 3 44 11 22 "
       "23 24 Rifle Platoon ,\tRifle Plt,RP, x",
       "1403 16 [1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24] X Tiger "
       "3/42-11/44 Rifle Platoon|Rifle Plt|RP, x"},
      {"P1101 5 7 x 3 4 5 6 7 8 M 9 10 11 12 13 14 15 W 16 17 18 19 20 21 42 3 44 11 1 2 3 Name",
       "1101 5 [7 0 100 100 100 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0] 1  6/41-12/45 ||"},
      // Months are plain integers here: "08" stops after its "0" and the 8 is the next item.
      {"P1101 0 0 0 0 0 0 0 0 0 M 0 0 0 0 0 0 0 W 0 0 0 0 0 0 41 08 45 12 1 2 3 N",
       "1101 0 [0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 12 1 2] M W 0/41-45/8 3 N|3 N|3 N"},
  };
  for (const auto& c : cases) {
    OobDatabase database;
    ASSERT_EQ(LoadPlatoonFile(database, "platoon.obx", Stored(c.line)), std::nullopt);
    ASSERT_EQ(database.Count(kPlatoon), 1u);
    const auto& platoon = dynamic_cast<const PlatoonTemplate&>(*database.Templates().First()->item);
    EXPECT_EQ(Describe(platoon), c.platoon);
    EXPECT_EQ(platoon.Morale(), 6);  // whatever the line holds
  }
}

// Each piece of a line longer than the reader takes is a platoon shifted by its own length.
TEST(LoadPlatoonFile, EveryLineIsAPlatoonBlankOnesIncluded) {
  const std::string text = Stored("P1101 1") + "\n\n   \n" +
                           Stored("P1102 7" + std::string(1016, ' ')) + Stored("P1103 8") + "\n\n";
  OobDatabase database;
  ASSERT_EQ(LoadPlatoonFile(database, "platoon.obx", text), std::nullopt);
  std::vector<std::uint32_t> references;
  for (const auto& node : database.Templates())
    references.push_back(node.item->reference);
  EXPECT_EQ(references, (std::vector<std::uint32_t>{1101, 0, 0, 1102, 1103, 0}));
}

}  // namespace
}  // namespace valdren
