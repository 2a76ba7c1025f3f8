// The model against the plain fill on many generated databases: shared templates reached through
// several paths, groups and choices out of range, groups without choices, category 5 platoons,
// templates of nations without a row, dates before, inside and after every range.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>
#include <string_view>

#include "catalog/CatalogModel.h"
#include "oob/Nations.h"
#include "support/TestData.h"

namespace valdren::test {
namespace {

// One row as a tree control would hold it.
struct TreeRow {
  std::string text;
  int image = 0;
  const UnitTemplate* unit = nullptr;
  std::vector<TreeRow> children;
  bool operator==(const TreeRow&) const = default;
};

// The rows of the model below the given one, asked for the way a view asks, checking on the way
// that every child knows its parent and its position.
TreeRow Mirror(const CatalogModel& model, CatalogRow row) {
  TreeRow mirror{model.Text(row).Std(), model.Image(row), model.Template(row), {}};
  const int count = model.ChildCount(row);
  for (int index = 0; index < count; ++index) {
    const CatalogRow child = model.Child(row, index);
    EXPECT_EQ(model.Parent(child), row);
    EXPECT_EQ(model.RowIndex(child), index);
    mirror.children.push_back(Mirror(model, child));
  }
  EXPECT_EQ(model.Child(row, count), kNoRow);
  return mirror;
}

// The same rows read through ChildEntries, which makes no rows.
TreeRow MirrorEntries(const CatalogModel& model, const CatalogEntry& entry) {
  TreeRow mirror{EntryText(entry).Std(), EntryImage(entry), entry.unit, {}};
  for (const CatalogEntry& child : model.ChildEntries(entry))
    mirror.children.push_back(MirrorEntries(model, child));
  return mirror;
}

// The rows as indented lines "text |image|echelon:reference", for readable comparisons.
std::string Render(const TreeRow& row, int depth = 0) {
  std::string text =
      std::string(2 * depth, ' ') + row.text + " |" + std::to_string(row.image) + "|";
  if (row.unit)
    text += std::to_string(row.unit->echelon) + ":" + std::to_string(row.unit->reference);
  text += "\n";
  for (const TreeRow& child : row.children)
    text += Render(child, depth + 1);
  return text;
}

int Nation(const UnitTemplate& unit) {
  return static_cast<int>(unit.echelon == 0 ? unit.reference / 1000 % 100
                                            : unit.reference / 100000 % 100);
}

// The catalog filled the plain way, written from the rules of the tree and not from the model's
// code: the skeleton, then every row of the nations given at once, in nation order, each message
// noted where the depth-first fill meets it.
struct EagerFill {
  TreeRow Catalog(const std::vector<int>& filled) {
    static const char* const kGroups[] = {"Platoons", "Companies", "Battalions", "Regiments",
                                          "Brigades", "Divisions", "Corps",      "Armies"};
    TreeRow root{"Available Units and Organizations", 0, nullptr, {}};
    for (int nation = 0; nation < 20; ++nation) {
      const auto& all = database.Templates();
      if (std::none_of(all.begin(), all.end(),
                       [&](const auto& node) { return Nation(*node.item) == nation; }))
        continue;
      TreeRow& row = root.children.emplace_back(
          TreeRow{std::string(NationName(nation)), 9 + nation, nullptr, {}});
      for (int echelon = 0; echelon < 8; ++echelon)
        row.children.push_back({kGroups[echelon], 1 + echelon, nullptr, {}});
      if (std::find(filled.begin(), filled.end(), nation) == filled.end()) continue;
      for (const auto& node : all) {
        const UnitTemplate& unit = *node.item;
        if (Nation(unit) != nation || !unit.InDateRange(date.month, date.year)) continue;
        std::string text(unit.name.View());
        const int category = static_cast<int>(unit.reference / 100 % 10);
        if (unit.echelon == 0 && category == 5) continue;
        if (unit.echelon == 0 && category != 3 && category != 4)
          text +=
              " [" + std::to_string(static_cast<const PlatoonTemplate&>(unit).catalogValue) + "]";
        TreeRow& item =
            row.children[unit.echelon].children.emplace_back(TreeRow{text, 9 + nation, &unit, {}});
        if (unit.echelon != 0) Groups(item, static_cast<const OrgTemplate&>(unit));
      }
    }
    return root;
  }

