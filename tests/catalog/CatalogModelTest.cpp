#include "catalog/CatalogModel.h"

#include <gtest/gtest.h>

#include "CatalogMirror.h"
#include "CatalogTestData.h"

namespace valdren::test {
namespace {

const DateRange k1943On{1, 43, 12, 45};

// The texts of the rows under an echelon group of a nation.
std::vector<std::string> Listed(const CatalogModel& model, int nation, int echelon) {
  std::vector<std::string> texts;
  const CatalogRow group = model.EchelonGroupRow(nation, echelon);
  for (int i = 0; i < model.ChildCount(group); ++i)
    texts.push_back(model.Text(model.Child(group, i)).Std());
  return texts;
}

std::vector<std::string> Texts(std::initializer_list<const char*> texts) {
  return {texts.begin(), texts.end()};
}

TEST(CatalogSkeleton, PresentNationsInIndexOrderEachWithEightEmptyGroups) {
  TestDatabase data;
  data.Org(1, OrgReference(9, 1), "Rifle Company");
  data.Platoon(PlatoonReference(1, 0, 1), "Rifle Platoon");
  data.Org(1, OrgReference(25, 1), "Company of no nation");  // digits beyond the table
  RecordedMessages shown;
  const CatalogModel model(data.Database(), shown);

  const CatalogRow root = model.Root();
  EXPECT_EQ(model.Text(root).Std(), "Available Units and Organizations");
  EXPECT_EQ(model.Image(root), 0);
  EXPECT_EQ(model.Parent(root), kNoRow);
  ASSERT_EQ(model.ChildCount(root), 2);
  const CatalogRow germany = model.Child(root, 0);
  const CatalogRow britain = model.Child(root, 1);
  EXPECT_EQ(model.Text(germany).Std(), "Germany");
  EXPECT_EQ(model.Image(germany), 10);
  EXPECT_EQ(model.Text(britain).Std(), "Great Britain");
  EXPECT_EQ(model.Image(britain), 18);
  EXPECT_EQ(model.NationRow(0), kNoRow);
  EXPECT_EQ(model.EchelonGroupRow(0, 0), kNoRow);

  const char* const groups[] = {"Platoons", "Companies", "Battalions", "Regiments",
                                "Brigades", "Divisions", "Corps",      "Armies"};
  ASSERT_EQ(model.ChildCount(britain), 8);
  for (int echelon = 0; echelon < 8; ++echelon) {
    const CatalogRow group = model.Child(britain, echelon);
    EXPECT_EQ(group, model.EchelonGroupRow(9, echelon));
    EXPECT_EQ(model.Text(group).Std(), groups[echelon]);
    EXPECT_EQ(model.Image(group), 1 + echelon);
    EXPECT_EQ(model.Template(group), nullptr);
    EXPECT_EQ(model.ChildCount(group), 0);
  }
  EXPECT_FALSE(model.IsFilled(1));
  EXPECT_FALSE(model.IsFilled(9));
  EXPECT_TRUE(shown.texts.empty());
}

TEST(CatalogFilling, ANationIsFoundByItsPositionAmongPresentNations) {
  TestDatabase data;
  data.Platoon(PlatoonReference(1, 0, 1), "Schuetzen");
  data.Platoon(PlatoonReference(9, 0, 1), "Rifles");
  RecordedMessages shown;
  CatalogModel model(data.Database(), shown);
  model.OnCatalogExpanding(model.Child(model.Root(), 1), true);
  EXPECT_TRUE(model.IsFilled(9));
  EXPECT_FALSE(model.IsFilled(1));
  EXPECT_EQ(Listed(model, 9, 0), Texts({"Rifles [0]"}));
}

TEST(CatalogFilling, OnlyNationRowsFill) {
  TestDatabase data;
  OrgTemplate* const company = data.Org(1, OrgReference(1, 1), "Company");
  TestDatabase::Group(company, "Platoons", {{data.Platoon(PlatoonReference(1, 0, 1), "P"), 100}});
  data.Org(1, OrgReference(9, 1), "Other");
  RecordedMessages shown;
  CatalogModel model(data.Database(), shown);

  model.OnCatalogExpanding(model.Root(), true);
  model.OnCatalogExpanding(model.EchelonGroupRow(1, 1), true);
  model.OnCatalogExpanding(kNoRow, true);
  EXPECT_FALSE(model.IsFilled(1));

  model.OnCatalogExpanding(model.NationRow(1), true);
  const CatalogRow templateRow = model.Child(model.EchelonGroupRow(1, 1), 0);
  const CatalogRow groupRow = model.Child(templateRow, 0);
  model.OnCatalogExpanding(templateRow, true);
  model.OnCatalogExpanding(groupRow, true);
  EXPECT_FALSE(model.IsFilled(9));
  EXPECT_FALSE(model.IsExpanded(9));
}

TEST(CatalogFilling, ExpandingAgainAddsNothingAndShowsNothingAgain) {
  TestDatabase data;
  OrgTemplate* const company = data.Org(1, OrgReference(1, 7), "Company");
  TestDatabase::Group(company, "Later", {}, k1943On);
  RecordedMessages shown;
  CatalogModel model(data.Database(), shown);
  const CatalogRow germany = model.NationRow(1);

  model.OnCatalogExpanding(germany, true);
  ASSERT_EQ(shown.texts, Texts({"Missing subunits for: Company (100007)"}));
  model.OnCatalogExpanding(germany, false);
  model.OnCatalogExpanding(germany, true);
  EXPECT_EQ(shown.texts.size(), 1u);
  EXPECT_EQ(Listed(model, 1, 1), Texts({"Company"}));
}

TEST(CatalogFilling, ANationWithNothingInRangeStaysUnfilled) {
  TestDatabase data;
  data.Org(2, OrgReference(1, 1), "Later Battalion", k1943On);
  RecordedMessages shown;
  CatalogModel model(data.Database(), shown);
  model.OnCatalogExpanding(model.NationRow(1), true);
  EXPECT_FALSE(model.IsFilled(1));
  EXPECT_TRUE(model.IsExpanded(1));
  EXPECT_TRUE(shown.texts.empty());
}

struct PlatoonCase {
  int category;
  const char* listed;  // nullptr: not listed under "Platoons"
};

class PlatoonCategory : public testing::TestWithParam<PlatoonCase> {};

// Leaders and category 3 show the plain name, category 5 is offered only as a choice, the rest
// show their catalog value. As a choice every platoon shows its plain name.
TEST_P(PlatoonCategory, DecidesHowThePlatoonIsListed) {
  TestDatabase data;
  PlatoonTemplate* const platoon =
      data.Platoon(PlatoonReference(1, GetParam().category, 12), "Pak", 30);
  OrgTemplate* const company = data.Org(1, OrgReference(2, 1), "Company");
  TestDatabase::Group(company, "Guns", {{platoon, 100}});
  RecordedMessages shown;
  CatalogModel model(data.Database(), shown);
  model.OnCatalogExpanding(model.NationRow(1), true);
  model.OnCatalogExpanding(model.NationRow(2), true);

  if (GetParam().listed) {
    EXPECT_EQ(Listed(model, 1, 0), Texts({GetParam().listed}));
    EXPECT_EQ(model.Template(model.Child(model.EchelonGroupRow(1, 0), 0)), platoon);
  } else {
    EXPECT_TRUE(Listed(model, 1, 0).empty());
  }
  const CatalogRow companyRow = model.Child(model.EchelonGroupRow(2, 1), 0);
  const CatalogRow choice = model.Child(model.Child(companyRow, 0), 0);
  EXPECT_EQ(model.Text(choice).Std(), "Pak");
  EXPECT_EQ(model.Template(choice), platoon);
  EXPECT_EQ(model.Image(choice), 10);  // the emblem of the choice's own nation
  EXPECT_EQ(model.ChildCount(choice), 0);
  EXPECT_TRUE(shown.texts.empty());
}

INSTANTIATE_TEST_SUITE_P(Categories, PlatoonCategory,
                         testing::Values(PlatoonCase{0, "Pak [30]"}, PlatoonCase{1, "Pak [30]"},
                                         PlatoonCase{2, "Pak [30]"}, PlatoonCase{3, "Pak"},
                                         PlatoonCase{4, "Pak"}, PlatoonCase{5, nullptr},
                                         PlatoonCase{6, "Pak [30]"}, PlatoonCase{9, "Pak [30]"}));

TEST(CatalogRows, AGroupShowsTheEchelonOfItsFirstChoice) {
  TestDatabase data;
  const auto* platoon = data.Platoon(PlatoonReference(1, 0, 1), "P");
  const auto* company = data.Org(1, OrgReference(1, 1), "C");
  OrgTemplate* const regiment = data.Org(3, OrgReference(1, 2), "R");
  TestDatabase::Group(regiment, "Mixed", {{company, 50}, {platoon, 50}});
  TestDatabase::Group(regiment, "Small", {{platoon, 100}, {company, 0}});
  RecordedMessages shown;
  CatalogModel model(data.Database(), shown);
  model.OnCatalogExpanding(model.NationRow(1), true);
  const CatalogRow regimentRow = model.Child(model.EchelonGroupRow(1, 3), 0);
  EXPECT_EQ(model.Image(model.Child(regimentRow, 0)), 2);
  EXPECT_EQ(model.Image(model.Child(regimentRow, 1)), 1);
  EXPECT_EQ(model.Text(model.Child(model.Child(regimentRow, 1), 1)).Std(), "(0%) C");
}

// Hand-worked order: the regiment is loaded before the division that offers it, so the message
// naming the regiment's own row comes first, then the one naming the division's choice row.
TEST(CatalogMessages, AGroupWithoutChoicesInRangeNamesItsOwnersDisplayedText) {
  TestDatabase data;
  const auto* lateGun = data.Platoon(PlatoonReference(1, 0, 1), "Late Gun", 0, k1943On);
  OrgTemplate* const regiment = data.Org(3, OrgReference(1, 1), "Grenadier Regiment");
  TestDatabase::Group(regiment, "Support", {{lateGun, 100}});
  OrgTemplate* const division = data.Org(5, OrgReference(1, 2), "Infantry Division");
  TestDatabase::Group(division, "Infantry", {{regiment, 35}, {regiment, 100}});
  RecordedMessages shown;
  CatalogModel model(data.Database(), shown);
  model.OnCatalogExpanding(model.NationRow(1), true);
  EXPECT_EQ(shown.texts, Texts({"Missing subunits for: Support, Grenadier Regiment",
                                "Missing subunits for: Support, (35%) Grenadier Regiment",
                                "Missing subunits for: Support, Grenadier Regiment"}));
  EXPECT_EQ(shown.captions,
            Texts({"Internal Data Error", "Internal Data Error", "Internal Data Error"}));
}

TEST(CatalogMessages, ATemplateWhoseGroupsAreAllOutOfRangeGivesItsUnsignedReference) {
  TestDatabase data;
  OrgTemplate* const big = data.Org(2, 3000000001u, "Big");  // nation 0
  TestDatabase::Group(big, "Later", {{data.Platoon(PlatoonReference(0, 0, 1), "P"), 100}}, k1943On);
  data.Org(2, OrgReference(0, 2), "Empty");  // no group at all: nothing to report
  RecordedMessages shown;
  CatalogModel model(data.Database(), shown);
  model.OnCatalogExpanding(model.NationRow(0), true);
  EXPECT_EQ(shown.texts, Texts({"Missing subunits for: Big (3000000001)"}));
  EXPECT_EQ(Listed(model, 0, 2), Texts({"Big", "Empty"}));
  EXPECT_EQ(model.ChildCount(model.Child(model.EchelonGroupRow(0, 2), 0)), 0);
}

TEST(CatalogMessages, EachPlaceABrokenTemplateAppearsShowsItsMessagesAgain) {
  TestDatabase data;
  const auto* platoon = data.Platoon(PlatoonReference(1, 0, 1), "P");
  OrgTemplate* const broken = data.Org(1, OrgReference(1, 1), "Broken");
  TestDatabase::Group(broken, "Nothing", {});
  TestDatabase::Group(broken, "Fine", {{platoon, 100}});
  TestDatabase::Group(broken, "Also nothing", {});
  OrgTemplate* const battalion = data.Org(2, OrgReference(1, 2), "Battalion", k1943On);
  TestDatabase::Group(battalion, "A", {{broken, 50}, {broken, 50}});
  OrgTemplate* const regiment = data.Org(3, OrgReference(1, 3), "Regiment");
  TestDatabase::Group(regiment, "B", {{battalion, 100}});  // out of range until 1943
  TestDatabase::Group(regiment, "C", {{broken, 100}, {broken, 20}});
  RecordedMessages shown;
  CatalogModel model(data.Database(), shown);
  model.OnCatalogExpanding(model.NationRow(1), true);
  EXPECT_EQ(
      shown.texts,
      Texts({"Missing subunits for: Nothing, Broken", "Missing subunits for: Also nothing, Broken",
             "Missing subunits for: B, Regiment", "Missing subunits for: Nothing, Broken",
             "Missing subunits for: Also nothing, Broken",
             "Missing subunits for: Nothing, (20%) Broken",
             "Missing subunits for: Also nothing, (20%) Broken"}));

  shown.texts.clear();
  model.SetFilterDate({1, 43});
  // Broken alone; the battalion offers it twice; the regiment through the battalion and twice more.
  EXPECT_EQ(shown.texts.size(), 2u + 4u + 8u);
}

TEST(CatalogMessages, AChainDeeperThanTheStackIsWalkedWithoutRecursion) {
  constexpr int kDepth = 99999;  // every serial still below the nation digits
  TestDatabase data;
  OrgTemplate* below = data.Org(1, OrgReference(1, 0), "Bottom");
  TestDatabase::Group(below, "Gone", {{data.Platoon(PlatoonReference(1, 0, 1), "P"), 100}},
                      k1943On);
  for (int i = 1; i < kDepth; ++i) {
    OrgTemplate* const next = data.Org(1, OrgReference(1, i), "Link");
    TestDatabase::Group(next, "Down", {{below, 100}});
    below = next;
  }
  RecordedMessages shown;
  CatalogModel model(data.Database(), shown);
  model.OnCatalogExpanding(model.NationRow(1), true);
  // The bottom's message once for each template listed above it.
  ASSERT_EQ(shown.texts.size(), static_cast<std::size_t>(kDepth));
  EXPECT_EQ(shown.texts.back(), "Missing subunits for: Bottom (100000)");
}

TEST(CatalogRefresh, RefillsExpandedNationsAtTheNewDateAndEmptiesTheOthers) {
  TestDatabase data;
  data.Org(1, OrgReference(1, 1), "Early", {6, 41, 12, 42});
  OrgTemplate* const late = data.Org(1, OrgReference(1, 2), "Late", k1943On);
  TestDatabase::Group(late, "Empty", {});
  data.Org(1, OrgReference(9, 1), "British");
  RecordedMessages shown;
  CatalogModel model(data.Database(), shown);
  model.OnCatalogExpanding(model.NationRow(1), true);
  model.OnCatalogExpanding(model.NationRow(9), true);
  model.OnCatalogExpanding(model.NationRow(9), false);
  EXPECT_EQ(Listed(model, 1, 1), Texts({"Early"}));

  model.SetFilterDate({3, 43});
  EXPECT_EQ(Listed(model, 1, 1), Texts({"Late"}));
  EXPECT_FALSE(model.IsFilled(9));
  EXPECT_EQ(shown.texts, Texts({"Missing subunits for: Empty, Late"}));

  model.RefreshCatalog();  // a new or opened document refreshes even at the same date
  EXPECT_EQ(shown.texts.size(), 2u);
  model.OnCatalogExpanding(model.NationRow(9), true);
  EXPECT_EQ(Listed(model, 9, 1), Texts({"British"}));
}

TEST(CatalogRefresh, RowsOfAnEmptiedNationAreNoLongerValid) {
  TestDatabase data;
  OrgTemplate* const company = data.Org(1, OrgReference(1, 1), "Company");
  TestDatabase::Group(company, "Platoons", {{data.Platoon(PlatoonReference(1, 0, 1), "P"), 100}});
  RecordedMessages shown;
  CatalogModel model(data.Database(), shown);
  model.OnCatalogExpanding(model.NationRow(1), true);
  const CatalogRow before = model.Child(model.EchelonGroupRow(1, 1), 0);
  const CatalogRow group = model.Child(before, 0);
  ASSERT_TRUE(model.IsValid(group));
  EXPECT_EQ(model.Text(group).Std(), "Platoons");

  model.RefreshCatalog();
  EXPECT_FALSE(model.IsValid(before));
  EXPECT_FALSE(model.IsValid(group));
  EXPECT_EQ(model.Text(group).Std(), "");
  EXPECT_EQ(model.Template(before), nullptr);
  EXPECT_EQ(model.Entry(before).kind, CatalogKind::kNone);
  EXPECT_EQ(model.Entry(kNoRow).kind, CatalogKind::kNone);
  EXPECT_EQ(model.ChildCount(before), 0);
  const CatalogRow after = model.Child(model.EchelonGroupRow(1, 1), 0);
  EXPECT_NE(after, before);
  EXPECT_EQ(model.Template(after), company);
}

TEST(CatalogFilter, TheSameValueChangesNothingAnotherRefreshesAndChangesTheDocument) {
  TestDatabase data;
  data.Org(1, OrgReference(1, 1), "From 1942", {1, 42, 12, 45});
  RecordedMessages shown;
  CatalogModel model(data.Database(), shown);
  model.OnCatalogExpanding(model.NationRow(1), true);
  EXPECT_FALSE(model.IsFilled(1));

  EXPECT_FALSE(model.OnYearFilterChange("1941"));
  EXPECT_FALSE(model.OnMonthFilterChange("June"));
  EXPECT_EQ(model.FilterDate(), (CatalogDate{6, 41}));

  EXPECT_TRUE(model.OnYearFilterChange("1942"));
  EXPECT_EQ(model.FilterDate(), (CatalogDate{6, 42}));
  EXPECT_EQ(Listed(model, 1, 1), Texts({"From 1942"}));

  EXPECT_TRUE(model.OnMonthFilterChange(""));  // no selection reads as January
  EXPECT_EQ(model.FilterDate(), (CatalogDate{1, 42}));
  EXPECT_FALSE(model.OnMonthFilterChange("january"));
  EXPECT_TRUE(model.OnYearFilterChange(""));
  EXPECT_EQ(model.FilterDate(), (CatalogDate{1, 39}));
  EXPECT_FALSE(model.IsFilled(1));
}

// What a Qt model needs to keep its view in step: removals and insertions under the echelon
// groups, announced while the old rows are still there and finished when the new ones are.
class RecordingObserver : public CatalogObserver {
 public:
  explicit RecordingObserver(const CatalogModel& model) : model_(model) {}
  void BeginRemoveRows(CatalogRow parent, int first, int last) override {
    Note("remove", parent, first, last);
  }
  void EndRemoveRows() override { Ended(); }
  void BeginInsertRows(CatalogRow parent, int first, int last) override {
    Note("insert", parent, first, last);
  }
  void EndInsertRows() override { Ended(); }

