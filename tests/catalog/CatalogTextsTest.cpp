#include "catalog/CatalogTexts.h"

#include <gtest/gtest.h>

#include "oob/PlatoonTemplate.h"

namespace valdren {
namespace {

TEST(FilterNames, MonthsAndYearsRoundTripThroughTheirNames) {
  const char* const months[] = {"January",   "February", "March",    "April",
                                "May",       "June",     "July",     "August",
                                "September", "October",  "November", "December"};
  for (int month = 1; month <= 12; ++month) {
    EXPECT_EQ(MonthName(month), months[month - 1]);
    EXPECT_EQ(MonthFromName(months[month - 1]), month);
  }
  const char* const years[] = {"1939", "1940", "1941", "1942", "1943", "1944", "1945"};
  for (int year = 39; year <= 45; ++year) {
    EXPECT_EQ(YearName(year), years[year - 39]);
    EXPECT_EQ(YearFromName(years[year - 39]), year);
  }
}

TEST(FilterNames, ADateOutsideTheTablesHasNoName) {
  for (const int month : {0, 13, -1})
    EXPECT_EQ(MonthName(month), "");
  for (const int year : {38, 46, 1941})
    EXPECT_EQ(YearName(year), "");
}

struct NameCase {
  const char* text;
  int month;
  int year;
};

class UnmatchedName : public testing::TestWithParam<NameCase> {};

// A box without a selection reads as an empty text; only an exact name counts.
TEST_P(UnmatchedName, FallsBackToJanuary1939) {
  EXPECT_EQ(MonthFromName(GetParam().text), GetParam().month);
  EXPECT_EQ(YearFromName(GetParam().text), GetParam().year);
}

INSTANTIATE_TEST_SUITE_P(Texts, UnmatchedName,
                         testing::Values(NameCase{"", 1, 39}, NameCase{"june", 1, 39},
                                         NameCase{"June ", 1, 39}, NameCase{"Jun", 1, 39},
                                         NameCase{"41", 1, 39}, NameCase{"1946", 1, 39},
                                         NameCase{"1941", 1, 41}, NameCase{"May", 5, 39}));

struct ChoiceCase {
  int probability;
  const char* text;
};

class ChoiceTexts : public testing::TestWithParam<ChoiceCase> {};

TEST_P(ChoiceTexts, ShowTheProbabilityUnlessItIsCertain) {
  PlatoonTemplate unit;
  unit.name = "Rifle Platoon";
  EXPECT_EQ(ChoiceText(GetParam().probability, unit).View(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Probabilities, ChoiceTexts,
                         testing::Values(ChoiceCase{100, "Rifle Platoon"},
                                         ChoiceCase{35, "(35%) Rifle Platoon"},
                                         ChoiceCase{0, "(0%) Rifle Platoon"},
                                         ChoiceCase{30, "(30%) Rifle Platoon"},
                                         ChoiceCase{101, "(101%) Rifle Platoon"},
                                         ChoiceCase{-5, "(-5%) Rifle Platoon"}));

}  // namespace
}  // namespace valdren
