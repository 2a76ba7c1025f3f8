#include "org/Strength.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalog/CatalogTestData.h"
#include "org/OrgTrees.h"

namespace valdren::test {
namespace {

// The platoon rows of a strength as "reference xcount =value", unknown templates with a "?".
std::vector<std::string> Rows(const Strength& strength) {
  std::vector<std::string> rows;
  for (const TemplateStrength& row : strength.templates)
    rows.push_back(std::to_string(row.reference) + (row.unit ? "" : "?") + " x" +
                   std::to_string(row.count) + " =" + std::to_string(row.value));
  return rows;
}

// Two platoons of each category 0..9, the category's catalog value 10 + category: the catalog
// shows the value of every category but leaders (4), attached platoons (3) and choice-only
// platoons (5), and only those count.
TEST(Strength, TheValueCountsThePlatoonsWhoseValueTheCatalogShows) {
  TestDatabase data;
  OrgRoot root;
  OrgGroup& company = AddGroup(root, nullptr, kCompany, OrgReference(1, 1));
  for (int category = 0; category <= 9; ++category) {
    data.Platoon(PlatoonReference(1, category, 1), "P" + std::to_string(category), 10 + category);
    for (int i = 0; i < 2; ++i)
      Add(root, &company, kPlatoon, PlatoonReference(1, category, 1));
  }
  const Strength strength = StrengthOf(company, data.Database());
  const struct {
    int category;
    bool valued;
  } rule[] = {{0, true},  {1, true}, {2, true}, {3, false}, {4, false},
              {5, false}, {6, true}, {7, true}, {8, true},  {9, true}};
  ASSERT_EQ(strength.templates.size(), 10u);
  for (const auto& [category, valued] : rule) {
    const TemplateStrength& row = strength.templates[static_cast<std::size_t>(category)];
    EXPECT_EQ(row.reference, PlatoonReference(1, category, 1));  // equal counts: by name
    EXPECT_EQ(row.valued, valued) << category;
    EXPECT_EQ(row.value, valued ? 2 * (10 + category) : 0) << category;
  }
  EXPECT_EQ(strength.value, 2 * (10 + 11 + 12 + 16 + 17 + 18 + 19));
  EXPECT_EQ(strength.axisValue, strength.value);
  EXPECT_EQ(strength.nations, (std::vector<NationValue>{{1, strength.value}}));
}

// Germany and Italy are Axis, Russia and Great Britain Allied; the British platoons of a
// reference without a template are counted, as unknown, and add no value.
TEST(Strength, TheOrganizationsValueIsSplitBySideAndNationAndMissingTemplatesAreUnknown) {
  TestDatabase data;
  data.Platoon(1101, "Schuetzenzug", 12);
  data.Platoon(2101, "Alpini", 7);
  data.Platoon(9101, "Rifle Platoon", 20);
  data.Platoon(101, "Strelki", 5);
  OrgRoot root;
  OrgGroup& german = AddGroup(root, nullptr, kCompany, OrgReference(1, 1));
  for (int i = 0; i < 3; ++i)
    Add(root, &german, kPlatoon, 1101);
  Add(root, nullptr, kPlatoon, 2101);
  OrgGroup& british = AddGroup(root, nullptr, kCompany, OrgReference(9, 1));
  for (int i = 0; i < 2; ++i)
    Add(root, &british, kPlatoon, 9101);
  for (int i = 0; i < 4; ++i)
    Add(root, &british, kPlatoon, 9102);
  Add(root, nullptr, kPlatoon, 101);

  const Strength strength = StrengthOf(root, data.Database());
  EXPECT_EQ(strength.Platoons(), 11);
  EXPECT_EQ(strength.unknownPlatoons, 4);
  EXPECT_EQ(strength.units, 4);  // two companies and two platoons on their own
  // Most first; Alpini before Strelki by name, though its reference is the higher.
  EXPECT_EQ(Rows(strength), (std::vector<std::string>{"9102? x4 =0", "1101 x3 =36", "9101 x2 =40",
                                                      "2101 x1 =7", "101 x1 =5"}));
  EXPECT_EQ(strength.value, 88);
  EXPECT_EQ(strength.axisValue, 36 + 7);
  EXPECT_EQ(strength.alliedValue, 40 + 5);
  EXPECT_EQ(strength.nations, (std::vector<NationValue>{{0, 5}, {1, 36}, {2, 7}, {9, 40}}));
  EXPECT_EQ(StrengthSummary(strength),
            "Organization: 11 platoons, 4 units, value 88 (Axis 43, Allied 45)");

  const Strength company = StrengthOf(british, data.Database());
  EXPECT_EQ(company.ItemCount(), 7);
  EXPECT_EQ(company.unknownPlatoons, 4);
  EXPECT_EQ(company.alliedValue, 40);
  EXPECT_EQ(company.axisValue, 0);
}

// A division: its leader (rating digits 9: rating 4), a leader whose digits carry no rating, an
// attached platoon, and a regiment with its leader (rating 3), a platoon of its own and three
// companies, the last empty; the companies' leaders have ratings 2 and 5.
TEST(Strength, EchelonsUnitsLeadersAndMoraleOfAFormationAndOfItsParts) {
  TestDatabase data;
  OrgRoot root;
  OrgGroup& division = AddGroup(root, nullptr, kDivision, OrgReference(1, 1), 0, 9);
  Add(root, &division, kPlatoon, 1409);
  Add(root, &division, kPlatoon, 1400);
  Add(root, &division, kPlatoon, 1301);
  OrgGroup& regiment = AddGroup(root, &division, kRegiment, OrgReference(1, 2));
  Add(root, &regiment, kPlatoon, 1403);
  Add(root, &regiment, kPlatoon, 1201, 0, 2);
  OrgGroup& first = AddGroup(root, &regiment, kCompany, OrgReference(1, 3));
  Add(root, &first, kPlatoon, 1402);
  for (int i = 0; i < 3; ++i)
    Add(root, &first, kPlatoon, 1101);
  OrgGroup& second = AddGroup(root, &regiment, kCompany, OrgReference(1, 3));
  Add(root, &second, kPlatoon, 1410);
  for (int i = 0; i < 2; ++i)
    Add(root, &second, kPlatoon, 1101);
  AddGroup(root, &regiment, kCompany, OrgReference(1, 3));

  const Strength whole = StrengthOf(division, data.Database());
  EXPECT_EQ(whole.items, (std::array<std::int64_t, kEchelonCount>{12, 3, 0, 1, 0, 1, 0, 0}));
  EXPECT_EQ(whole.ItemCount(), 17);
  EXPECT_EQ(whole.units, 4);  // the three companies and the regiment's own platoon
  EXPECT_EQ(whole.leaders, 5);
  EXPECT_EQ(whole.leadersByRating, (std::array<std::int64_t, kCommandRatings>{0, 1, 1, 1, 1}));
  EXPECT_EQ(whole.lowestMorale, 2);
  EXPECT_EQ(whole.highestMorale, 9);
  EXPECT_DOUBLE_EQ(whole.meanMorale, (9 + 2 + 15 * 6) / 17.0);
  EXPECT_EQ(whole.unknownPlatoons, 12);  // the database is empty

  const Strength part = StrengthOf(regiment, data.Database());
  EXPECT_EQ(part.Platoons(), 9);
  EXPECT_EQ(part.units, 4);
  EXPECT_EQ(part.leaders, 3);
  EXPECT_EQ(part.highestMorale, 6);
}

TEST(Strength, NothingGivesZerosAndAGroupWithoutChildrenIsOneUnit) {
  TestDatabase data;
  OrgRoot root;
  const Strength empty = StrengthOf(root, data.Database());
  EXPECT_EQ(empty.ItemCount(), 0);
  EXPECT_EQ(empty.units, 0);
  EXPECT_TRUE(empty.templates.empty());
  EXPECT_EQ(empty.lowestMorale, 0);
  EXPECT_EQ(empty.highestMorale, 0);
  EXPECT_EQ(empty.meanMorale, 0);
  EXPECT_EQ(StrengthSummary(empty),
            "Organization: 0 platoons, 0 units, value 0 (Axis 0, Allied 0)");

  const OrgItem& company = AddGroup(root, nullptr, kCompany, 100001, 0, 7, "Leere Kompanie");
  const Strength alone = StrengthOf(company, data.Database());
  EXPECT_EQ(alone.units, 1);
  EXPECT_EQ(alone.lowestMorale, 7);
  EXPECT_EQ(StrengthSummary(company, alone), "Leere Kompanie: 0 platoons, 1 unit, value 0");
}

TEST(Strength, TheSummaryGroupsThousands) {
  const struct {
    std::int64_t number;
    const char* text;
  } cases[] = {{0, "0"},          {999, "999"},           {1000, "1,000"},
               {1712, "1,712"},   {1234567, "1,234,567"}, {-999, "-999"},
               {-2500, "-2,500"}, {-100000, "-100,000"}};
  for (const auto& c : cases)
    EXPECT_EQ(WithThousands(c.number), c.text);

  TestDatabase data;
  data.Platoon(1101, "Schuetzenzug", 2);
  OrgRoot root;
  OrgGroup& division = AddGroup(root, nullptr, kDivision, 100001, 0, 6, "27. Infanterie-Division");
  for (int i = 0; i < 1001; ++i)
    Add(root, &division, kPlatoon, 1101);
  EXPECT_EQ(StrengthSummary(division, StrengthOf(division, data.Database())),
            "27. Infanterie-Division: 1,001 platoons, 1 unit, value 2,002");
}

}  // namespace
}  // namespace valdren::test