  std::vector<std::string> calls;

 private:
  void Note(const char* what, CatalogRow parent, int first, int last) {
    parent_ = parent;
    calls.push_back(std::string(what) + " " + model_.Text(parent).Std() + " " +
                    std::to_string(first) + ".." + std::to_string(last) + " had " +
                    std::to_string(model_.ChildCount(parent)));
  }
  void Ended() { calls.back() += " has " + std::to_string(model_.ChildCount(parent_)); }

  const CatalogModel& model_;
  CatalogRow parent_;
};

TEST(CatalogObserver, HearsEveryChangeOfRowsWithCountsBeforeAndAfter) {
  TestDatabase data;
  data.Platoon(PlatoonReference(1, 0, 1), "P1");
  data.Platoon(PlatoonReference(1, 0, 2), "P2", 0, k1943On);
  data.Org(3, OrgReference(1, 1), "R");
  RecordedMessages shown;
  CatalogModel model(data.Database(), shown);
  RecordingObserver observer(model);
  model.SetObserver(&observer);
  model.OnCatalogExpanding(model.NationRow(1), true);
  model.SetFilterDate({2, 43});
  EXPECT_EQ(observer.calls,
            Texts({"insert Platoons 0..0 had 0 has 1", "insert Regiments 0..0 had 0 has 1",
                   "remove Platoons 0..0 had 1 has 0", "remove Regiments 0..0 had 1 has 0",
                   "insert Platoons 0..1 had 0 has 2", "insert Regiments 0..0 had 0 has 1"}));
}

}  // namespace
}  // namespace valdren::test
