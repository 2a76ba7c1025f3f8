#include <gtest/gtest.h>

#include <string>

#include "base/Scanner.h"
#include "org/OrgFile.h"
#include "org/OrgTrees.h"

namespace valdren {
namespace {

using test::Add;
using test::AddGroup;
using test::Dump;

// A battalion with a company (a leader and a rifle platoon) and a platoon of its own, then a
// separate platoon of another morale.
void BuildExample(OrgRoot& root) {
  root.nextId = 6;
  OrgGroup& battalion = AddGroup(root, nullptr, 2, 200123, 0, 6, "1st Battalion");
  OrgGroup& company = AddGroup(root, &battalion, 1, 200045, 1, 6, "1st Company");
  Add(root, &company, 0, 2403, 2, 6, "Company Leader");
  Add(root, &company, 0, 2101, 3, 6, "Rifle Platoon");
  Add(root, &battalion, 0, 2101, 4, 6, "Rifle Platoon");
  Add(root, nullptr, 0, 2102, 5, 7, "Independent Unit");
}

const std::string kExampleFile =
    "1\r\n"
    "6\r\n"
    "6 41\r\n"
    "B200123 0 6 1st Battalion\r\n"
    "    C200045 1 6 1st Company\r\n"
    "        P2403 2 6 Company Leader\r\n"
    "        P2101 3 6 Rifle Platoon\r\n"
    "        End\r\n"
    "    P2101 4 6 Rifle Platoon\r\n"
    "    End\r\n"
    "P2102 5 7 Independent Unit\r\n";

const std::string kExampleDump =
    "B200123#0:6'1st Battalion'[C200045#1:6'1st Company'[P2403#2:6'Company Leader', "
    "P2101#3:6'Rifle Platoon'], P2101#4:6'Rifle Platoon'], P2102#5:7'Independent Unit'";

TEST(OrgFormat, WritesTheExampleByteForByte) {
  OrgRoot root;
  BuildExample(root);
  EXPECT_EQ(WriteOrganization(root), kExampleFile);
}

TEST(OrgFormat, ReadsTheExampleWithEitherLineEnd) {
  std::string lineFeeds = kExampleFile;
  std::erase(lineFeeds, '\r');
  for (const std::string& file : {kExampleFile, lineFeeds}) {
    OrgRoot root;
    ASSERT_TRUE(ReadOrganization(root, file));
    EXPECT_EQ(Dump(root), kExampleDump);
    EXPECT_EQ(root.version, 1);
    EXPECT_EQ(root.nextId, 6);
    EXPECT_EQ(root.month, 6);
    EXPECT_EQ(root.year, 41);
    EXPECT_EQ(WriteOrganization(root), kExampleFile);
  }
}

struct ReadCase {
  const char* what;
  std::string file;  // the lines after the header "1", "9", "6 41"
  bool ok;
  std::string dump;
};

void PrintTo(const ReadCase& c, std::ostream* out) {
  *out << c.what;
}

class OrgReader : public testing::TestWithParam<ReadCase> {};

TEST_P(OrgReader, KeepsWhatItCanRead) {
  const ReadCase& c = GetParam();
  OrgRoot root;
  EXPECT_EQ(ReadOrganization(root, "1\r\n9\r\n6 41\r\n" + c.file), c.ok) << c.what;
  EXPECT_EQ(Dump(root), c.dump) << c.what;
  EXPECT_EQ(root.nextId, 9) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Tolerance, OrgReader,
    testing::Values(
        ReadCase{"header only", "", true, ""},
        ReadCase{"blank lines between top-level items",
                 "\r\nP1 0 6 A\r\n\r\n   \r\n\r\nP2 1 6 B\r\n", true, "P1#0:6'A', P2#1:6'B'"},
        // The empty line closes the company; the next platoon joins the battalion, whose own
        // end line is taken as the battalion's; so one end line is left over at the top level.
        ReadCase{"empty line ends a group early",
                 "B1 0 6 Bn\r\n    C2 1 6 Co\r\n        P3 2 6 A\r\n\r\n        P4 3 6 B\r\n"
                 "        End\r\n    P5 4 6 C\r\n    End\r\n",
                 false, "B1#0:6'Bn'[C2#1:6'Co'[P3#2:6'A'], P4#3:6'B'], P5#4:6'C'"},
        ReadCase{"group cut off by the end of the file", "C1 0 6 Co\r\n    P2 1 6 A\r\n", true,
                 "C1#0:6'Co'[P2#1:6'A']"},
        ReadCase{"group line alone at the end", "C1 0 6 Co", true, "C1#0:6'Co'[]"},
        ReadCase{"end line without a line end", "P7 0 6 A\r\nC1 1 6 Co\r\n    P2 2 6 A\r\n    End",
                 false, "P7#0:6'A'"},
        ReadCase{"end line at the top level", "P1 0 6 A\r\nEnd\r\nP2 1 6 B\r\n", false,
                 "P1#0:6'A'"},
        ReadCase{"only the E of an end line counts",
                 "C1 0 6 Co\r\n    P2 1 6 A\r\n  Exit, not End\r\nP3 2 6 B\r\n", true,
                 "C1#0:6'Co'[P2#1:6'A'], P3#2:6'B'"},
        ReadCase{
            "failure inside a subtree loses that top-level item only",
            "P1 0 6 A\r\nB2 1 6 Bn\r\n    C3 2 6 Co\r\n        P4 x 6 broken\r\n        End\r\n"
            "    End\r\nP5 4 6 C\r\n",
            false, "P1#0:6'A'"},
        ReadCase{"leading zeros after the letter", "P02403 0 6 A\r\nC000045 1 6 B\r\n    End\r\n",
                 true, "P2403#0:6'A', C45#1:6'B'[]"},
        ReadCase{"reference 0", "P0 5 6 Zero\r\nK00 6 7 Corps\r\n    End\r\n", true,
                 "P0#5:6'Zero', K0#6:7'Corps'[]"},
        ReadCase{"unknown letters are platoons", "X7 0 6 A\r\np8 1 6 B\r\nE9 2 6 C\r\n", true,
                 "P7#0:6'A', P8#1:6'B', P9#2:6'C'"},
        // The letter is taken as the blank of the indentation and the first digit as the letter.
        ReadCase{"unindented line inside a group", "C1 0 6 Co\r\nP2101 1 6 A\r\n", true,
                 "C1#0:6'Co'[P101#1:6'A']"},
        ReadCase{"names keep their blanks and may be empty",
                 "P1 0 6   two  blanks  \r\nP2 1 6 \r\n", true,
                 "P1#0:6'  two  blanks  ', P2#1:6''"},
        ReadCase{"the one character after the morale belongs to no name", "P1 0 6\r\nP2 1 6 B\r\n",
                 true, "P1#0:6'P2 1 6 B'"},
        ReadCase{"signed ids and morales", "P1 -4 -2 A\r\n", true, "P1#-4:-2'A'"},
        // A group whose own line cannot be read stays, empty; the rest of its line then fails.
        ReadCase{"group line without numbers", "P1 0 6 A\r\nCx\r\nP2 1 6 B\r\n", false,
                 "P1#0:6'A', C0#0:0''[]"},
        ReadCase{"the end-of-text byte ends the file", "P1 0 6 A\r\n\x1aP2 1 6 B\r\n", true,
                 "P1#0:6'A'"}),
    [](const testing::TestParamInfo<ReadCase>& info) {
      return "Case" + std::to_string(info.index);
    });

struct HeaderCase {
  std::string file;
  bool ok;
  int version, nextId, month, year;
};

void PrintTo(const HeaderCase& c, std::ostream* out) {
  *out << testing::PrintToString(c.file);
}

class OrgHeader : public testing::TestWithParam<HeaderCase> {};

TEST_P(OrgHeader, DecidesTheDateAndCounter) {
  const HeaderCase& c = GetParam();
  OrgRoot root;
  root.nextId = 55;
  EXPECT_EQ(ReadOrganization(root, c.file), c.ok) << c.file;
  EXPECT_EQ(root.version, c.version);
  EXPECT_EQ(root.nextId, c.nextId);
  EXPECT_EQ(root.month, c.month);
  EXPECT_EQ(root.year, c.year);
  EXPECT_TRUE(root.items.Empty());
}

INSTANTIATE_TEST_SUITE_P(
    Headers, OrgHeader,
    testing::Values(HeaderCase{"1\r\n12\r\n3 44\r\n", true, 1, 12, 3, 44},
                    HeaderCase{"1\n7\n5 42", true, 1, 7, 5, 42},
                    HeaderCase{"1 7 05 42\n", true, 1, 7, 5, 42},
                    HeaderCase{"2\r\n9\r\n3 43\r\nP1 0 6 A\r\n", true, 2, 0, 6, 41},
                    HeaderCase{"one\r\n", false, 1, 0, 6, 41}, HeaderCase{"", false, 1, 0, 6, 41},
                    HeaderCase{"1\r\n6\r\n6\r\n", false, 1, 6, 6, 41}));

std::string Nested(int groups) {
  std::string file = "1\r\n0\r\n6 41\r\n";
  for (int depth = 0; depth < groups; ++depth)
    file += std::string(static_cast<std::size_t>(depth), ' ') + "C1 0 6 x\r\n";
  return file;
}

TEST(OrgFormat, RefusesNestingBeyondAnyEchelonStructureInsteadOfExhaustingTheStack) {
  OrgRoot root;
  EXPECT_TRUE(ReadOrganization(root, Nested(kMaxOrgDepth)));
  EXPECT_EQ(root.items.Size(), 1u);
  EXPECT_FALSE(ReadOrganization(root, Nested(kMaxOrgDepth + 1)));
  EXPECT_TRUE(root.items.Empty());
}

TEST(OrgFormat, NamesAreWrittenToReadBackAsOneLine) {
  OrgRoot root;
  root.nextId = 3;
  const std::string longName(1500, 'n');
  Add(root, nullptr, 0, 1, 0, 6, "two\r\nlines\rand\nmore");
  Add(root, nullptr, 0, 2, 1, 6, "ends\x1a here");
  Add(root, nullptr, 0, 3, 2, 6, longName);
  Add(root, nullptr, 0, 4, 3, 6, "last");
  OrgRoot back;
  ASSERT_TRUE(ReadOrganization(back, WriteOrganization(root)));
  EXPECT_EQ(Dump(back), "P1#0:6'two  lines and more', P2#1:6'ends  here', P3#2:6'" +
                            std::string(1022, 'n') + "', P4#3:6'last'");
}

TEST(OrgFormat, ANameOfTheLongestReadableLengthStaysWhole) {
  OrgRoot root;
  Add(root, nullptr, 0, 1, 0, 6, std::string(1022, 'a'));
  OrgRoot back;
  ASSERT_TRUE(ReadOrganization(back, WriteOrganization(root)));
  EXPECT_EQ(back.items.First()->item->name.Length(), 1022u);
}

TEST(OrgFormat, ReferenceZeroReadsBack) {
  OrgRoot root;
  root.nextId = 2;
  OrgGroup& group = AddGroup(root, nullptr, 3, 0, 0, 6, "R");
  Add(root, &group, 0, 0, 1, 6, "P");
  EXPECT_EQ(WriteOrganization(root), "1\r\n2\r\n6 41\r\nR0 0 6 R\r\n    P0 1 6 P\r\n    End\r\n");
  OrgRoot back;
  ASSERT_TRUE(ReadOrganization(back, WriteOrganization(root)));
  EXPECT_EQ(Dump(back), "R0#0:6'R'[P0#1:6'P']");
}

TEST(OrgFormat, ReadingClearsWhatWasThere) {
  OrgRoot root;
  BuildExample(root);
  ASSERT_TRUE(ReadOrganization(root, "1\r\n3\r\n2 40\r\nP9 0 6 A\r\n"));
  EXPECT_EQ(Dump(root), "P9#0:6'A'");
}

}  // namespace
}  // namespace valdren
