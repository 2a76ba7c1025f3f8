#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "base/Scanner.h"
#include "oob/OobRecordReader.h"
#include "oob/OobRecordTestSupport.h"

namespace valdren {
namespace {

using test::AddTemplate;
using test::Describe;

// A database holding platoons 1101 to 1105 and 101, and a log to read back.
class OobRecord : public testing::Test {
 protected:
  OobRecord() {
    for (std::uint32_t reference = 1101; reference <= 1105; ++reference)
      AddTemplate(database, kPlatoon, reference, "Platoon " + std::to_string(reference));
    AddTemplate(database, kPlatoon, 101, "Platoon 101");
  }

  // Reads the first record of the text as a template of the echelon.
  ErrorText Read(std::string text, int echelon = kCompany) {
    text_ = std::move(text);
    Scanner file(text_);
    lineCounter = 0;
    return unit.ReadRecord(echelon, file, lineCounter, database, log);
  }

  std::vector<std::string> Groups() const {
    std::vector<std::string> groups;
    for (const SubunitGroup& group : unit.groups)
      groups.push_back(Describe(group));
    return groups;
  }

  OobDatabase database;
  std::ostringstream logText;
  ErrorLog log{logText};
  OrgTemplate unit{kCompany};
  int lineCounter = 0;

 private:
  std::string text_;
};

const char* const kExample =
    "[Rifle company]\n"
    "41 6 45 12 C100001 7 Rifle Company\n"
    "41 06 43 12 P1101 Headquarters\n"
    "41 6 45 12 (70) P1102 (30) P1103 Rifle Platoon\n"
    "41 6 45 12 + P01104\n"
    "41 6 45 12 P1105 [support]\n"
    "\n"
    "41 6 45 12 C100002 7 Next Company\n";

TEST_F(OobRecord, ReadsTheExampleCompanyLineByLine) {
  EXPECT_EQ(Read(kExample), std::nullopt);
  EXPECT_EQ(lineCounter, 7);  // the blank line that ends the record was read, nothing after it
  EXPECT_EQ(unit.echelon, kCompany);
  EXPECT_EQ(unit.reference, 100001u);
  EXPECT_EQ(NationOf(unit), 1);
  EXPECT_EQ(unit.Morale(), 7);
  EXPECT_EQ(unit.name, "Rifle Company");
  EXPECT_TRUE(unit.InDateRange(6, 41));
  EXPECT_TRUE(unit.InDateRange(12, 45));
  EXPECT_FALSE(unit.InDateRange(5, 41));
  EXPECT_EQ(Groups(), (std::vector<std::string>{
                          "6/41-12/43 P1101:100 | Headquarters",
                          "6/41-12/45 P1102:70 P1103:30 | Rifle Platoon",
                          "6/41-12/45 + P1104:100 | ",
                          "6/41-12/45 P1105:100 | ",
                      }));
  EXPECT_EQ(unit.groups[0].choices.First()->item, database.Find(kPlatoon, 1101));
  EXPECT_EQ(logText.str(), "");
}

TEST_F(OobRecord, TheExampleFailsOnItsFourthLineWhenAReferenceIsUnknown) {
  std::string text = kExample;
  text.replace(text.find("P1102"), 5, "P1199");
  EXPECT_EQ(Read(text), "Invalid unit reference number: 1199");
  EXPECT_EQ(lineCounter, 4);
}

TEST_F(OobRecord, ReadsRecordAfterRecordAndFindsTheEndOfTheText) {
  std::string text = std::string(kExample) + "41 6 45 12 P1101";  // no line end at the end
  Scanner file(text);
  int counter = 0;
  OrgTemplate first(kCompany), second(kCompany), none(kCompany);
  EXPECT_EQ(first.ReadRecord(kCompany, file, counter, database, log), std::nullopt);
  EXPECT_EQ(second.ReadRecord(kCompany, file, counter, database, log), std::nullopt);
  EXPECT_EQ(second.name, "Next Company");
  ASSERT_EQ(second.groups.size(), 1u);  // the last line counts without a line end
  EXPECT_EQ(counter, 9);
  EXPECT_TRUE(file.Failed());  // the record ended at the end of the text
  EXPECT_EQ(none.ReadRecord(kCompany, file, counter, database, log), std::nullopt);
  EXPECT_EQ(none.reference, 0u);
  EXPECT_EQ(counter, 9);
}

struct GroupCase {
  const char* line;
  const char* group;  // as Describe writes it
};

class GroupLine : public OobRecord, public testing::WithParamInterface<GroupCase> {};

TEST_P(GroupLine, Reads) {
  EXPECT_EQ(Read(std::string("41 6 45 12 C100001 7 Rifle Company\n") + GetParam().line + "\n"),
            std::nullopt);
  EXPECT_EQ(Groups(), std::vector<std::string>{GetParam().group});
}

INSTANTIATE_TEST_SUITE_P(
    Choices, GroupLine,
    testing::Values(
        GroupCase{"41 6 45 12 (50) P1102 (50) P1103", "6/41-12/45 P1102:50 P1103:50 | "},
        GroupCase{"41 6 45 12 P1102 (100) P1103", "6/41-12/45 P1102:100 P1103:100 | "},
        GroupCase{"41 6 45 12 (50)P1102(50)P1103 Two  words ",
                  "6/41-12/45 P1102:50 P1103:50 | Two  words "},
        GroupCase{"41 6 45 12 +P1104", "6/41-12/45 + P1104:100 | "},

        // Lower-case letters are not type prefixes: they name platoons.
        GroupCase{"41 6 45 12 c1101", "6/41-12/45 P1101:100 | "},
        GroupCase{"41 6 45 12 x1102 Other", "6/41-12/45 P1102:100 | Other"},
        // Zeros after the prefix are dropped, so the number is not read as octal.
        GroupCase{"41 6 45 12 P0101", "6/41-12/45 P101:100 | "},

        // One zero in front of a month is dropped; the rest is read in decimal.
        GroupCase{"41 08 45 09 P1101", "8/41-9/45 P1101:100 | "},
        GroupCase{"41 010 45 012 P1101", "10/41-12/45 P1101:100 | "},
        // Probabilities follow the plain number rule.
        GroupCase{"41 6 45 12 (0x46) P1102 (030) P1103", "6/41-12/45 P1102:70 P1103:24 | "},
        GroupCase{"\t41  6 45\t12   P1101   Staff\tgroup", "6/41-12/45 P1101:100 | Staff\tgroup"}));

struct ErrorCase {
  const char* line;
  const char* error;
};

class BrokenGroupLine : public OobRecord, public testing::WithParamInterface<ErrorCase> {};

TEST_P(BrokenGroupLine, EndsTheRecordWithItsErrorOnItsLine) {
  EXPECT_EQ(Read(std::string("41 6 45 12 C100001 7 Rifle Company\n"
                             "41 6 45 12 P1101 Headquarters\n") +
                 GetParam().line + "\n41 6 45 12 P1101\n"),
            GetParam().error);
  EXPECT_EQ(lineCounter, 3);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, BrokenGroupLine,
    testing::Values(
        ErrorCase{"41 6 45", "Invalid unit date range"},

        // A lone 0 month is dropped whole, so the fields shift and the range breaks.
        ErrorCase{"41 0 45 12 P1101", "Invalid unit date range"},
        ErrorCase{"41 6 99999999999 12 P1101", "Invalid unit date range"},
        ErrorCase{"41 6 45 12 (x) P1102", "Invalid unit probability value"},
        ErrorCase{"41 6 45 12 (99999999999) P1102", "Invalid unit probability value"},
        // A group name that begins with "(" is taken for another choice.
        ErrorCase{"41 6 45 12 P1101 (HQ)", "Invalid unit probability value"},
        ErrorCase{"41 6 45 12 (60 P1102", "Missing right parenthesis in unit probability"},

        ErrorCase{"41 6 45 12 1102", "Missing unit type prefix"},
        ErrorCase{"41 6 45 12", "Missing unit type prefix"},

        ErrorCase{"41 6 45 12 P1101 (50)", "Missing unit type prefix"},
        ErrorCase{"41 6 45 12 P", "Missing unit reference number"},
        ErrorCase{"41 6 45 12 P00 Staff", "Missing unit reference number"},
        ErrorCase{"41 6 45 12 P0x10", "Missing unit reference number"},
        ErrorCase{"41 6 45 12 P4294967296", "Missing unit reference number"},
        ErrorCase{"41 6 45 12 P1199", "Invalid unit reference number: 1199"},
        // The number is looked up in the prefix's echelon: 1101 is a platoon, not a company.
        ErrorCase{"41 6 45 12 C1101", "Invalid unit reference number: 1101"},
        // A record can never name itself.
        ErrorCase{"41 6 45 12 C100001", "Invalid unit reference number: 100001"},
        ErrorCase{"41 6 45 12 P-1", "Invalid unit reference number: 4294967295"}));

struct HeaderCase {
  const char* line;
  std::uint32_t reference;
  int morale;
  const char* name;
  DateRange dates;
};

class HeaderLine : public OobRecord, public testing::WithParamInterface<HeaderCase> {};

// A header never fails: it keeps what it could read and the defaults of the rest.
TEST_P(HeaderLine, KeepsWhatItReadAndTheDefaultsOfTheRest) {
  const HeaderCase& c = GetParam();
  EXPECT_EQ(Read(std::string(c.line) + "\n"), std::nullopt);
  EXPECT_EQ(unit.reference, c.reference);
  EXPECT_EQ(unit.morale, c.morale);
  EXPECT_EQ(unit.name, c.name);
  EXPECT_EQ(Describe(SubunitGroup{c.dates, {}, false, {}}),
            Describe(SubunitGroup{static_cast<const DateRange&>(unit), {}, false, {}}));
}

INSTANTIATE_TEST_SUITE_P(
    Headers, HeaderLine,
    testing::Values(
        HeaderCase{
            "42 3 44 9 C0100001 5 Guards Company", 100001, 5, "Guards Company", {3, 42, 9, 44}},
        HeaderCase{"41 06 45 012 C100001 7  Two spaces", 100001, 7, " Two spaces", {6, 41, 12, 45}},
        HeaderCase{"41 6 45 12 C100001 7_Name", 100001, 7, "Name", {6, 41, 12, 45}},

        HeaderCase{"41 6 45 12 C100001 x Name", 100001, 6, "", {6, 41, 12, 45}},
        // A prefix of another echelon keeps the reference but nothing after it.
        HeaderCase{"41 6 45 12 D100001 7 Name", 100001, 6, "", {6, 41, 12, 45}},
        HeaderCase{"41 6 45 12 100001 7 Name", 0, 6, "", {6, 41, 12, 45}},
        HeaderCase{"41 6 45 12 C 7 Name", 7, 6, "", {6, 41, 12, 45}},
        HeaderCase{"42 3", 0, 6, "", {3, 42, 12, 45}},
        HeaderCase{"43 x 44 1 C100001 7 Name", 0, 6, "", {6, 43, 12, 45}}));

TEST_F(OobRecord, AHeaderOfAnotherEchelonNeedsItsOwnLetter) {
  EXPECT_EQ(Read("41 6 45 12 K600001 3 Mountain Corps\n", kCorps), std::nullopt);
  EXPECT_EQ(unit.echelon, kCorps);
  EXPECT_EQ(unit.reference, 600001u);
  EXPECT_EQ(unit.name, "Mountain Corps");
}

TEST_F(OobRecord, CommentsComeOutOfTheLineAndCommentOnlyLinesDoNotEndTheRecord) {
  EXPECT_EQ(Read("\n  \n[a company]\n"
                 "41 6 45 12 C100001 7 Rifle [first] Company [second]\n"
                 "[a comment line inside the record]\n"
                 "41 6 [x] 45 12 P1101 [one] [two] three\n"
                 "   [the bracket is never closed\n"
                 "41 6 45 12 P1102 Staff [unclosed\n"
                 "41 6 45 12 P1103 a]b [c\n"
                 "\n"),
            std::nullopt);
  EXPECT_EQ(unit.name, "Rifle  Company [second]");
  EXPECT_EQ(Groups(), (std::vector<std::string>{"6/41-12/45 P1101:100 | [one] [two] three",
                                                "6/41-12/45 P1102:100 | Staff ",
                                                "6/41-12/45 P1103:100 | a]b "}));
  EXPECT_EQ(lineCounter, 10);
  EXPECT_EQ(logText.str(),
            "Missing closing bracket on line: 7\n"
            "       [the bracket is never closed\n"
            "Missing closing bracket on line: 8\n"
            "    41 6 45 12 P1102 Staff [unclosed\n"
            "Missing closing bracket on line: 9\n"
            "    41 6 45 12 P1103 a]b [c\n");
  EXPECT_EQ(log.Entries(), 3);
}

TEST_F(OobRecord, ACommentCutByTheLimitIsUnclosedAndItsRestIsTheNextLine) {
  const std::string start = "41 6 45 12 C100001 7 " + std::string(1001, 'n');
  EXPECT_EQ(Read(start + "[comment]\n"), "Invalid unit date range");
  EXPECT_EQ(unit.name, std::string(1001, 'n'));
  EXPECT_EQ(lineCounter, 2);
  EXPECT_EQ(logText.str(), "Missing closing bracket on line: 1\n    " + start + "[\n");
}

TEST_F(OobRecord, OnlyARecordWhoseLastGroupPromotesIsReported) {
  EXPECT_EQ(Read("41 6 45 12 C100001 7 Rifle Company\n"
                 "41 6 45 12 + P1101\n"
                 "41 6 45 12 P1102\n"),
            std::nullopt);
  EXPECT_EQ(logText.str(), "");
  EXPECT_EQ(Read("41 6 45 12 C100002 7 Assault Company\n"
                 "41 6 45 12 P1101\n"
                 "41 6 45 12 +P1102 Reserve\n"),
            std::nullopt);
  EXPECT_EQ(logText.str(),
            "List of suborganizations ends in promotion:\n    100002 Assault Company\n");
  EXPECT_EQ(log.Entries(), 1);
}

TEST_F(OobRecord, ProbabilitiesOfSeveralChoicesMustAddTo100) {
  EXPECT_EQ(Read("41 6 45 12 C100001 7 Rifle Company\n"
                 "41 6 45 12 (70) P1102 (20) P1103 Rifle Platoon\n"
                 "41 6 45 12 (60) P1102 (40) P1103 Exact\n"
                 "41 6 45 12 (50) P1104 Alone\n"
                 "41 6 45 12 (2147483647) P1102 (2147483647) P1103 Huge\n"),
            std::nullopt);
  EXPECT_EQ(logText.str(),
            "Probabilities do not add to 100:\n"
            "    Rifle Platoon\n"
            "    in: 100001 Rifle Company\n"
            "Probabilities do not add to 100:\n"
            "    Huge\n"
            "    in: 100001 Rifle Company\n");
  EXPECT_EQ(unit.groups.size(), 4u);
}

TEST_F(OobRecord, AChoiceMustExistAtBothEndsOfItsGroupsRange) {
  AddTemplate(database, kPlatoon, 1106, "Late Platoon", {1, 42, 12, 45});
  AddTemplate(database, kPlatoon, 1107, "Early Platoon", {6, 41, 6, 44});
  EXPECT_EQ(Read("41 6 45 12 C100001 7 Rifle Company\n"
                 "41 6 45 12 (50) P1106 (50) P1101 Rifles\n"
                 "42 1 45 12 P1106 Later\n"
                 "41 6 44 6 P1107 Earlier\n"
                 "41 6 44 7 (50) P1107 (50) P1106\n"),
            std::nullopt);
  EXPECT_EQ(logText.str(),
            "Suborganization out of range:\n"
            "    1106 Late Platoon\n"
            "    in: Rifles\n"
            "    in: 100001 Rifle Company\n"
            "Suborganization out of range:\n"
            "    1107 Early Platoon\n"
            "    in: \n"
            "    in: 100001 Rifle Company\n"
            "Suborganization out of range:\n"
            "    1106 Late Platoon\n"
            "    in: \n"
            "    in: 100001 Rifle Company\n");
}

// A record without a reference is dropped by the loader, but its groups are still read and checked.
TEST_F(OobRecord, GroupsOfARecordWithoutHeaderAreStillChecked) {
  EXPECT_EQ(Read("Rifle Company\n41 6 45 12 (60) P1101 (50) P1102 Rifles\n"), std::nullopt);
  EXPECT_EQ(unit.reference, 0u);
  EXPECT_EQ(unit.groups.size(), 1u);
  EXPECT_EQ(logText.str(), "Probabilities do not add to 100:\n    Rifles\n    in: 0 \n");
}

}  // namespace
}  // namespace valdren
