#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "base/Scanner.h"
#include "oob/ErrorLog.h"
#include "oob/OobRecordReader.h"
#include "support/TestData.h"

namespace valdren {
namespace {

using Lines = std::vector<std::string>;

// What reading the first record of a text as a company gave.
struct Record {
  ErrorText error;
  std::string header;  // "100001 7 6/41-12/45 |Rifle Company|": reference, morale, dates, name
  Lines groups;        // as Describe writes them
  std::string log;
  int warnings = 0;
  int lineCounter = 0;
};

// A group in one line: "6/41-12/45 + P1102:70 P1103:30 | name" (the "+" only when marked).
std::string Describe(const SubunitGroup& group) {
  std::string text = test::Dates(group) + (group.promotion ? " +" : "");
  for (const SubunitChoice& choice : group.choices)
    text += ' ' + (EchelonLetter(choice.item->echelon) + std::to_string(choice.item->reference)) +
            ':' + std::to_string(choice.weight);
  return text + " | " + group.name.Std();
}

// Platoons 1101 to 1105 and 101 exist throughout the war, 1106 from January 1942 only and 1107
// up to June 1944 only.
class OobRecord : public testing::Test {
 protected:
  OobRecord() {
    for (std::uint32_t reference = 1101; reference <= 1105; ++reference)
      data.Platoon(reference, "Platoon " + std::to_string(reference));
    data.Platoon(101, "Platoon 101");
    data.Platoon(1106, "Late Platoon", 0, {1, 42, 12, 45});
    data.Platoon(1107, "Early Platoon", 0, {6, 41, 6, 44});
  }

  Record Read(const std::string& text) const {
    Scanner file(text);
    std::ostringstream logText;
    ErrorLog log(logText);
    OrgTemplate unit(kCompany);
    Record record;
    record.error = unit.ReadRecord(kCompany, file, record.lineCounter, data.database, log);
    record.header = std::to_string(unit.reference) + ' ' + std::to_string(unit.Morale()) + ' ' +
                    test::Dates(unit) + " |" + unit.name.Std() + '|';
    for (const SubunitGroup& group : unit.groups)
      record.groups.push_back(Describe(group));
    record.log = logText.str();
    record.warnings = log.Entries();
    return record;
  }

  test::TestDatabase data;
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
            (Lines{"6/41-12/43 P1101:100 | Headquarters",
                   "6/41-12/45 P1102:70 P1103:30 | Rifle Platoon", "6/41-12/45 + P1104:100 | ",
                   "6/41-12/45 P1105:100 | a]b ", "8/41-10/45 + P101:100 | Staff\tgroup",
                   "6/41-12/45 P1102:70 P1101:30 | Two  words "}));
  EXPECT_EQ(record.lineCounter, 13);  // the blank line that ends the record, nothing after it
  EXPECT_EQ(record.log,
            "Missing closing bracket on line: 8\n"
            "       [the bracket is never closed\n"
            "Missing closing bracket on line: 10\n"
            "    41 6 45 12 P1105 a]b [support\n");
  EXPECT_EQ(record.warnings, 2);
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
                             "41 6 44 7 + P1107\n");
  EXPECT_EQ(record.error, std::nullopt);
  EXPECT_EQ(record.groups.size(), 8u);
  const std::string in = "    in: 100001 Rifle Company\n";
  EXPECT_EQ(record.log,
            "Probabilities do not add to 100:\n    Rifle Platoon\n" + in +
                "Probabilities do not add to 100:\n    Both\n" + in +
                "Probabilities do not add to 100:\n    Huge\n" + in +
                "Suborganization out of range:\n    1106 Late Platoon\n    in: Rifles\n" + in +
                "Suborganization out of range:\n    1107 Early Platoon\n    in: \n" + in +
                "List of suborganizations ends in promotion:\n    100001 Rifle Company\n");
  EXPECT_EQ(record.warnings, 6);
}

// Ranges whose numbers do not fit two digits are compared as they were written: 1942 is neither
// 42 nor any other number that fits a byte, and a year -1 comes before every other.
TEST_F(OobRecord, ChoicesWithWideDatesAreCheckedAsWritten) {
  data.Platoon(1108, "Wide Platoon", 0, {1, 1942, 12, 1945});
  data.Platoon(1109, "Early Wide Platoon", 0, {6, -1, 12, 45});
  const Record record = Read(kHeader +
                             "1942 1 1945 12 P1108 Inside\n"
                             "41 6 45 12 P1109 Inside Too\n"
                             "1941 6 1945 12 P1108 Before\n");
  EXPECT_EQ(record.error, std::nullopt);
  EXPECT_EQ(record.log,
            "Suborganization out of range:\n    1108 Wide Platoon\n    in: Before\n"
            "    in: 100001 Rifle Company\n");
}

}  // namespace
}  // namespace valdren
