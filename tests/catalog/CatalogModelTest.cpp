// Hand-worked cases; the generated ones in CatalogAgreesWithEagerFillTest cover the combinations:
// the rows of every category, choice texts, nations, dates and messages, and finding templates.
#include "catalog/CatalogModel.h"

#include <gtest/gtest.h>

#include "catalog/CatalogTexts.h"
#include "support/TestData.h"

namespace valdren::test {
namespace {

const DateRange k1943On{1, 43, 12, 45};
using Texts = std::vector<std::string>;

// The bottom's reference is beyond the range of an int and is named as the unsigned number it is.
TEST(CatalogMessages, AChainDeeperThanTheStackIsWalkedWithoutRecursion) {
  constexpr int kDepth = 99999;  // every serial still below the nation digits
  TestDatabase data;
  OrgTemplate* below = data.Org(1, 3000100000u, "Bottom");
  Group(below, "Gone", {{data.Platoon(PlatoonReference(1, 0, 1), "P"), 100}}, k1943On);
  for (int i = 1; i < kDepth; ++i) {
    OrgTemplate* const next = data.Org(1, OrgReference(1, i), "Link");
    Group(next, "Down", {{below, 100}});
    below = next;
  }
  RecordedMessages shown;
  CatalogModel model(data.database, shown);
  model.OnCatalogExpanding(model.NationRow(1), true);
  // The bottom's message once for each template listed above it.
  ASSERT_EQ(shown.texts.size(), static_cast<std::size_t>(kDepth));
  EXPECT_EQ(shown.texts.back(), "Missing subunits for: Bottom (3000100000)");
}

// Only a nation row fills when it is expanded; after a refresh the rows of the emptied nation
// answer nothing, and new rows stand in their place.
TEST(CatalogRefresh, OnlyANationRowFillsAndRowsOfAnEmptiedNationAnswerNothing) {
  TestDatabase data;
  OrgTemplate* const company = data.Org(1, OrgReference(1, 1), "Company");
  Group(company, "Platoons", {{data.Platoon(PlatoonReference(1, 0, 1), "P"), 100}});
  RecordedMessages shown;
  CatalogModel model(data.database, shown);
  EXPECT_EQ(model.NationRow(0), kNoRow);
  for (const CatalogRow row : {model.Root(), model.EchelonGroupRow(1, 1), kNoRow})
    model.OnCatalogExpanding(row, true);
  EXPECT_FALSE(model.IsFilled(1));
  model.OnCatalogExpanding(model.NationRow(1), true);
  const CatalogRow before = model.Child(model.EchelonGroupRow(1, 1), 0);
  const CatalogRow group = model.Child(before, 0);
  ASSERT_EQ(model.Text(group).Std(), "Platoons");

  model.RefreshCatalog();
  EXPECT_FALSE(model.IsValid(before) || model.IsValid(group));
  for (const CatalogRow row : {before, group, kNoRow})  // no text, no template
    EXPECT_EQ(model.Entry(row).kind, CatalogKind::kNone);
  EXPECT_EQ(model.ChildCount(before), 0);
  const CatalogRow after = model.Child(model.EchelonGroupRow(1, 1), 0);
  EXPECT_NE(after, before);
  EXPECT_EQ(model.Template(after), company);
}

// The boxes' names read back; a box without a selection reads as an empty text, and anything but
// an exact name as January or 1939.
TEST(CatalogFilter, TheSameValueChangesNothingAnotherRefreshesAndChangesTheDocument) {
  for (int month = 1; month <= 12; ++month)
    EXPECT_EQ(MonthFromName(MonthName(month)), month);
  for (int year = 39; year <= 45; ++year)
    EXPECT_EQ(YearFromName(YearName(year)), year);
  EXPECT_EQ(std::string(MonthName(9)) + std::string(YearName(46)), "September");
  for (const char* text : {"June ", "Jun", "1941"})
    EXPECT_EQ(MonthFromName(text), 1) << text;
  for (const char* text : {"41", "1946", " 1941"})
    EXPECT_EQ(YearFromName(text), 39) << text;

  TestDatabase data;
  data.Org(1, OrgReference(1, 1), "From 1942", {1, 42, 12, 45});
  RecordedMessages shown;
  CatalogModel model(data.database, shown);
  model.OnCatalogExpanding(model.NationRow(1), true);
  EXPECT_FALSE(model.IsFilled(1));

  // A box's text names a new date or none; the caller then sets it.
  EXPECT_EQ(model.OnYearFilterChange("1941"), std::nullopt);
  EXPECT_EQ(model.OnMonthFilterChange("June"), std::nullopt);
  EXPECT_EQ(model.OnYearFilterChange("1942"), (CatalogDate{6, 42}));
  model.SetFilterDate({6, 42});
  EXPECT_EQ(model.Text(model.Child(model.EchelonGroupRow(1, 1), 0)), "From 1942");
  EXPECT_EQ(model.OnMonthFilterChange(""), (CatalogDate{1, 42}));  // no selection reads as January
  model.SetFilterDate({1, 42});
  EXPECT_EQ(model.OnMonthFilterChange("january"), std::nullopt);
  EXPECT_EQ(model.OnYearFilterChange(""), (CatalogDate{1, 39}));
  model.SetFilterDate({1, 39});
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
  CatalogModel model(data.database, shown);
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
