// Hand-worked cases; the generated ones in CatalogAgreesWithEagerFillTest cover the combinations.
#include "catalog/CatalogModel.h"

#include <gtest/gtest.h>

#include "CatalogTestData.h"

namespace valdren::test {
namespace {

const DateRange k1943On{1, 43, 12, 45};
using Texts = std::vector<std::string>;

// The texts of the rows under a row.
Texts Listed(const CatalogModel& model, CatalogRow row) {
  Texts texts;
  for (int i = 0; i < model.ChildCount(row); ++i)
    texts.push_back(model.Text(model.Child(row, i)).Std());
  return texts;
}

TEST(CatalogFilling, OnlyANationRowFillsAndIsFoundByItsPositionAmongPresentNations) {
  TestDatabase data;
  OrgTemplate* const company = data.Org(1, OrgReference(1, 1), "Company");
  const auto* platoon = data.Platoon(PlatoonReference(1, 0, 1), "P");
  TestDatabase::Group(company, "Platoons", {{platoon, 100}});
  TestDatabase::Group(company, "More", {{platoon, 100}});
  data.Org(1, OrgReference(9, 1), "Rifle Company");
  data.Org(1, OrgReference(25, 1), "Company of no nation");  // digits beyond the table
  RecordedMessages shown;
  CatalogModel model(data.Database(), shown);
  EXPECT_EQ(Listed(model, model.Root()), (Texts{"Germany", "Great Britain"}));
  EXPECT_EQ(model.Image(model.Child(model.Root(), 1)), 18);
  EXPECT_EQ(model.NationRow(0), kNoRow);

  for (const CatalogRow row : {model.Root(), model.EchelonGroupRow(9, 1), kNoRow})
    model.OnCatalogExpanding(row, true);
  EXPECT_FALSE(model.IsFilled(1) || model.IsFilled(9));
  model.OnCatalogExpanding(model.Child(model.Root(), 1), true);
  EXPECT_TRUE(model.IsFilled(9));
  EXPECT_EQ(Listed(model, model.EchelonGroupRow(9, 1)), Texts{"Rifle Company"});

  model.OnCatalogExpanding(model.NationRow(1), true);
  model.OnCatalogExpanding(model.NationRow(9), false);
  model.RefreshCatalog();  // nation 9 is collapsed now and stays empty
  EXPECT_FALSE(model.IsFilled(9));
  const CatalogRow templateRow = model.Child(model.EchelonGroupRow(1, 1), 0);
  for (const CatalogRow row : {templateRow, model.Child(templateRow, 1)})
    model.OnCatalogExpanding(row, true);
  EXPECT_FALSE(model.IsFilled(9));
}

// Leaders and category 3 show the plain name, category 5 is offered only as a choice, the rest
// show their catalog value. As a choice every platoon shows its plain name.
TEST(CatalogFilling, APlatoonIsListedByItsCategory) {
  TestDatabase data;
  std::vector<const PlatoonTemplate*> platoons;
  for (int category = 0; category <= 9; ++category)
    platoons.push_back(data.Platoon(PlatoonReference(1, category, 1),
                                    "P" + std::to_string(category), category == 0 ? -2 : 30));
  OrgTemplate* const company = data.Org(1, OrgReference(1, 1), "Company");
  TestDatabase::Group(company, "Guns", {{platoons[5], 100}, {platoons[2], 30}});
  RecordedMessages shown;
  CatalogModel model(data.Database(), shown);
  model.OnCatalogExpanding(model.NationRow(1), true);
  EXPECT_EQ(Listed(model, model.EchelonGroupRow(1, 0)),
            (Texts{"P0 [-2]", "P1 [30]", "P2 [30]", "P3", "P4", "P6 [30]", "P7 [30]", "P8 [30]",
                   "P9 [30]"}));
  const CatalogRow group = model.Child(model.Child(model.EchelonGroupRow(1, 1), 0), 0);
  EXPECT_EQ(Listed(model, group), (Texts{"P5", "(30%) P2"}));
  EXPECT_EQ(model.Template(model.Child(group, 0)), platoons[5]);
}

// Hand-worked order: the regiment is loaded before the division that offers it, so the message
// naming the regiment's own row comes first, then the ones naming the division's choice rows.
TEST(CatalogMessages, NameTheGroupAndItsOwnersTextOrTheTemplateAndItsUnsignedReference) {
  TestDatabase data;
  const auto* lateGun = data.Platoon(PlatoonReference(0, 0, 1), "Late Gun", 0, k1943On);
  OrgTemplate* const regiment = data.Org(3, OrgReference(0, 1), "Grenadier Regiment");
  TestDatabase::Group(regiment, "Support", {{lateGun, 100}});
  OrgTemplate* const big = data.Org(2, 3000000001u, "Big");  // nation 0 too
  TestDatabase::Group(big, "Later", {{regiment, 100}}, k1943On);
  data.Org(2, OrgReference(0, 2), "Empty");  // no group at all: nothing to report
  OrgTemplate* const division = data.Org(5, OrgReference(0, 3), "Infantry Division");
  TestDatabase::Group(division, "Infantry", {{regiment, 35}, {regiment, 100}});
  RecordedMessages shown;
  CatalogModel model(data.Database(), shown);
  model.OnCatalogExpanding(model.NationRow(0), true);
  EXPECT_EQ(shown.texts, (Texts{"Missing subunits for: Support, Grenadier Regiment",
                                "Missing subunits for: Big (3000000001)",
                                "Missing subunits for: Support, (35%) Grenadier Regiment",
                                "Missing subunits for: Support, Grenadier Regiment"}));
  EXPECT_EQ(Listed(model, model.EchelonGroupRow(0, 2)), (Texts{"Big", "Empty"}));
  EXPECT_EQ(model.ChildCount(model.Child(model.EchelonGroupRow(0, 2), 0)), 0);
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

TEST(CatalogRefresh, RowsOfAnEmptiedNationAnswerNothing) {
  TestDatabase data;
  OrgTemplate* const company = data.Org(1, OrgReference(1, 1), "Company");
  TestDatabase::Group(company, "Platoons", {{data.Platoon(PlatoonReference(1, 0, 1), "P"), 100}});
  RecordedMessages shown;
  CatalogModel model(data.Database(), shown);
  model.OnCatalogExpanding(model.NationRow(1), true);
  const CatalogRow before = model.Child(model.EchelonGroupRow(1, 1), 0);
  const CatalogRow group = model.Child(before, 0);
  ASSERT_EQ(model.Text(group).Std(), "Platoons");

  model.RefreshCatalog();
  EXPECT_FALSE(model.IsValid(before) || model.IsValid(group));
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
  EXPECT_EQ(Listed(model, model.EchelonGroupRow(1, 1)), Texts{"From 1942"});
  EXPECT_TRUE(model.OnMonthFilterChange(""));  // no selection reads as January
  EXPECT_EQ(model.FilterDate(), (CatalogDate{1, 42}));
  EXPECT_FALSE(model.OnMonthFilterChange("january"));
  EXPECT_TRUE(model.OnYearFilterChange(""));
  EXPECT_EQ(model.FilterDate(), (CatalogDate{1, 39}));
  EXPECT_FALSE(model.IsFilled(1));
}

// What a Qt model needs to keep its view in step: the changes under the echelon groups, announced
// while the old rows are still there and finished when the new ones are.
struct RecordingObserver : CatalogObserver {
  explicit RecordingObserver(const CatalogModel& model) : model(model) {}
  void BeginRemoveRows(CatalogRow row, int first, int last) override {
    Begin("-", row, first, last);
  }
  void BeginInsertRows(CatalogRow row, int first, int last) override {
    Begin("+", row, first, last);
  }
  void EndRemoveRows() override { calls.back() += " " + std::to_string(model.ChildCount(parent)); }
  void EndInsertRows() override { EndRemoveRows(); }
  void Begin(const char* what, CatalogRow row, int first, int last) {
    parent = row;
    calls.push_back(what + model.Text(row).Std() + " " + std::to_string(first) + ".." +
                    std::to_string(last) + " " + std::to_string(model.ChildCount(row)));
  }
  const CatalogModel& model;
  CatalogRow parent;
  Texts calls;
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
  // Each change as parent, rows, the parent's count before and after.
  EXPECT_EQ(observer.calls,
            (Texts{"+Platoons 0..0 0 1", "+Regiments 0..0 0 1", "-Platoons 0..0 1 0",
                   "-Regiments 0..0 1 0", "+Platoons 0..1 0 2", "+Regiments 0..0 0 1"}));
}

}  // namespace
}  // namespace valdren::test