  void Groups(TreeRow& item, const OrgTemplate& org) {
    for (const SubunitGroup& group : org.groups) {
      if (!group.InDateRange(date.month, date.year)) continue;
      const int image = 1 + group.FirstChoiceEchelon();
      TreeRow& groupItem =
          item.children.emplace_back(TreeRow{std::string(group.name.View()), image, nullptr, {}});
      for (const SubunitChoice& choice : group.choices) {
        const UnitTemplate& unit = *choice.item;
        if (!unit.InDateRange(date.month, date.year)) continue;
        std::string text(unit.name.View());
        if (choice.weight != 100) text = "(" + std::to_string(choice.weight) + "%) " + text;
        TreeRow& choiceItem =
            groupItem.children.emplace_back(TreeRow{text, 9 + Nation(unit), &unit, {}});
        if (unit.echelon != 0) Groups(choiceItem, static_cast<const OrgTemplate&>(unit));
      }
      if (groupItem.children.empty())
        messages.push_back("Missing subunits for: " + groupItem.text + ", " + item.text);
    }
    if (item.children.empty() && !org.groups.empty())
      messages.push_back("Missing subunits for: " + std::string(org.name.View()) + " (" +
                         std::to_string(org.reference) + ")");
  }

  const OobDatabase& database;
  CatalogDate date;
  std::vector<std::string>& messages;
};

class Generator {
 public:
  explicit Generator(unsigned seed) : random_(seed) {}

  // Fills the database and draws the first date to look at it.
  CatalogDate Fill(TestDatabase& data) {
    std::vector<const UnitTemplate*> loaded;
    const int platoons = Between(3, 10);
    for (int i = 0; i < platoons; ++i)
      loaded.push_back(data.Platoon(PlatoonReference(Nation(), Between(0, 9), i),
                                    "P" + std::to_string(i), Between(-5, 50), Range()));
    for (int echelon = 1, serial = 0; echelon <= 7; ++echelon) {
      for (int i = Between(0, 5); i > 0; --i, ++serial) {
        OrgTemplate* const org = data.Org(echelon, OrgReference(Nation(), serial),
                                          "xCBRGDKA"[echelon] + std::to_string(i), Range());
        for (int g = Between(0, 3); g > 0; --g) {
          std::vector<std::pair<const UnitTemplate*, int>> choices;
          for (int c = Chance(10) ? 0 : Between(1, 3); c > 0; --c)
            choices.push_back({Pick(loaded), Chance(50) ? 100 : Chance(20) ? 0 : Between(1, 99)});
          Group(org, "g" + std::to_string(g), choices, Range());
        }
        loaded.push_back(org);
      }
    }
    // Platoons loaded after the organizations, which finding still lists by echelon.
    for (int i = Between(0, 2); i > 0; --i)
      data.Platoon(PlatoonReference(Nation(), Between(0, 9), 90 + i), "L" + std::to_string(i),
                   Between(-5, 50), Range());
    return Date();
  }

  CatalogDate Date() { return {Between(1, 12), Between(39, 45)}; }

 private:
  int Between(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }
  bool Chance(int percent) { return Between(1, 100) <= percent; }
  // Recent templates half of the time, so breakdowns nest deeply and share much.
  const UnitTemplate* Pick(const std::vector<const UnitTemplate*>& loaded) {
    const int last = static_cast<int>(loaded.size()) - 1;
    return loaded[Chance(50) ? Between(std::max(0, last - 6), last) : Between(0, last)];
  }
  int Nation() { return std::vector{0, 1, 9, 25}[Between(0, 3)]; }
  DateRange Range() {
    if (Chance(60)) return kAlways;
    return {Between(1, 12), Between(39, 45), Between(1, 12), Between(39, 45)};
  }

