// The organization in memory: items, groups and the root, the list edits, and what a formation
// holds and is worth.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "org/Strength.h"
#include "support/TestData.h"

namespace valdren::test {
namespace {

TEST(OrgItem, SetNameDropsEveryParenthesisedPart) {
  const struct {
    const char* typed;
    const char* stored;
  } cases[] = {
      {"Scouts (2)", "Scouts "}, {"A(x)(y)B", "AB"}, {"T(H", "T"}, {"a)b", "a)b"}, {"", ""},
      {"x((y)z)", "xz)"},        {"(a)b(c", "b"},    {"()", ""}};
  for (const auto& c : cases) {
    OrgItem item(0, nullptr);
    item.name = "old";
    item.SetName(c.typed);
    EXPECT_EQ(item.name.Std(), c.stored) << c.typed;
  }
}

TEST(OrgItem, ACommandRatingChangeKeepsTheBandOfALeader) {
  const struct {
    std::uint32_t reference;
    bool leader;  // category digit 4
    int rating;   // what the reference carries
    int newRating;
    std::uint32_t after;
  } cases[] = {{1408, true, 3, 2, 1407},  {1403, true, 3, 2, 1402},   {1405, true, 5, 1, 1401},
               {1406, true, 1, 5, 1410},  {12410, true, 5, 3, 12408}, {400, true, 0, 1, 401},
               {1308, false, 0, 4, 1308}, {2101, false, 0, 4, 2101}};
  for (const auto& c : cases) {
    OrgItem platoon(0, nullptr);
    platoon.reference = c.reference;
    EXPECT_EQ(platoon.GetCommandRating(), c.rating) << c.reference;
    EXPECT_EQ(platoon.HasLeader(), c.leader) << c.reference;
    platoon.SetCommandRating(c.newRating);
    EXPECT_EQ(platoon.reference, c.after) << c.reference;
  }
}

// A rating reaches every leader below, keeping its band; morale and marks reach every item.
TEST(OrgGroup, SubtreeOperationsReachEveryItemBelow) {
  OrgRoot root;
  OrgGroup& division = AddGroup(root, nullptr, 5, 100403, 0, 3, "D");
  OrgGroup& regiment = AddGroup(root, &division, 3, 100001, 0, 3, "R");
  OrgGroup& first = AddGroup(root, &regiment, 1, 100001, 0, 3, "C1");
  OrgItem& lead = Add(root, &first, 0, 1402, 0, 3, "lead");
  Add(root, &first, 0, 1101, 0, 3, "rifle");
  // A group's own reference of category 4 decodes a rating but does not make it a leader.
  OrgGroup& empty = AddGroup(root, &regiment, 1, 100408, 0, 3, "C2");
  for (const auto& [reference, name] :
       {std::pair{1101u, "recon"}, {1409u, "staff"}, {1301u, "attached"}, {1201u, "guns"}})
    Add(root, &division, 0, reference, 0, 3, name);
  OrgItem& other = Add(root, nullptr, 0, 1401, 0, 3, "other");
  EXPECT_EQ(empty.GetCommandRating(), 3);
  EXPECT_FALSE(empty.HasLeader() || empty.HasSubgroups() || first.HasSubgroups());
  EXPECT_TRUE(division.HasLeader());

  division.mark = empty.mark = lead.mark = other.mark = 7;
  division.SetCommandRating(5);
  division.SetMorale(9);
  division.ClearMark();
  EXPECT_EQ(Dump(root),
            "D100405#0:9'D'[R100001#0:9'R'[C100001#0:9'C1'[P1405#0:9'lead', P1101#0:9'rifle'], "
            "C100410#0:9'C2'[]], P1101#0:9'recon', P1410#0:9'staff', P1301#0:9'attached', "
            "P1201#0:9'guns'], P1401#0:3'other'");
  EXPECT_EQ(empty.mark + lead.mark, 0u);
  EXPECT_EQ(other.mark, 7u);
  ItemList<OrgItem> all;  // the units are counted in the Strength tests
  division.CollectAll(all);
  std::string names;
  for (const auto& node : all)
    names += node.item->name.Std() + " ";
  EXPECT_EQ(names, "D R C1 lead rifle C2 recon staff attached guns ");
}

// Clearing, which starts them again, is what reading a file does first (OrgFileTest).
TEST(OrgRoot, IdsAreGivenInPreOrderAndRemovingGivesNoneBack) {
  OrgRoot source;  // appended items take fresh ids; the source's date is not taken
  OrgGroup& company = AddGroup(source, nullptr, 1, 100101, 0, 4, "Co");
  Add(source, &company, 0, 1101, 1, 4, "a");
  Add(source, nullptr, 0, 1102, 2, 5, "b");
  source.month = 2;
  source.year = 44;
  OrgRoot root;
  root.nextId = 4;
  OrgGroup& battalion = AddGroup(root, nullptr, 2, 1, -1, 6, "Bn");
  Add(root, &AddGroup(root, &battalion, 1, 1, -1, 6, "Co"), 0, 1, -1, 6, "p");
  OrgItem& q = Add(root, &battalion, 0, 1, -1, 6, "q");
  root.Number(battalion);
  root.AppendAll(source.items);
  EXPECT_TRUE(source.items.Empty());
  EXPECT_EQ(Dump(root),
            "B1#4:6'Bn'[C1#5:6'Co'[P1#6:6'p'], P1#7:6'q'], "
            "C100101#8:4'Co'[P1101#9:4'a'], P1102#10:5'b'");
  EXPECT_EQ(battalion.FindById(7), &q);
  EXPECT_EQ(battalion.FindById(8), nullptr);
  EXPECT_EQ(q.FindById(6), nullptr);
  root.Remove(battalion);
  EXPECT_EQ(root.nextId, 11);
  EXPECT_EQ(root.month, 6);
  EXPECT_EQ(root.year, 41);
}

TEST(ListEdits, MovesReorderTheSiblingsWithWrapAround) {
  using Move = void (OrgRoot::*)(OrgItem&);
  const struct {
    Move move;
    char which;
    const char* after;
  } cases[] = {{&OrgRoot::MoveUp, 'a', "b c a"},       {&OrgRoot::MoveUp, 'b', "b a c"},
               {&OrgRoot::MoveUp, 'c', "a c b"},       {&OrgRoot::MoveDown, 'a', "b a c"},
               {&OrgRoot::MoveDown, 'b', "a c b"},     {&OrgRoot::MoveDown, 'c', "c a b"},
               {&OrgRoot::MoveToTop, 'a', "a b c"},    {&OrgRoot::MoveToTop, 'c', "c a b"},
               {&OrgRoot::MoveToBottom, 'a', "b c a"}, {&OrgRoot::MoveToBottom, 'c', "a b c"}};
  for (const auto& c : cases) {
    for (bool inGroup : {false, true}) {
      OrgRoot root;
      OrgGroup* const group = inGroup ? &AddGroup(root, nullptr, 1, 1, 0, 6, "Co") : nullptr;
      OrgItem* picked = nullptr;
      for (const char* name : {"a", "b", "c"})
        if (OrgItem& item = Add(root, group, 0, 1, 0, 6, name); *name == c.which) picked = &item;
      (root.*c.move)(*picked);
      EXPECT_EQ(Dump(root, true), inGroup ? "Co[" + std::string(c.after) + "]" : c.after)
          << c.which;
    }
  }
}

TEST(ListEdits, RaiseRemoveAndLowerAtTheEnds) {
  OrgRoot root;
  OrgGroup& battalion = AddGroup(root, nullptr, 2, 1, 0, 6, "Bn");
  OrgGroup& company = AddGroup(root, &battalion, 1, 1, 0, 6, "Co");
  OrgItem& p = Add(root, &company, 0, 1, 0, 6, "p");
  Add(root, &company, 0, 1, 0, 6, "q");
  OrgItem& r = Add(root, &battalion, 0, 1, 0, 6, "r");
  OrgItem& last = Add(root, nullptr, 0, 1, 0, 6, "last");
  EXPECT_TRUE(root.Raise(p));
  EXPECT_EQ(Dump(root, true), "Bn[Co[q] r p] last");
  EXPECT_TRUE(root.Raise(company));
  EXPECT_EQ(Dump(root, true), "Bn[r p] last Co[q]");
  EXPECT_FALSE(root.Raise(company));
  EXPECT_FALSE(root.Lower(battalion));  // a first item has no previous sibling to go into
  EXPECT_FALSE(root.Lower(r));
  root.Remove(last);
  EXPECT_TRUE(root.Lower(company));
  root.Remove(p);
  EXPECT_EQ(Dump(root, true), "Bn[r Co[q]]");
}

// Nation digits of a group reference: 1 Germany (Axis), 0 Russia and 9 Great Britain (Allied).
constexpr std::uint32_t kGerman = 100001, kRussian = 1, kBritish = 900001;

TEST(ListEdits, LowerNeedsAHigherPreviousSiblingOfTheSameSide) {
  const struct {
    int previousEchelon;
    std::uint32_t previousReference;
    int echelon;
    std::uint32_t reference;
    const char* after;
  } cases[] = {
      {3, kGerman, 2, kGerman, "D[p[i[]] n]"},   {1, kGerman, 0, 1000, "D[p[i] n]"},
      {2, kGerman, 2, kGerman, "D[p[] i[] n]"},  {0, 1000, 2, kGerman, "D[p i[] n]"},
      {3, kRussian, 2, kGerman, "D[p[] i[] n]"}, {3, kRussian, 2, kBritish, "D[p[i[]] n]"}};
  for (const auto& c : cases) {
    OrgRoot root;
    OrgGroup& division = AddGroup(root, nullptr, 5, kGerman, 0, 6, "D");
    Add(root, &division, c.previousEchelon, c.previousReference, 0, 6, "p");
    OrgItem& item = Add(root, &division, c.echelon, c.reference, 0, 6, "i");
    Add(root, &division, 0, 1, 0, 6, "n");
    EXPECT_EQ(root.Lower(item), std::string_view(c.after).starts_with("D[p[i")) << c.after;
    EXPECT_EQ(Dump(root, true), c.after);
  }
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
  const Strength strength = StrengthOf(company, data.database);
  const std::string valued = "yyynnnyyyy";  // categories 0 to 9
  ASSERT_EQ(strength.templates.size(), 10u);
  for (int category = 0; category <= 9; ++category) {
    const TemplateStrength& row = strength.templates[static_cast<std::size_t>(category)];
    EXPECT_EQ(row.reference, PlatoonReference(1, category, 1));  // equal counts: by name
    EXPECT_EQ(row.valued, valued[category] == 'y') << category;
    EXPECT_EQ(row.value, row.valued ? 2 * (10 + category) : 0) << category;
  }
  // The side each nation's value goes to is the roster's to show (ToolTest).
  EXPECT_EQ(strength.value, 2 * (10 + 11 + 12 + 16 + 17 + 18 + 19));
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

  const Strength whole = StrengthOf(division, data.database);
  EXPECT_EQ(whole.items, (std::array<std::int64_t, kEchelonCount>{12, 3, 0, 1, 0, 1, 0, 0}));
  EXPECT_EQ(whole.units, 4);  // the three companies and the regiment's own platoon
  EXPECT_EQ(whole.leaders, 5);
  EXPECT_EQ(whole.leadersByRating, (std::array<std::int64_t, kCommandRatings>{0, 1, 1, 1, 1}));
  EXPECT_EQ(whole.lowestMorale, 2);
  EXPECT_EQ(whole.highestMorale, 9);
  EXPECT_DOUBLE_EQ(whole.meanMorale, (9 + 2 + 15 * 6) / 17.0);
  EXPECT_EQ(whole.unknownPlatoons, 12);  // the database is empty

  // The regiment alone: its own leader and the companies', without the division's.
  EXPECT_EQ(StrengthOf(regiment, data.database).leaders, 3);
}

// Nothing at all gives zeros, not the mean of no morale; a group without children is one unit.
TEST(Strength, NothingGivesZerosAndTheSummaryGroupsThousands) {
  TestDatabase data;
  data.Platoon(1101, "Schuetzenzug", 2);
  OrgRoot root;
  const Strength empty = StrengthOf(root, data.database);
  EXPECT_EQ(empty.ItemCount() + empty.units + empty.lowestMorale + empty.highestMorale, 0);
  EXPECT_EQ(empty.meanMorale, 0);
  const OrgItem& company = AddGroup(root, nullptr, kCompany, 100001, 0, 7, "Leere Kompanie");
  const Strength alone = StrengthOf(company, data.database);
  EXPECT_EQ(alone.lowestMorale, 7);
  EXPECT_EQ(StrengthSummary(company, alone), "Leere Kompanie: 0 platoons, 1 unit, value 0");

  OrgGroup& division = AddGroup(root, nullptr, kDivision, 100001, 0, 6, "27. Infanterie-Division");
  for (int i = 0; i < 1001; ++i)
    Add(root, &division, kPlatoon, 1101);
  EXPECT_EQ(StrengthSummary(division, StrengthOf(division, data.database)),
            "27. Infanterie-Division: 1,001 platoons, 1 unit, value 2,002");
  const struct {
    std::int64_t number;
    const char* text;
  } cases[] = {{0, "0"},          {999, "999"},           {1000, "1,000"},
               {1712, "1,712"},   {1234567, "1,234,567"}, {-999, "-999"},
               {-2500, "-2,500"}, {-100000, "-100,000"}};
  for (const auto& c : cases)
    EXPECT_EQ(WithThousands(c.number), c.text);
}

}  // namespace
}  // namespace valdren::test
