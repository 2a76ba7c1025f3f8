#include <gtest/gtest.h>

#include <string>

#include "org/OrgTrees.h"

namespace valdren {
namespace {

using test::Add;
using test::AddGroup;
using test::Dump;

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

TEST(OrgGroup, SubtreeOperationsReachEveryItemBelow) {
  OrgRoot root;
  OrgGroup& division = AddGroup(root, nullptr, 5, 100403, 0, 3, "D");
  OrgGroup& regiment = AddGroup(root, &division, 3, 100001, 0, 3, "R");
  OrgGroup& first = AddGroup(root, &regiment, 1, 100001, 0, 3, "C1");
  OrgItem& lead = Add(root, &first, 0, 1402, 0, 3, "lead");
  Add(root, &first, 0, 1101, 0, 3, "rifle");
  // A group's own reference of category 4 decodes a rating but does not make it a leader.
  OrgGroup& empty = AddGroup(root, &regiment, 1, 100408, 0, 3, "C2");
  Add(root, &division, 0, 1101, 0, 3, "recon");
  OrgItem& staff = Add(root, &division, 0, 1409, 0, 3, "staff");
  Add(root, &division, 0, 1301, 0, 3, "attached");
  Add(root, &division, 0, 1201, 0, 3, "guns");
  OrgItem& other = Add(root, nullptr, 0, 1401, 0, 3, "other");

  EXPECT_EQ(empty.GetCommandRating(), 3);
  EXPECT_FALSE(empty.HasLeader());
  EXPECT_TRUE(division.HasLeader());
  EXPECT_FALSE(empty.HasSubgroups());
  EXPECT_FALSE(first.HasSubgroups());
  division.SetCommandRating(5);
  EXPECT_EQ(division.reference, 100405u);
  EXPECT_EQ(empty.reference, 100410u);
  EXPECT_EQ(lead.reference, 1405u);
  EXPECT_EQ(staff.reference, 1410u);
  EXPECT_EQ(other.reference, 1401u);

  division.mark = empty.mark = lead.mark = other.mark = 7;
  division.SetMorale(9);
  division.ClearMark();
  ItemList<const OrgItem> units;
  ItemList<OrgItem> all;
  division.CollectUnits(units);
  division.CollectAll(all);
  std::string names;
  const auto addNames = [&names](const auto& list) {
    for (const auto& node : list)
      names += node.item->name.Std() + (node.next ? " " : "; ");
  };
  addNames(units);
  addNames(all);
  EXPECT_EQ(names, "C1 C2 recon guns; D R C1 lead rifle C2 recon staff attached guns; ");
  for (const auto& node : all)
    EXPECT_TRUE(node.item->morale == 9 && node.item->mark == 0) << node.item->name.View();
  EXPECT_EQ(other.morale, 3);
  EXPECT_EQ(other.mark, 7u);
}

TEST(OrgRoot, IdsAreGivenInPreOrderAndOnlyClearingStartsThemAgain) {
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

  root.month = 1;
  root.version = 3;
  root.Clear();
  EXPECT_TRUE(root.items.Empty());
  EXPECT_EQ(root.nextId, 0);
  EXPECT_EQ(root.version, 1);
  EXPECT_EQ(root.month, 6);
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

}  // namespace
}  // namespace valdren
