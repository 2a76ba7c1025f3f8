#include "oob/PlatoonFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "oob/OobDatabase.h"
#include "oob/PlatoonTemplate.h"
#include "support/GameFolder.h"

namespace valdren {
namespace {

// A platoon line as the game stores it.
std::string Stored(std::string plain) {
  Scramble(plain);
  return plain;
}

std::vector<const PlatoonTemplate*> Platoons(const OobDatabase& database) {
  std::vector<const PlatoonTemplate*> platoons;
  for (const auto& node : database.Templates())
    platoons.push_back(dynamic_cast<const PlatoonTemplate*>(node.item));
  return platoons;
}

struct ShiftCase {
  std::size_t length;  // of the whole line
  unsigned char stored;
  unsigned char plain;
};

class UnscrambleShift : public testing::TestWithParam<ShiftCase> {};

TEST_P(UnscrambleShift, MovesPrintableCodesDownByTheLineLength) {
  const ShiftCase& c = GetParam();
  // The filler is a tab, which no shift touches.
  std::string line(c.length, '\t');
  line[0] = static_cast<char>(c.stored);
  Unscramble(line);
  EXPECT_EQ(static_cast<unsigned char>(line[0]), c.plain);
  EXPECT_EQ(line.substr(1), std::string(c.length - 1, '\t'));
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, UnscrambleShift,
    testing::Values(ShiftCase{10, '*', ' '}, ShiftCase{10, ')', '~'}, ShiftCase{1, 'B', 'A'},
                    ShiftCase{1, ' ', '~'}, ShiftCase{94, 'A', 'B'},
                    ShiftCase{95, 'B', 'A'},  // 95 moves by 96, like 96 itself
                    ShiftCase{96, 'B', 'A'}, ShiftCase{190, 'A', 'A'}, ShiftCase{190, '~', '~'},
                    ShiftCase{10, 127, 'u'},  // 127 counts as the 96th code
                    ShiftCase{95, 127, '~'}, ShiftCase{10, 0x80, 0x80}, ShiftCase{10, 0xFF, 0xFF},
                    ShiftCase{10, '\r', '\r'}, ShiftCase{1023, 'A', 'A' + 22}));

TEST(Scramble, UndoesUnscrambleForEveryPrintableCodeAndLength) {
  for (std::size_t length : {1, 2, 10, 94, 95, 96, 189, 190, 191, 1023}) {
    for (int code = 32; code <= 126; ++code) {
      std::string line(length, static_cast<char>(code));
      Scramble(line);
      Unscramble(line);
      ASSERT_EQ(line, std::string(length, static_cast<char>(code))) << length << " " << code;
    }
  }
}

struct SplitCase {
  const char* text;
  const char* name;
  const char* secondName;
  const char* thirdName;
};

class NameSplit : public testing::TestWithParam<SplitCase> {};

TEST_P(NameSplit, GivesThreeNames) {
  const SplitCase& c = GetParam();
  String name = c.text;
  String secondName;
  String thirdName;
  SplitAtComma(name, secondName);
  SplitAtComma(secondName, thirdName);
  EXPECT_EQ(name.View(), c.name);
  EXPECT_EQ(secondName.View(), c.secondName);
  EXPECT_EQ(thirdName.View(), c.thirdName);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NameSplit,
    testing::Values(SplitCase{"Rifle Platoon", "Rifle Platoon", "Rifle Platoon", "Rifle Platoon"},
                    SplitCase{"Rifle Platoon, Rifle Plt, RP", "Rifle Platoon", "Rifle Plt", "RP"},
                    SplitCase{"Rifle Platoon ,  Rifle Plt", "Rifle Platoon", "Rifle Plt",
                              "Rifle Plt"},
                    SplitCase{" Outer \t, a,b, c ", " Outer", "a", "b, c "},
                    SplitCase{",", "", "", ""}, SplitCase{"", "", "", ""}));

TEST(ReadPlatoon, TakesEveryItemOfTheLineInOrder) {
  OobDatabase database;
  const std::string line =
      "P01403 0x10 1 2 3 4 5 6 7 8 X 9 10 11 12 13 14 15 Tiger 16 17 18 19 20 21 42 3 44 11 22 23 "
      "24 Rifle Platoon, Rifle Plt, RP";
  ASSERT_EQ(LoadPlatoonFile(database, "platoon.obx", Stored(line)), std::nullopt);
  const auto platoons = Platoons(database);
  ASSERT_EQ(platoons.size(), 1u);
  const PlatoonTemplate& p = *platoons[0];
  EXPECT_EQ(p.echelon, 0);
  EXPECT_EQ(p.reference, 1403u);
  EXPECT_EQ(p.catalogValue, 16);
  for (int i = 0; i < PlatoonTemplate::kValueCount; ++i)
    EXPECT_EQ(p.values[i], i + 1) << i;
  EXPECT_EQ(p.mark, 'X');
  EXPECT_EQ(p.word.View(), "Tiger");
  EXPECT_EQ(p.startYear, 42);
  EXPECT_EQ(p.startMonth, 3);
  EXPECT_EQ(p.endYear, 44);
  EXPECT_EQ(p.endMonth, 11);
  EXPECT_EQ(p.name.View(), "Rifle Platoon");
  EXPECT_EQ(p.secondName.View(), "Rifle Plt");
  EXPECT_EQ(p.thirdName.View(), "RP");
  EXPECT_EQ(p.Morale(), 6);
}

TEST(ReadPlatoon, ALineEndingAfterItsNineteenthItemKeepsTheLaterDefaults) {
  OobDatabase database;
  ASSERT_FALSE(LoadPlatoonFile(database, "platoon.obx",
                               Stored("P1101 5 1 2 3 4 5 6 7 8 M 9 10 11 12 13 14 15")));
  const PlatoonTemplate& p = *Platoons(database).at(0);
  EXPECT_EQ(p.reference, 1101u);
  EXPECT_EQ(p.values[14], 15);
  EXPECT_EQ(p.word.View(), "");
  for (int i = 15; i < PlatoonTemplate::kValueCount; ++i)
    EXPECT_EQ(p.values[i], 0) << i;
  EXPECT_EQ(p.startMonth, 6);
  EXPECT_EQ(p.startYear, 41);
  EXPECT_EQ(p.endMonth, 12);
  EXPECT_EQ(p.endYear, 45);
  EXPECT_EQ(p.name.View(), "");
  EXPECT_EQ(p.thirdName.View(), "");
}

TEST(ReadPlatoon, AnItemThatFailsKeepsItAndEveryLaterItemAtItsDefault) {
  OobDatabase database;
  // The second value is not a number; everything after it, the name included, is ignored.
  const std::string line =
      "P1101 5 7 x 3 4 5 6 7 8 M 9 10 11 12 13 14 15 W 16 17 18 19 20 21 42 3 44 11 1 2 3 Name";
  ASSERT_FALSE(LoadPlatoonFile(database, "platoon.obx", Stored(line)));
  const PlatoonTemplate& p = *Platoons(database).at(0);
  EXPECT_EQ(p.reference, 1101u);
  EXPECT_EQ(p.catalogValue, 5);
  EXPECT_EQ(p.values[0], 7);
  const std::array<int, PlatoonTemplate::kValueCount> defaults{0, 0, 100, 100, 100};
  for (int i = 1; i < PlatoonTemplate::kValueCount; ++i)
    EXPECT_EQ(p.values[i], defaults[i]) << i;
  EXPECT_EQ(p.mark, '1');
  EXPECT_EQ(p.word.View(), "");
  EXPECT_EQ(p.startYear, 41);
  EXPECT_EQ(p.name.View(), "");
  EXPECT_EQ(p.secondName.View(), "");
}

TEST(ReadPlatoon, MonthsAreReadAsPlainIntegersSoALeadingZeroMakesThemOctal) {
  OobDatabase database;
  const std::string line =
      "P1101 0 0 0 0 0 0 0 0 0 M 0 0 0 0 0 0 0 W 0 0 0 0 0 0 41 08 45 12 1 2 3 N";
  ASSERT_FALSE(LoadPlatoonFile(database, "platoon.obx", Stored(line)));
  const PlatoonTemplate& p = *Platoons(database).at(0);
  EXPECT_EQ(p.startYear, 41);
  EXPECT_EQ(p.startMonth, 0);  // "08" stops after its "0"; the 8 is the next item
  EXPECT_EQ(p.endYear, 8);
  EXPECT_EQ(p.endMonth, 45);
  EXPECT_EQ(p.values[21], 12);
  EXPECT_EQ(p.values[22], 1);
  EXPECT_EQ(p.values[23], 2);
  EXPECT_EQ(p.name.View(), "3 N");  // one blank after the last value is the separator
}

TEST(LoadPlatoonFile, EveryLineIsAPlatoonBlankOnesIncluded) {
  OobDatabase database;
  const std::string text = Stored("P1101 1") + "\n\n   \n" + Stored("P1102 2");
  ASSERT_EQ(LoadPlatoonFile(database, "platoon.obx", text), std::nullopt);
  const auto platoons = Platoons(database);
  ASSERT_EQ(platoons.size(), 4u);
  EXPECT_EQ(platoons[0]->reference, 1101u);
  EXPECT_EQ(platoons[1]->reference, 0u);  // kept, unlike an organization record
  EXPECT_EQ(platoons[1]->name.View(), "");
  EXPECT_EQ(platoons[1]->startYear, 41);
  EXPECT_EQ(platoons[2]->reference, 0u);
  EXPECT_EQ(platoons[3]->reference, 1102u);  // the last line counts without a line end
  EXPECT_EQ(database.Count(0), 4u);
}

TEST(LoadPlatoonFile, AFinalLineFeedAddsNoPlatoonButAnEmptyLineBeforeItDoes) {
  OobDatabase one;
  ASSERT_FALSE(LoadPlatoonFile(one, "platoon.obx", Stored("P1101") + "\n"));
  EXPECT_EQ(Platoons(one).size(), 1u);
  OobDatabase two;
  ASSERT_FALSE(LoadPlatoonFile(two, "platoon.obx", Stored("P1101") + "\n\n"));
  EXPECT_EQ(Platoons(two).size(), 2u);
  OobDatabase none;
  ASSERT_FALSE(LoadPlatoonFile(none, "platoon.obx", ""));
  EXPECT_EQ(Platoons(none).size(), 0u);
}

TEST(LoadPlatoonFile, TheRestOfALineBeyondTheReadLimitIsTheNextPlatoon) {
  // Each piece the reader takes is shifted by its own length.
  const std::string first = "P1101 7" + std::string(1023 - 7, ' ');
  OobDatabase database;
  ASSERT_FALSE(LoadPlatoonFile(database, "platoon.obx", Stored(first) + Stored("P1102 8") + "\n"));
  const auto platoons = Platoons(database);
  ASSERT_EQ(platoons.size(), 2u);
  EXPECT_EQ(platoons[0]->catalogValue, 7);
  EXPECT_EQ(platoons[1]->reference, 1102u);
  EXPECT_EQ(platoons[1]->catalogValue, 8);
}

TEST(LoadPlatoonFile, AHugeLineOfAnyBytesIsReadInPiecesWithoutHarm) {
  std::string line;
  for (int i = 0; i < 100000; ++i)
    line += static_cast<char>(i * 7919 % 256 == '\n' ? 0 : i * 7919 % 256);
  OobDatabase database;
  ASSERT_EQ(LoadPlatoonFile(database, "platoon.obx", line), std::nullopt);
  EXPECT_EQ(database.Count(0), 98u);  // 97 pieces of 1023 characters and the 769 left over
}

TEST(LoadPlatoonFile, LinesOfNinetyFiveAndOneHundredNinetyCharactersReadBack) {
  for (std::size_t length : {95u, 190u}) {
    std::string line = "P1101 3 0 0 0 0 0 0 0 0 M 0 0 0 0 0 0 0 W 0 0 0 0 0 0 42 1 43 2 0 0 0 ";
    line += std::string(length - line.size(), 'n');
    OobDatabase database;
    ASSERT_FALSE(LoadPlatoonFile(database, "platoon.obx", Stored(line)));
    const PlatoonTemplate& p = *Platoons(database).at(0);
    EXPECT_EQ(p.reference, 1101u) << length;
    EXPECT_EQ(p.endMonth, 2) << length;
    EXPECT_EQ(p.name.Length(), length - 70) << length;
  }
}

TEST(LoadPlatoons, ReadsTheNumberedFilesInOrderOrElseThePlainFile) {
  test::GameFolder folder;
  folder.Write("platoon.obx", Stored("P1100"));
  folder.Write("platoon07.obx", Stored("P1107"));
  folder.Write("platoon03.obx", Stored("P1103") + "\r\n" + Stored("P1104") + "\r\n");
  OobDatabase database;
  ASSERT_EQ(LoadPlatoons(database, folder.Path()), std::nullopt);
  std::vector<std::uint32_t> references;
  for (const PlatoonTemplate* p : Platoons(database))
    references.push_back(p->reference);
  // The carriage returns are not part of the lines, so they do not change the shift.
  EXPECT_EQ(references, (std::vector<std::uint32_t>{1103, 1104, 1107}));

  test::GameFolder plain;
  plain.Write("platoon.obx", Stored("P1100") + "\n" + Stored("P1101") + "\x1a" + Stored("P1199"));
  OobDatabase fromPlain;
  ASSERT_EQ(LoadPlatoons(fromPlain, plain.Path()), std::nullopt);
  ASSERT_EQ(Platoons(fromPlain).size(), 2u);  // the text ends at the Ctrl-Z
  EXPECT_EQ(Platoons(fromPlain)[1]->reference, 1101u);
}

TEST(LoadPlatoons, WithoutPlatoonFilesTheDatabaseHasNoPlatoons) {
  test::GameFolder folder;
  std::filesystem::create_directory(folder.Path() / "platoon.obx");
  OobDatabase database;
  EXPECT_EQ(LoadPlatoons(database, folder.Path()), std::nullopt);
  EXPECT_TRUE(database.Templates().Empty());
}

struct FileCase {
  const char* name;
  std::string stored;
  std::string plain;
};

TEST(UnscrambleFile, KeepsLineEndsAndShiftsEachLineAsTheReaderSeesIt) {
  const std::string longLine(1100, 'a');
  const std::vector<FileCase> cases = {
      {"line feeds", Stored("abc") + "\n" + Stored("hello") + "\n", "abc\nhello\n"},
      {"carriage returns", Stored("abc") + "\r\n" + Stored("x"), "abc\r\nx"},
      {"lone carriage return", Stored("ab\r"), "ab\r"},
      {"blank lines", "\n\n" + Stored("z") + "\n\n", "\n\nz\n\n"},
      {"long line", Stored(longLine.substr(0, 1023)) + Stored(longLine.substr(1023)) + "\n",
       longLine + "\n"},
      {"ctrl-z", Stored("ab") + "\x1a" + "ab\n\x80",
       "ab\x1a"
       "ab\n\x80"},
  };
  for (const FileCase& c : cases) {
    EXPECT_EQ(UnscrambleFile(c.stored), c.plain) << c.name;
    EXPECT_EQ(ScrambleFile(c.plain), c.stored) << c.name;
  }
}

}  // namespace
}  // namespace valdren
