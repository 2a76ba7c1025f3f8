// Loading the database: the platoon file, scrambled line by line, the records of the other files,
// then every file of the folder in its order.
#include "oob/DatabaseLoader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "base/Scanner.h"
#include "oob/ErrorLog.h"
#include "oob/OobDatabase.h"
#include "oob/OobRecordReader.h"
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

// What reading the first record of a text as a company gave.
struct Record {
  ErrorText error;
  std::string header;  // "100001 7 6/41-12/45 |Rifle Company|": reference, morale, dates, name
  Names groups;        // as Describe writes them
  std::string log;
  int lineCounter = 0;
};

// A group in one line: "6/41-12/45 + P1102:70 P1103:30 | name" (the "+" only when marked).
std::string Describe(const SubunitGroup& group) {
  std::string text = Dates(group) + (group.promotion ? " +" : "");
  for (const SubunitChoice& choice : group.choices)
    text += ' ' + (EchelonLetter(choice.item->echelon) + std::to_string(choice.item->reference)) +
            ':' + std::to_string(choice.weight);
  return text + " | " + group.name.Std();
}

// Platoons 1101 to 1105 and 101 exist throughout the war, 1106 from January 1942 only and 1107
// up to June 1944 only; 1108 and 1109 have dates that do not fit two digits.
class OobRecord : public testing::Test {
 protected:
  OobRecord() {
    for (std::uint32_t reference = 1101; reference <= 1105; ++reference)
      data.Platoon(reference, "Platoon " + std::to_string(reference));
    data.Platoon(101, "Platoon 101");
    data.Platoon(1106, "Late Platoon", 0, {1, 42, 12, 45});
    data.Platoon(1107, "Early Platoon", 0, {6, 41, 6, 44});
    data.Platoon(1108, "Wide Platoon", 0, {1, 1942, 12, 1945});
    data.Platoon(1109, "Early Wide Platoon", 0, {6, -1, 12, 45});
  }

  Record Read(const std::string& text) const {
    Scanner file(text);
    std::ostringstream logText;
    ErrorLog log(logText);
    OrgTemplate unit(kCompany);
    Record record;
    record.error = unit.ReadRecord(kCompany, file, record.lineCounter, data.database, log);
    record.header = std::to_string(unit.reference) + ' ' + std::to_string(unit.Morale()) + ' ' +
                    Dates(unit) + " |" + unit.name.Std() + '|';
    for (const SubunitGroup& group : unit.groups)
      record.groups.push_back(Describe(group));
    record.log = logText.str();
    return record;
  }

  TestDatabase data;
};

const std::string kHeader = "41 6 45 12 C100001 7 Rifle Company\n";

// The example company with comments (an unclosed one cuts the line off and is logged; "]" before
// "[" closes nothing), one character between morale and name, blanks of any kind, probabilities by
// the integer rule, a lower-case type letter, and leading zeros that are not octal.
TEST_F(OobRecord, ReadsTheExampleCompany) {
  const Record record = Read(
      "\n  \n[Rifle company]\n"
      "41 6 45 12 C100001 7  Rifle Company [first] [second]\n"
      "41 06 43 12 P1101 Headquarters\n"
      "[a comment line inside the record]\n"
      "41 6 45 12 (70) P1102 (30) P1103 Rifle Platoon\n"
      "   [the bracket is never closed\n"
      "41 6 45 12 + P01104\n"
      "41 6 45 12 P1105 a]b [support\n"
      "\t41  08 45\t010   +P0101   Staff\tgroup\n"
      "41 6 45 12 (0x46)P1102(036)c1101 Two  words \n"
      "\n"
      "41 6 45 12 C100002 7 Next Company\n");
  EXPECT_EQ(record.error, std::nullopt);
  EXPECT_EQ(record.header, "100001 7 6/41-12/45 | Rifle Company  [second]|");
  EXPECT_EQ(record.groups,
            (Names{"6/41-12/43 P1101:100 | Headquarters",
                   "6/41-12/45 P1102:70 P1103:30 | Rifle Platoon", "6/41-12/45 + P1104:100 | ",
                   "6/41-12/45 P1105:100 | a]b ", "8/41-10/45 + P101:100 | Staff\tgroup",
                   "6/41-12/45 P1102:70 P1101:30 | Two  words "}));
  EXPECT_EQ(record.lineCounter, 13);  // the blank line that ends the record, nothing after it
  EXPECT_EQ(record.log,
            "Missing closing bracket on line: 8\n"
            "       [the bracket is never closed\n"
            "Missing closing bracket on line: 10\n"
            "    41 6 45 12 P1105 a]b [support\n");
}

