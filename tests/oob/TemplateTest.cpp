#include <gtest/gtest.h>

#include "oob/OobRecordTestSupport.h"

namespace valdren {
namespace {

using test::AddTemplate;

struct DateCase {
  DateRange range;
  int month;
  int year;
  bool in;
};

class DateRangeTest : public testing::TestWithParam<DateCase> {};

TEST_P(DateRangeTest, ComparesYearFirstThenMonthBothEndsIncluded) {
  const DateCase& c = GetParam();
  EXPECT_EQ(c.range.InDateRange(c.month, c.year), c.in);
}

constexpr DateRange kDefault{};
constexpr DateRange kMarch42{3, 42, 3, 42};
constexpr DateRange kBackwards{6, 44, 6, 43};

INSTANTIATE_TEST_SUITE_P(
    Edges, DateRangeTest,
    testing::Values(DateCase{kDefault, 6, 41, true}, DateCase{kDefault, 5, 41, false},
                    DateCase{kDefault, 12, 45, true}, DateCase{kDefault, 1, 46, false},
                    DateCase{kDefault, 1, 42, true}, DateCase{kDefault, 12, 40, false},
                    DateCase{kMarch42, 3, 42, true}, DateCase{kMarch42, 2, 42, false},
                    DateCase{kMarch42, 4, 42, false}, DateCase{kMarch42, 3, 41, false},
                    DateCase{kMarch42, 3, 43, false}, DateCase{kBackwards, 6, 44, false},
                    DateCase{kBackwards, 6, 43, false}, DateCase{kBackwards, 12, 43, false}));

TEST(OobDatabase, FindsTheFirstTemplateLoadedOfTheEchelon) {
  OobDatabase database;
  const UnitTemplate* company = AddTemplate(database, kCompany, 1234, "Company");
  const UnitTemplate* first = AddTemplate(database, kBattalion, 1234, "First battalion");
  AddTemplate(database, kBattalion, 1234, "Second battalion");
  EXPECT_EQ(database.Find(kBattalion, 1234), first);
  EXPECT_EQ(database.Find(kCompany, 1234), company);
  EXPECT_EQ(database.Find(kPlatoon, 1234), nullptr);
  EXPECT_EQ(database.Find(kBattalion, 1235), nullptr);
  EXPECT_EQ(database.Find(-1, 1234), nullptr);
  EXPECT_EQ(database.Find(kEchelonCount, 1234), nullptr);
  EXPECT_EQ(database.Count(kBattalion), 2u);
  EXPECT_EQ(database.Templates().Size(), 3u);
}

struct ReferenceCase {
  int echelon;
  std::uint32_t reference;
  int nation;
  int category;
};

class ReferenceDigits : public testing::TestWithParam<ReferenceCase> {};

TEST_P(ReferenceDigits, GiveNationAndCategory) {
  OobDatabase database;
  const ReferenceCase& c = GetParam();
  const UnitTemplate& unit = *AddTemplate(database, c.echelon, c.reference, "");
  EXPECT_EQ(NationOf(unit), c.nation);
  EXPECT_EQ(CategoryOf(unit), c.category);
}

INSTANTIATE_TEST_SUITE_P(Numbers, ReferenceDigits,
                         testing::Values(ReferenceCase{kPlatoon, 1403, 1, 4},
                                         ReferenceCase{kPlatoon, 19512, 19, 5},
                                         ReferenceCase{kPlatoon, 1712345, 12, 3},
                                         ReferenceCase{kCompany, 1712345, 17, 3},
                                         ReferenceCase{kArmy, 100001, 1, 0},
                                         ReferenceCase{kDivision, 4294967295u, 49, 2}));

TEST(Echelon, LettersBothWays) {
  const char letters[] = "PCBRGDKA";
  for (int echelon = 0; echelon < kEchelonCount; ++echelon) {
    EXPECT_EQ(EchelonLetter(echelon), letters[echelon]);
    EXPECT_EQ(EchelonFromLetter(letters[echelon]), echelon);
  }
  EXPECT_EQ(EchelonLetter(-1), 'X');
  EXPECT_EQ(EchelonLetter(8), 'X');
  for (const char other : {'c', 'k', 'X', 'p', '0', '\0', '\xff'})
    EXPECT_EQ(EchelonFromLetter(other), kPlatoon) << other;
}

TEST(SubunitGroup, FirstChoiceEchelon) {
  OobDatabase database;
  SubunitGroup group;
  EXPECT_EQ(group.FirstChoiceEchelon(), 0);
  group.choices.Append(AddTemplate(database, kRegiment, 1, ""), 50);
  group.choices.Append(AddTemplate(database, kBattalion, 1, ""), 50);
  EXPECT_EQ(group.FirstChoiceEchelon(), kRegiment);
  const SubunitGroup copy = group;  // shares the templates, not the nodes
  group.choices.Clear();
  EXPECT_EQ(copy.FirstChoiceEchelon(), kRegiment);
  EXPECT_EQ(copy.choices.First()->weight, 50);
}

}  // namespace
}  // namespace valdren
