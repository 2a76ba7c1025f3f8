#include <gtest/gtest.h>

#include <string>

#include "org/OrgTrees.h"

namespace valdren {
namespace {

using test::Add;
using test::AddGroup;
using test::Dump;

struct NameCase {
  const char* typed;
  const char* stored;
};

void PrintTo(const NameCase& c, std::ostream* out) {
  *out << c.typed;
}

class SetName : public testing::TestWithParam<NameCase> {};

TEST_P(SetName, DropsEveryParenthesisedPart) {
  OrgItem item(0, nullptr);
  item.name = "old";
  item.SetName(GetParam().typed);
  EXPECT_EQ(item.name.Std(), GetParam().stored) << GetParam().typed;
}

INSTANTIATE_TEST_SUITE_P(Names, SetName,
                         testing::Values(NameCase{"Scouts (2)", "Scouts "},
                                         NameCase{"A(x)(y)B", "AB"}, NameCase{"T(H", "T"},
                                         NameCase{"a)b", "a)b"}, NameCase{"", ""},
                                         NameCase{"x((y)z)", "xz)"}, NameCase{"(a)b(c", "b"},
                                         NameCase{"()", ""}, NameCase{"1st Bn", "1st Bn"}));

struct RatingCase {
  std::uint32_t reference;
  bool leader;
  int rating;  // what the reference carries
  int newRating;
  std::uint32_t after;
};

void PrintTo(const RatingCase& c, std::ostream* out) {
  *out << c.reference;
}

class CommandRating : public testing::TestWithParam<RatingCase> {};

TEST_P(CommandRating, KeepsTheBandOfALeader) {
  const RatingCase& c = GetParam();
  OrgItem platoon(0, nullptr);
  platoon.reference = c.reference;
  EXPECT_EQ(platoon.GetCommandRating(), c.rating) << c.reference;
  EXPECT_EQ(platoon.HasLeader(), c.leader);
  platoon.SetCommandRating(c.newRating);
  EXPECT_EQ(platoon.reference, c.after) << c.reference;
}

INSTANTIATE_TEST_SUITE_P(
    Ratings, CommandRating,
    testing::Values(RatingCase{1408, true, 3, 2, 1407}, RatingCase{1403, true, 3, 2, 1402},
                    RatingCase{1405, true, 5, 1, 1401}, RatingCase{1406, true, 1, 5, 1410},
                    RatingCase{12410, true, 5, 3, 12408}, RatingCase{1308, false, 0, 4, 1308},
                    RatingCase{2101, false, 0, 4, 2101}, RatingCase{400, true, 0, 1, 401}));

TEST(OrgGroup, RatingReachesEveryLeaderBelowButNotTheGroupsTest) {
  OrgRoot root;
  // The company's own reference has category digit 4: it decodes a rating but is not a leader.
  OrgGroup& company = AddGroup(root, nullptr, 1, 100403);
  EXPECT_EQ(company.GetCommandRating(), 3);
  EXPECT_FALSE(company.HasLeader());
  OrgGroup& platoons = AddGroup(root, &company, 1, 100101);
  OrgItem& first = Add(root, &platoons, 0, 1402);
  OrgItem& rifle = Add(root, &platoons, 0, 1102);
  OrgItem& second = Add(root, &company, 0, 1409);
  EXPECT_TRUE(company.HasLeader());
  EXPECT_FALSE(AddGroup(root, nullptr, 1, 100101).HasLeader());
  company.SetCommandRating(5);
  EXPECT_EQ(first.reference, 1405u);
  EXPECT_EQ(second.reference, 1410u);
  EXPECT_EQ(rifle.reference, 1102u);
}

TEST(OrgGroup, AnEmptyGroupIsItsOwnUnit) {
  OrgRoot root;
  OrgGroup& company = AddGroup(root, nullptr, 1, 100101);
  EXPECT_FALSE(company.HasSubgroups());
  EXPECT_FALSE(company.HasLeader());
  ItemList<OrgItem> units;
  company.CollectUnits(units);
  ItemList<OrgItem> all;
  company.CollectAll(all);
  ASSERT_EQ(units.Size(), 1u);
  EXPECT_EQ(units.First()->item, &company);
  ASSERT_EQ(all.Size(), 1u);
  EXPECT_EQ(all.First()->item, &company);
}

std::string Names(const ItemList<OrgItem>& list) {
  std::string out;
  for (const auto& node : list)
    out += node.item->name.Std() + " ";
  return out;
}

TEST(OrgGroup, CollectsUnitsAndEveryItemInTreeOrder) {
  OrgRoot root;
  OrgGroup& division = AddGroup(root, nullptr, 5, 100001, 0, 6, "D");
  OrgGroup& regiment = AddGroup(root, &division, 3, 100001, 0, 6, "R");
  OrgGroup& first = AddGroup(root, &regiment, 1, 100001, 0, 6, "C1");
  Add(root, &first, 0, 1401, 0, 6, "lead");
  Add(root, &first, 0, 1101, 0, 6, "rifle");
  AddGroup(root, &regiment, 1, 100001, 0, 6, "C2");
  Add(root, &division, 0, 1101, 0, 6, "recon");
  Add(root, &division, 0, 1401, 0, 6, "staff");
  Add(root, &division, 0, 1301, 0, 6, "attached");
  Add(root, &division, 0, 1201, 0, 6, "guns");
  ItemList<OrgItem> units;
  division.CollectUnits(units);
  EXPECT_EQ(Names(units), "C1 C2 recon guns ");
  ItemList<OrgItem> all;
  division.CollectAll(all);
  EXPECT_EQ(Names(all), "D R C1 lead rifle C2 recon staff attached guns ");
  EXPECT_EQ(division.FindById(0), &division);
}

TEST(OrgGroup, MoraleAndMarksReachTheWholeSubtree) {
  OrgRoot root;
  OrgGroup& division = AddGroup(root, nullptr, 5, 1, 0, 3);
  OrgGroup& regiment = AddGroup(root, &division, 3, 1, 0, 3);
  OrgItem& platoon = Add(root, &regiment, 0, 1, 0, 3);
  OrgItem& other = Add(root, nullptr, 0, 1, 0, 3);
  division.mark = regiment.mark = platoon.mark = other.mark = 7;
  division.SetMorale(9);
  division.ClearMark();
  EXPECT_EQ(division.morale, 9);
  EXPECT_EQ(regiment.morale, 9);
  EXPECT_EQ(platoon.morale, 9);
  EXPECT_EQ(other.morale, 3);
  EXPECT_EQ(division.mark + regiment.mark + platoon.mark, 0u);
  EXPECT_EQ(other.mark, 7u);
}

TEST(OrgRoot, NumbersASubtreeInPreOrderAndFindsById) {
  OrgRoot root;
  root.Clear();
  OrgGroup& battalion = AddGroup(root, nullptr, 2, 1, -1);
  OrgGroup& company = AddGroup(root, &battalion, 1, 1, -1);
  OrgItem& a = Add(root, &company, 0, 1, -1);
  OrgItem& b = Add(root, &company, 0, 1, -1);
  OrgItem& c = Add(root, &battalion, 0, 1, -1);
  root.Number(battalion);
  EXPECT_EQ(battalion.id, 0);
  EXPECT_EQ(company.id, 1);
  EXPECT_EQ(a.id, 2);
  EXPECT_EQ(b.id, 3);
  EXPECT_EQ(c.id, 4);
  EXPECT_EQ(root.nextId, 5);
  EXPECT_EQ(battalion.FindById(3), &b);
  EXPECT_EQ(battalion.FindById(4), &c);
  EXPECT_EQ(battalion.FindById(5), nullptr);
  EXPECT_EQ(a.FindById(3), nullptr);
}

TEST(OrgRoot, AppendAllRenumbersFromItsCounterAndEmptiesTheSource) {
  OrgRoot source;
  OrgGroup& company = AddGroup(source, nullptr, 1, 100101, 0, 4, "Co");
  Add(source, &company, 0, 1101, 1, 4, "a");
  Add(source, &company, 0, 1101, 2, 4, "b");
  Add(source, nullptr, 0, 1102, 3, 5, "c");
  source.month = 2;
  source.year = 44;
  OrgRoot root;
  root.nextId = 10;
  Add(root, nullptr, 0, 1, 9, 6, "mine");
  root.AppendAll(source.items);
  EXPECT_TRUE(source.items.Empty());
  EXPECT_EQ(root.nextId, 14);
  EXPECT_EQ(Dump(root),
            "P1#9:6'mine', C100101#10:4'Co'[P1101#11:4'a', P1101#12:4'b'], P1102#13:5'c'");
  EXPECT_EQ(root.month, 6);
  EXPECT_EQ(root.year, 41);
}

TEST(OrgRoot, ClearEmptiesAndResetsButNumbersNeverGoBack) {
  OrgRoot root;
  root.nextId = 4;
  root.month = 1;
  root.year = 45;
  root.version = 3;
  OrgItem& item = Add(root, nullptr, 0, 1);
  root.Number(item);
  root.Remove(item);
  EXPECT_EQ(root.nextId, 5);
  Add(root, nullptr, 0, 1);
  root.Clear();
  EXPECT_TRUE(root.items.Empty());
  EXPECT_EQ(root.nextId, 0);
  EXPECT_EQ(root.version, 1);
  EXPECT_EQ(root.month, 6);
  EXPECT_EQ(root.year, 41);
}

}  // namespace
}  // namespace valdren
