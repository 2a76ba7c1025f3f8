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
  for (int year = 39; year <= 45; ++year) {
    EXPECT_EQ(YearName(year), "19" + std::to_string(year));
    EXPECT_EQ(YearFromName("19" + std::to_string(year)), year);
  }
  for (const int outside : {0, 13, -1, 38, 46, 1941}) {
    EXPECT_EQ(MonthName(outside), "") << outside;
    EXPECT_EQ(YearName(outside), "") << outside;
  }
}

// A box without a selection reads as an empty text; only an exact name counts.
TEST(FilterNames, AnUnmatchedNameFallsBackToJanuary1939) {
  for (const char* text : {"", "june", "June ", "Jun", "41", "1946", "1941"})
    EXPECT_EQ(MonthFromName(text), 1) << text;
  for (const char* text : {"", "41", "1946", "June", " 1941", "1941x"})
    EXPECT_EQ(YearFromName(text), 39) << text;
}

TEST(ChoiceTexts, ShowTheProbabilityUnlessItIsCertain) {
  PlatoonTemplate unit;
  unit.name = "Rifle Platoon";
  const struct {
    int probability;
    const char* text;
  } cases[] = {{100, "Rifle Platoon"},        {35, "(35%) Rifle Platoon"},
               {0, "(0%) Rifle Platoon"},     {30, "(30%) Rifle Platoon"},
               {101, "(101%) Rifle Platoon"}, {-5, "(-5%) Rifle Platoon"}};
  for (const auto& c : cases)
    EXPECT_EQ(ChoiceText(c.probability, unit).View(), c.text) << c.probability;
}

}  // namespace
}  // namespace valdren
