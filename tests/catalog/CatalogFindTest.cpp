// Finding templates in the catalog by a part of their name, and going to the row of a match.
#include <gtest/gtest.h>

#include "CatalogTestData.h"

namespace valdren::test {
namespace {

constexpr CatalogDate kSummer41{6, 41};
constexpr CatalogDate kSummer43{6, 43};
constexpr int kGermany = 1;
constexpr int kBritain = 9;

// Loaded with the echelons and nations out of catalog order: a platoon offered only as a choice,
// templates of 1943 on and up to 1942, a name with a Windows-1252 capital, and a company whose
// subunits exist only from 1943 on.
struct FindData {
  FindData() {
    rifles = data.Platoon(PlatoonReference(kGermany, 0, 1), "Schuetzenzug", 12);
    britishCompany = Org(1, OrgReference(kBritain, 1), "Rifle Company");
    battalion = Org(2, OrgReference(kGermany, 1), "Schuetzen-Bataillon", {1, 39, 12, 42});
    machineGuns = data.Platoon(PlatoonReference(kGermany, 0, 2), "Schuetzen-MG-Zug", 14);
    data.Platoon(PlatoonReference(kGermany, 5, 3), "Schuetzen als Wahl");
    lateCompany = Org(1, OrgReference(kGermany, 2), "Schuetzenkompanie", {1, 43, 12, 45});
    company = Org(1, OrgReference(kGermany, 3), "Gewehrkompanie", kAlways, {1, 43, 12, 45});
    hunters = data.Platoon(PlatoonReference(kGermany, 3, 5), "Panzerj\xC4gerzug");
    russianCompany = Org(1, OrgReference(0, 1), "Company of Guards");
  }
  // Of one group of riflemen.
  const UnitTemplate* Org(int echelon, std::uint32_t reference, std::string_view name,
                          DateRange range = kAlways, DateRange groupRange = kAlways) {
    OrgTemplate* const org = data.Org(echelon, reference, name, range);
    TestDatabase::Group(org, "Zuege", {{rifles, 100}}, groupRange);
    return org;
  }
  TestDatabase data;
  const UnitTemplate *rifles, *machineGuns;
  const UnitTemplate *britishCompany, *battalion, *lateCompany, *company, *hunters, *russianCompany;
};

TEST(CatalogFind, FindsListedTemplatesByPartOfTheirNameInCatalogOrder) {
  const FindData d;
  RecordedMessages shown;
  CatalogModel model(d.data.Database(), shown);
  const CatalogDate date = kSummer41;
  const struct {
    const char* text;
    std::vector<CatalogMatch> matches;
  } cases[] = {
      // Platoons before battalions; the choice-only platoon and the company of 1943 are not listed.
      {"schuetzen",
       {{kGermany, 0, 0, d.rifles, date},
        {kGermany, 0, 1, d.machineGuns, date},
        {kGermany, 2, 0, d.battalion, date}}},
      // Russia before Great Britain, whatever the load order.
      {"COMPAN", {{0, 1, 0, d.russianCompany, date}, {kBritain, 1, 0, d.britishCompany, date}}},
      {"kompanie", {{kGermany, 1, 0, d.company, date}}},
      {"j\xE4g", {{kGermany, 0, 2, d.hunters, date}}},  // counted among all the platoons
      {"[12]", {}},                                     // the value is not part of the name
      {"Schuetzenzug [", {}},
      {"", {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(model.FindTemplates(c.text), c.matches) << c.text;
  // Searching fills nothing, so it shows no message.
  for (const int nation : {0, kGermany, kBritain})
    EXPECT_FALSE(model.IsFilled(nation));
  EXPECT_TRUE(shown.texts.empty());
}

TEST(CatalogFind, TheRowOfAMatchIsFilledInWithTheNationsMessagesOnce) {
  const FindData d;
  RecordedMessages shown;
  CatalogModel model(d.data.Database(), shown);
  const std::vector<CatalogMatch> matches = model.FindTemplates("zug");
  ASSERT_EQ(matches.size(), 3u);
  const char* const texts[] = {"Schuetzenzug [12]", "Schuetzen-MG-Zug [14]", "Panzerj\xC4gerzug"};
  for (std::size_t i = 0; i < matches.size(); ++i) {
    const CatalogRow row = model.MatchRow(matches[i]);
    EXPECT_EQ(model.Text(row), texts[i]);
    EXPECT_EQ(model.Template(row), matches[i].unit);
    EXPECT_EQ(model.Parent(row), model.EchelonGroupRow(kGermany, 0));
    EXPECT_EQ(model.RowIndex(row), static_cast<int>(i));
  }
  EXPECT_EQ(shown.texts, std::vector<std::string>{"Missing subunits for: Gewehrkompanie (100003)"});
  // The view then expands the nation, which is filled already and shows nothing more.
  model.OnCatalogExpanding(model.NationRow(kGermany), true);
  EXPECT_EQ(shown.texts.size(), 1u);
  EXPECT_FALSE(model.IsFilled(kBritain));
}

TEST(CatalogFind, AfterTheDateChangesTheSearchFollowsItAndOldMatchesLeadNowhere) {
  const FindData d;
  RecordedMessages shown;
  CatalogModel model(d.data.Database(), shown);
  model.OnCatalogExpanding(model.NationRow(kGermany), true);
  const std::vector<CatalogMatch> before = model.FindTemplates("kompanie");
  ASSERT_EQ(before.size(), 1u);

  model.SetFilterDate(kSummer43);
  EXPECT_EQ(model.MatchRow(before[0]), kNoRow);  // the company is the second row now
  const std::vector<CatalogMatch> after = model.FindTemplates("kompanie");
  EXPECT_EQ(after, (std::vector<CatalogMatch>{{kGermany, 1, 0, d.lateCompany, kSummer43},
                                              {kGermany, 1, 1, d.company, kSummer43}}));
  EXPECT_EQ(model.Template(model.MatchRow(after[1])), d.company);
  // The battalion ends in 1942.
  EXPECT_EQ(model.FindTemplates("schuetzen"),
            (std::vector<CatalogMatch>{{kGermany, 0, 0, d.rifles, kSummer43},
                                       {kGermany, 0, 1, d.machineGuns, kSummer43},
                                       {kGermany, 1, 0, d.lateCompany, kSummer43}}));
}

}  // namespace
}  // namespace valdren::test