// A group line that cannot be read ends the record at once with its error.
TEST_F(OobRecord, AGroupLineThatCannotBeReadEndsTheRecord) {
  const std::pair<const char*, const char*> cases[] = {
      {"41 6 45", "Invalid unit date range"},
      // A lone 0 month is dropped whole, so the fields shift and the range breaks.
      {"41 0 45 12 P1101", "Invalid unit date range"},
      {"41 6 45 12 (x) P1102", "Invalid unit probability value"},
      {"41 6 45 12 (60 P1102", "Missing right parenthesis in unit probability"},
      {"41 6 45 12 1102", "Missing unit type prefix"},
      {"41 6 45 12", "Missing unit type prefix"},
      {"41 6 45 12 P00 Staff", "Missing unit reference number"},
      {"41 6 45 12 P1199", "Invalid unit reference number: 1199"},
      // The number is looked up in the prefix's echelon: 1101 is a platoon, not a company.
      {"41 6 45 12 C1101", "Invalid unit reference number: 1101"},
  };
  for (const auto& [line, error] : cases)
    EXPECT_EQ(Read(kHeader + line + "\n41 6 45 12 P1101\n").error, error) << line;
}

// The log reads as if each line were checked before the next is read: a warning of a group comes
// before an unclosed comment further down, and nothing after a line that fails is logged.
TEST_F(OobRecord, TheLogKeepsTheOrderOfTheLines) {
  const std::string in = "    in: 100001 Rifle Company\n";
  const std::string outOfRange =
      "Suborganization out of range:\n    1106 Late Platoon\n    in: Rifles\n" + in;
  const Record checked = Read(kHeader +
                              "41 6 45 12 P1106 Rifles\n"
                              "41 6 45 12 P1101 First [open\n"
                              "41 6 45 12 (50) P1102 (20) P1103 Sum\n"
                              "[open again\n"
                              "\n");
  EXPECT_EQ(checked.error, std::nullopt);
  EXPECT_EQ(checked.log, outOfRange +
                             "Missing closing bracket on line: 3\n"
                             "    41 6 45 12 P1101 First [open\n"
                             "Probabilities do not add to 100:\n    Sum\n" +
                             in +
                             "Missing closing bracket on line: 5\n"
                             "    [open again\n");
  EXPECT_EQ(checked.lineCounter, 6);

  const Record failed = Read(kHeader +
                             "41 6 45 12 P1106 Rifles\n"
                             "41 6 45 12 P1199 Missing\n"
                             "41 6 45 12 P1101 Later [open\n"
                             "41 6 45 12 (x) P1101\n");
  EXPECT_EQ(failed.error, "Invalid unit reference number: 1199");
  EXPECT_EQ(failed.log, outOfRange);
  EXPECT_EQ(failed.lineCounter, 3);
  EXPECT_EQ(failed.groups.size(), 1u);  // the groups before the line that failed
}

// A header keeps what it could read and the defaults of the rest; a prefix of another echelon
// keeps the reference but nothing after it. (The loader drops a record left without reference.)
TEST_F(OobRecord, AHeaderKeepsWhatItReadAndTheDefaultsOfTheRest) {
  EXPECT_EQ(Read("41 6 45 12 D100001 7 Name\n").header, "100001 6 6/41-12/45 ||");
  EXPECT_EQ(Read("42 3\n").header, "0 6 3/42-12/45 ||");
}

TEST_F(OobRecord, WarningsGoToTheLogAndTheRecordStillLoads) {
  const Record record = Read(kHeader +
                             "41 6 45 12 (70) P1102 (20) P1103 Rifle Platoon\n"
                             "41 6 45 12 (50) P1104 Alone\n"  // only several choices are summed
                             "41 6 45 12 P1102 (100) P1103 Both\n"
                             // A sum held in 32 bits would wrap round to exactly 100.
                             "41 6 45 12 (2147483647) P1102 (2147483647) P1103 (102) P1104 Huge\n"
                             // A choice must exist at both ends of its group's range.
                             "41 6 45 12 (50) P1106 (50) P1101 Rifles\n"
                             "42 1 45 12 P1106 Later\n"
                             "41 6 44 6 P1107 Earlier\n"
                             "41 6 44 7 + P1107\n"
                             // Wide dates are compared as written: 1942 is neither 42 nor any
                             // other number that fits a byte, and a year -1 comes before all.
                             "1942 1 1945 12 P1108 Inside\n"
                             "41 6 45 12 P1109 Inside Too\n"
                             "1941 6 1945 12 + P1108 Before\n");
  EXPECT_EQ(record.error, std::nullopt);
  EXPECT_EQ(record.groups.size(), 11u);
  const std::string in = "    in: 100001 Rifle Company\n";
  EXPECT_EQ(record.log,
            "Probabilities do not add to 100:\n    Rifle Platoon\n" + in +
                "Probabilities do not add to 100:\n    Both\n" + in +
                "Probabilities do not add to 100:\n    Huge\n" + in +
                "Suborganization out of range:\n    1106 Late Platoon\n    in: Rifles\n" + in +
                "Suborganization out of range:\n    1107 Early Platoon\n    in: \n" + in +
                "Suborganization out of range:\n    1108 Wide Platoon\n    in: Before\n" + in +
                "List of suborganizations ends in promotion:\n    100001 Rifle Company\n");
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