  std::mt19937 random_;
};

void ExpectSame(const CatalogModel& model, const RecordedMessages& shown, const TreeRow& eager,
                const std::vector<std::string>& messages) {
  EXPECT_EQ(shown.texts, messages);
  const TreeRow mirror = Mirror(model, model.Root());
  EXPECT_EQ(Render(mirror), Render(eager));
  EXPECT_TRUE(mirror == eager);  // the very templates, not only their numbers
  EXPECT_TRUE(MirrorEntries(model, model.Entry(model.Root())) == eager);
}

// A generated database, the model on it at the first date drawn, and the nations present.
class AgreesWithEagerFill : public testing::TestWithParam<unsigned> {
 protected:
  void SetUp() override {
    model.SetFilterDate(first);
    for (int nation = 0; nation < 20; ++nation)
      if (model.IsPresent(nation)) present.push_back(nation);
  }
  Generator generator{GetParam()};
  TestDatabase data;
  const CatalogDate first = generator.Fill(data);
  RecordedMessages shown;
  CatalogModel model{data.database, shown};
  std::vector<int> present;
};

TEST_P(AgreesWithEagerFill, RowsAndMessagesAfterExpandingCollapsingAndRefreshing) {
  const CatalogDate second = generator.Date();
  // Every other nation is expanded, and every other one of those collapsed again.
  std::vector<std::string> messages;
  std::vector<int> expanded, stillExpanded;
  for (std::size_t i = 0; i < present.size(); i += 2) {
    model.OnCatalogExpanding(model.NationRow(present[i]), true);
    expanded.push_back(present[i]);
    if (i % 4 == 2)
      model.OnCatalogExpanding(model.NationRow(present[i]), false);
    else
      stillExpanded.push_back(present[i]);
  }
  ExpectSame(model, shown, EagerFill{data.database, first, messages}.Catalog(expanded), messages);

  // A new date, then a refresh at the same date, refill only the nations still expanded.
  model.SetFilterDate(second);
  ExpectSame(model, shown, EagerFill{data.database, second, messages}.Catalog(stillExpanded),
             messages);
  model.RefreshCatalog();
  const TreeRow refreshed = EagerFill{data.database, second, messages}.Catalog(stillExpanded);
  ExpectSame(model, shown, refreshed, messages);

  // Now every nation; one that is filled already adds nothing and shows nothing again.
  for (std::size_t i = 0; i < present.size(); ++i) {
    model.OnCatalogExpanding(model.NationRow(present[i]), true);
    const auto& groups = refreshed.children[i].children;
    if (std::all_of(groups.begin(), groups.end(),
                    [](const TreeRow& g) { return g.children.empty(); }))
      EagerFill{data.database, second, messages}.Catalog({present[i]});
  }
  std::vector<std::string> ignored;
  ExpectSame(model, shown, EagerFill{data.database, second, ignored}.Catalog(present), messages);
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

// The listed templates whose name holds the text, read off the filled catalog row by row; the row
// of each match is that very row, and going to it fills its nation once, with its messages. At
// another date the old matches lead nowhere.
TEST_P(AgreesWithEagerFill, FindingGivesTheListedTemplatesWhoseNameHoldsTheText) {
  std::vector<std::string> ignored;
  const TreeRow catalog = EagerFill{data.database, first, ignored}.Catalog(present);
  const std::string text = std::vector<std::string>{"p", "C", "1", "x"}[GetParam() % 4];

  std::vector<CatalogMatch> expected;
  for (std::size_t n = 0; n < present.size(); ++n)
    for (int echelon = 0; echelon < 8; ++echelon) {
      const auto& rows = catalog.children[n].children[echelon].children;
      for (std::size_t i = 0; i < rows.size(); ++i)
        if (Lower(rows[i].unit->name.View()).find(Lower(text)) != std::string::npos)
          expected.push_back({present[n], echelon, static_cast<int>(i), rows[i].unit, first});
    }
  const std::vector<CatalogMatch> matches = model.FindTemplates(text);
  EXPECT_EQ(matches, expected);
  EXPECT_TRUE(model.FindTemplates("").empty());
  EXPECT_TRUE(shown.texts.empty());  // searching fills nothing
  std::vector<int> matched;
  for (const CatalogMatch& match : matches) {
    const CatalogRow row = model.MatchRow(match);
    EXPECT_EQ(model.Template(row), match.unit);
    EXPECT_EQ(model.Parent(row), model.EchelonGroupRow(match.nation, match.echelon));
    EXPECT_EQ(model.RowIndex(row), match.index);
    if (matched.empty() || matched.back() != match.nation) matched.push_back(match.nation);
  }
  std::vector<std::string> messages;
  ExpectSame(model, shown, EagerFill{data.database, first, messages}.Catalog(matched), messages);
  model.SetFilterDate({first.month % 12 + 1, first.year});
  for (const CatalogMatch& match : matches)
    EXPECT_EQ(model.MatchRow(match), kNoRow);
}

INSTANTIATE_TEST_SUITE_P(GeneratedDatabases, AgreesWithEagerFill, testing::Range(1u, 301u));

}  // namespace
}  // namespace valdren::test
