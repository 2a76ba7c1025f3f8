// Loading the database: the platoon file, scrambled line by line, then every file of the folder
// in its order.
#include "oob/DatabaseLoader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "oob/ErrorLog.h"
#include "oob/OobDatabase.h"
#include "oob/OrgTemplate.h"
#include "oob/PlatoonFile.h"
#include "oob/PlatoonTemplate.h"
#include "support/GameFolder.h"
#include "support/TestData.h"

namespace valdren::test {
namespace {

using namespace std::string_literals;
using Names = std::vector<std::string>;

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
  return text + ' ' + p.mark + ' ' + p.word.Std() + ' ' + Dates(p) + ' ' + p.name.Std() + '|' +
         p.secondName.Std() + '|' + p.thirdName.Std();
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

// A platoon line as the game stores it, with every item given.
std::string StoredPlatoon(const std::string& reference, const std::string& name) {
  return Stored("P" + reference +
                " 3 0 0 0 0 0 0 0 0 M 0 0 0 0 0 0 0 W 0 0 0 0 0 0 41 6 45 12 0 0 0 " + name);
}

// The names of the templates loaded, in load order.
Names NamesOf(const OobDatabase& database) {
  Names names;
  for (const auto& node : database.Templates())
    names.push_back(node.item->name.Std());
  return names;
}

// Numbered files 00 to 19 replace the plain file and are read in number order, echelon by
// echelon from the platoons up; a folder is no file. Each file holds one record named after the
// file, with CR LF line ends and bytes after a Ctrl-Z that must never be read.
TEST(LoadDatabase, NumberedFilesReplaceThePlainFileAndAreReadInOrderEchelonByEchelon) {
  GameFolder folder;
  int reference = 100001;
  for (const std::string file :
       {"army.oob", "platoon.obx", "platoon07.obx", "platoon03.obx", "company.oob", "company07.oob",
        "company05.oob", "company19.oob", "company20.oob", "corps.oob", "battalion00.oob/",
        "battalion.oob", "regiment.oob/"}) {
    const std::string stem = file.substr(0, file.find_first_of("0123456789."));
    int echelon = kPlatoon;
    while (EchelonStem(echelon) != stem)
      ++echelon;
    const std::string number = std::to_string(reference++);
    if (file.ends_with('/'))
      std::filesystem::create_directory(folder.Path() / file);
    else if (echelon == kPlatoon)
      folder.Write(file, StoredPlatoon(number, file) + "\r\n\x1a" + StoredPlatoon(number, "?"));
    else
      folder.Write(file, "41 6 45 12 "s + EchelonLetter(echelon) + number + " 7 " + file +
                             "\r\n\x1a\r\nnever read\r\n");
  }
  OobDatabase database;
  std::ostringstream warnings;
  ErrorLog log(warnings);
  EXPECT_EQ(database.LoadDatabase(folder.Path(), log), std::nullopt);
  EXPECT_EQ(NamesOf(database),
            (Names{"platoon03.obx", "platoon07.obx", "company05.oob", "company07.oob",
                   "company19.oob", "battalion.oob", "corps.oob", "army.oob"}));
}

TEST(LoadDatabase, TheFirstErrorNamesFileAndLineEndsTheLoadAndKeepsWhatCameBefore) {
  GameFolder folder;
  folder.Write("platoon.obx", StoredPlatoon("1101", "Rifle Platoon") + "\n");
  const std::string name = "Second \xe9\x00\xff"s;  // names are bytes, kept as they are
  folder.Write("company.oob",
               "41 6 45 12 C100001 7 Rifles\n41 6 45 12 (60) P1101 (60) P1101 Twice\n\n\n"
               "A header without reference drops its record\n41 6 45 12 C100001 Read\n\n"
               "[comment]\n41 6 45 12 C100002 7 " +
                   name + "\n41 6 45 12 C100001 Names an earlier record of its echelon");
  folder.Write("battalion.oob",
               "41 6 45 12 B200001 7 First\n41 6 45 12 C100001\n\n"
               "41 6 45 12 B200002 7 Second\n41 6 45 12 C100009\n");
  folder.Write("regiment.oob", "41 6 45 12 R300001 7 Regiment\n");
  OobDatabase database;
  std::ostringstream warnings;
  ErrorLog log(warnings);
  EXPECT_EQ(database.LoadDatabase(folder.Path(), log),
            "File battalion.oob: line 5: Invalid unit reference number: 100009");
  EXPECT_EQ(NamesOf(database), (Names{"Rifle Platoon", "Rifles", name, "First"}));
  EXPECT_EQ(warnings.str(), "Probabilities do not add to 100:\n    Twice\n    in: 100001 Rifles\n");

  // A long line is read in pieces of 1023 characters: the rest is the next line.
  OobDatabase again;
  folder.Write("company.oob", "41 6 45 12 C100001 7 " + std::string(100000, 'n') + "\n");
  EXPECT_EQ(again.LoadDatabase(folder.Path(), log),
            "File company.oob: line 2: Invalid unit date range");
}

TEST(ErrorLogFile, StartsEmptyAtEveryRunAndIsOptional) {
  GameFolder folder;
  folder.Write("error.log", "the last run's warnings\n");
  {
    ErrorLogFile file(folder.Path());
    EXPECT_TRUE(file.IsOpen());
    EXPECT_EQ(folder.Read("error.log"), "");
    file.Log().MissingClosingBracket(3, "[open");
  }
  EXPECT_EQ(folder.Read("error.log"), "Missing closing bracket on line: 3\n    [open\n");

  ErrorLogFile nowhere(folder.Path() / "missing");
  EXPECT_FALSE(nowhere.IsOpen());
  nowhere.Log().MissingClosingBracket(1, "[");  // dropped without harm
}

}  // namespace
}  // namespace valdren::test
