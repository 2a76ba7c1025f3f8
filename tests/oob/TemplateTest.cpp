#include <gtest/gtest.h>

#include "oob/OobRecordTestSupport.h"

namespace valdren {
namespace {

using test::AddTemplate;

TEST(DateRange, ComparesYearFirstThenMonthBothEndsIncluded) {
  constexpr DateRange kDefault{}, kMarch42{3, 42, 3, 42}, kBackwards{6, 44, 6, 43};
  const struct {
    DateRange range;
    int month, year;
    bool in;
  } cases[] = {{kDefault, 6, 41, true},   {kDefault, 5, 41, false}, {kDefault, 12, 45, true},
               {kDefault, 1, 46, false},  {kDefault, 1, 42, true},  {kDefault, 12, 40, false},
               {kMarch42, 3, 42, true},   {kMarch42, 2, 42, false}, {kMarch42, 4, 42, false},
               {kBackwards, 6, 44, false}};
  for (const auto& c : cases)
    EXPECT_EQ(c.range.InDateRange(c.month, c.year), c.in)
        << c.month << "/" << c.year << " in " << test::Dates(c.range);
}

TEST(OobDatabase, FindsTheFirstTemplateLoadedOfTheEchelon) {
  OobDatabase database;
  const UnitTemplate* company = AddTemplate(database, kCompany, 1234, "Company");
  const UnitTemplate* first = AddTemplate(database, kBattalion, 1234, "First battalion");
  AddTemplate(database, kBattalion, 1234, "Second battalion");
  EXPECT_EQ(database.Find(kBattalion, 1234), first);
  EXPECT_EQ(database.Find(kCompany, 1234), company);
  EXPECT_EQ(database.Find(-1, 1234), nullptr);
  EXPECT_EQ(database.Find(kEchelonCount, 1234), nullptr);
}

TEST(ReferenceDigits, GiveNationAndCategory) {
  const struct {
    int echelon;
    std::uint32_t reference;
    int nation, category;
  } cases[] = {{kPlatoon, 1403, 1, 4},     {kPlatoon, 19512, 19, 5},
               {kPlatoon, 1712345, 12, 3}, {kCompany, 1712345, 17, 3},
               {kArmy, 100001, 1, 0},      {kDivision, 4294967295u, 49, 2}};
  OobDatabase database;
  for (const auto& c : cases) {
    const UnitTemplate& unit = *AddTemplate(database, c.echelon, c.reference, "");
    EXPECT_EQ(NationOf(unit), c.nation) << c.reference;
    EXPECT_EQ(CategoryOf(unit), c.category) << c.reference;
  }
}

TEST(Echelon, LettersBothWays) {
  const char letters[] = "PCBRGDKA";
  for (int echelon = 0; echelon < kEchelonCount; ++echelon) {
    EXPECT_EQ(EchelonLetter(echelon), letters[echelon]);
    EXPECT_EQ(EchelonFromLetter(letters[echelon]), echelon);
  }
  for (const char other : {'c', 'X', '0', '\xff'})
    EXPECT_EQ(EchelonFromLetter(other), kPlatoon) << other;
}

}  // namespace
}  // namespace valdren
