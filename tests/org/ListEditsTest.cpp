#include <gtest/gtest.h>

#include <string>

#include "org/OrgTrees.h"

namespace valdren {
namespace {

using test::Add;
using test::AddGroup;
using test::Dump;
using test::Names;

// The first node's prev must name the last node, or later appends go astray.
void ExpectLinked(const OwningItemList<OrgItem>& list) {
  if (list.Empty()) return;
  const ItemNode<OrgItem>* last = list.First();
  while (last->next)
    last = last->next;
  EXPECT_EQ(list.First()->prev, last);
}

enum class Move { kUp, kDown, kTop, kBottom };

struct MoveCase {
  Move move;
  const char* which;
  const char* after;
};

void PrintTo(const MoveCase& c, std::ostream* out) {
  *out << c.which;
}

class MoveEdit : public testing::TestWithParam<MoveCase> {};

// The same edits hold for the top level and for a group's children.
TEST_P(MoveEdit, ReordersTheSiblingsWithWrapAround) {
  const MoveCase& c = GetParam();
  for (bool inGroup : {false, true}) {
    OrgRoot root;
    OrgGroup* const group = inGroup ? &AddGroup(root, nullptr, 1, 1, 0, 6, "Co") : nullptr;
    OrgItem* picked = nullptr;
    for (const char* name : {"a", "b", "c"}) {
      OrgItem& item = Add(root, group, 0, 1, 0, 6, name);
      if (std::string(name) == c.which) picked = &item;
    }
    OwningItemList<OrgItem>& list = group ? group->children : root.items;
    switch (c.move) {
      case Move::kUp:
        root.MoveUp(*picked);
        break;
      case Move::kDown:
        root.MoveDown(*picked);
        break;
      case Move::kTop:
        root.MoveToTop(*picked);
        break;
      case Move::kBottom:
        root.MoveToBottom(*picked);
        break;
    }
    EXPECT_EQ(Names(list), c.after) << c.which;
    ExpectLinked(list);
    EXPECT_EQ(picked->parent, group);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Moves, MoveEdit,
    testing::Values(MoveCase{Move::kUp, "a", "b c a"}, MoveCase{Move::kDown, "c", "c a b"},
                    MoveCase{Move::kUp, "c", "a c b"}, MoveCase{Move::kUp, "b", "b a c"},
                    MoveCase{Move::kDown, "a", "b a c"}, MoveCase{Move::kDown, "b", "a c b"},
                    MoveCase{Move::kTop, "c", "c a b"}, MoveCase{Move::kTop, "a", "a b c"},
                    MoveCase{Move::kBottom, "a", "b c a"}, MoveCase{Move::kBottom, "c", "a b c"}));

TEST(RemoveEdit, DestroysTheSubtreeAndLeavesOtherIdsAlone) {
  OrgRoot root;
  Add(root, nullptr, 0, 1, 0, 6, "a");
  OrgGroup& battalion = AddGroup(root, nullptr, 2, 1, 1, 6, "Bn");
  OrgGroup& company = AddGroup(root, &battalion, 1, 1, 2, 6, "Co");
  Add(root, &company, 0, 1, 3, 6, "p");
  Add(root, nullptr, 0, 1, 4, 6, "b");
  root.nextId = 5;
  root.Remove(battalion);
  EXPECT_EQ(Dump(root), "P1#0:6'a', P1#4:6'b'");
  EXPECT_EQ(root.nextId, 5);
  ExpectLinked(root.items);
}

TEST(RaiseEdit, MovesToTheEndOfTheGrandparentOrTheTopLevel) {
  OrgRoot root;
  OrgGroup& battalion = AddGroup(root, nullptr, 2, 1, 0, 6, "Bn");
  OrgGroup& company = AddGroup(root, &battalion, 1, 1, 0, 6, "Co");
  OrgItem& platoon = Add(root, &company, 0, 1, 0, 6, "p");
  Add(root, &company, 0, 1, 0, 6, "q");
  Add(root, &battalion, 0, 1, 0, 6, "r");
  Add(root, nullptr, 0, 1, 0, 6, "last");

  EXPECT_TRUE(root.Raise(platoon));
  EXPECT_EQ(platoon.parent, &battalion);
  EXPECT_EQ(Names(battalion.children), "Co r p");
  EXPECT_EQ(Names(company.children), "q");

  EXPECT_TRUE(root.Raise(company));
  EXPECT_EQ(company.parent, nullptr);
  EXPECT_EQ(Names(root.items), "Bn last Co");
  ExpectLinked(root.items);
  ExpectLinked(battalion.children);

  EXPECT_FALSE(root.Raise(company));
  EXPECT_EQ(Names(root.items), "Bn last Co");
  Dump(root);  // checks every parent
}

// Nation digits of a group reference: 1 Germany (Axis), 0 Russia and 9 Great Britain (Allied).
constexpr std::uint32_t kGerman = 100001;
constexpr std::uint32_t kRussian = 1;
constexpr std::uint32_t kBritish = 900001;

struct LowerCase {
  const char* what;
  int previousEchelon;
  std::uint32_t previousReference;
  int echelon;
  std::uint32_t reference;
  bool lowers;
};

void PrintTo(const LowerCase& c, std::ostream* out) {
  *out << c.what;
}

class LowerEdit : public testing::TestWithParam<LowerCase> {};

TEST_P(LowerEdit, NeedsAHigherPreviousSiblingOfTheSameSide) {
  const LowerCase& c = GetParam();
  OrgRoot root;
  OrgGroup& division = AddGroup(root, nullptr, 5, kGerman, 0, 6, "D");
  OrgItem& previous = Add(root, &division, c.previousEchelon, c.previousReference, 0, 6, "prev");
  if (OrgGroup* group = previous.AsGroup()) Add(root, group, 0, 1, 0, 6, "inside");
  OrgItem& item = Add(root, &division, c.echelon, c.reference, 0, 6, "item");
  Add(root, &division, 0, 1, 0, 6, "next");
  EXPECT_EQ(root.Lower(item), c.lowers) << c.what;
  if (c.lowers) {
    EXPECT_EQ(item.parent, previous.AsGroup());
    EXPECT_EQ(Names(previous.AsGroup()->children), "inside item");
    EXPECT_EQ(Names(division.children), "prev next");
  } else {
    EXPECT_EQ(item.parent, &division);
    EXPECT_EQ(Names(division.children), "prev item next");
  }
  Dump(root);
}

INSTANTIATE_TEST_SUITE_P(
    Lowering, LowerEdit,
    testing::Values(LowerCase{"battalion into regiment", 3, kGerman, 2, kGerman, true},
                    LowerCase{"platoon into company", 1, kGerman, 0, 1000, true},
                    LowerCase{"battalion after battalion", 2, kGerman, 2, kGerman, false},
                    LowerCase{"battalion after platoon", 0, 1000, 2, kGerman, false},
                    LowerCase{"battalion after regiment of the other side", 3, kRussian, 2, kGerman,
                              false},
                    LowerCase{"both allied, different nations", 3, kRussian, 2, kBritish, true}),
    [](const testing::TestParamInfo<LowerCase>& info) {
      return "Case" + std::to_string(info.index);
    });

TEST(LowerEdit, TheFirstSiblingCannotBeLoweredButTopLevelItemsCan) {
  OrgRoot root;
  OrgGroup& regiment = AddGroup(root, nullptr, 3, kGerman, 0, 6, "R");
  OrgGroup& battalion = AddGroup(root, nullptr, 2, kGerman, 0, 6, "B");
  OrgItem& first = Add(root, &battalion, 1, kGerman, 0, 6, "C");
  EXPECT_FALSE(root.Lower(regiment));
  EXPECT_FALSE(root.Lower(first));
  EXPECT_TRUE(root.Lower(battalion));
  EXPECT_EQ(battalion.parent, &regiment);
  EXPECT_EQ(Dump(root), "R100001#0:6'R'[B100001#0:6'B'[C100001#0:6'C'[]]]");
  ExpectLinked(root.items);
}

}  // namespace
}  // namespace valdren
