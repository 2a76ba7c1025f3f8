#include "builder/Builder.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "builder/BuilderTestData.h"
#include "builder/Naming.h"
#include "org/OrgFile.h"
#include "org/OrgRoot.h"

namespace valdren {
namespace {

using test::BuilderTest;
using test::kGermany;
using test::kRussia;
using test::Shape;

// The templates a group's children were made from, by their references.
std::vector<std::uint32_t> ChildRefs(const OrgItem& item) {
  std::vector<std::uint32_t> refs;
  for (const auto& node : item.AsGroup()->children)
    refs.push_back(node.item->reference);
  return refs;
}

TEST(Naming, OrdinalEndingsAndRomanNumerals) {
  const struct {
    int n;
    const char *suffix, *roman;
  } cases[] = {
      {1, "st", "I"},     {2, "nd", "II"},       {3, "rd", "III"},        {4, "th", "IV"},
      {11, "th", "XI"},   {12, "th", "XII"},     {13, "th", "XIII"},      {21, "st", "XXI"},
      {111, "th", "CXI"}, {112, "th", "CXII"},   {122, "nd", "CXXII"},    {14, "th", "XIV"},
      {49, "th", "XLIX"}, {999, "th", "CMXCIX"}, {0, "th", ""},           {-7, "th", ""},
      {8, "th", "VIII"},  {39, "th", "XXXIX"},   {90, "th", "XC"},        {400, "th", "CD"},
      {500, "th", "D"},   {1003, "rd", "MIII"},  {1944, "th", "MCMXLIV"}, {4004, "th", "MMMMIV"}};
  for (const auto& c : cases) {
    EXPECT_EQ(OrdinalSuffix(c.n), c.suffix) << c.n;
    EXPECT_EQ(RomanNumeral(c.n).View(), c.roman) << c.n;
  }
}

TEST(Naming, RangeGroupsKeepWhatCouldBeRead) {
  const struct {
    const char* afterMarker;
    int lo, hi;
    const char* following;
  } cases[] = {
      {" Infantry Regiment", 1, 999, " Infantry Regiment"},
      {"(1-30). Infanterie-Division", 1, 30, ". Infanterie-Division"},
      {"(7-3)", 7, 3, ""},
      {"( 10 to - 20 ish) Corps", 10, 20, " Corps"},  // anything may stand before "-" and ")"
      {"(010-0x20)x", 8, 32, "x"},                    // the integer rule: octal and hexadecimal
      {"(-2147483648--2) A", INT_MIN, -2, " A"},
      {"((2-3)) A", 1, 3, ") A"},
      {"x(2-3) A", 1, 999, "x(2-3) A"},  // a group only directly after the marker
      // Cut short or unreadable: a bound that is missing or too large stays at its default, and
      // without a ")" nothing follows.
      {"(", 1, 999, ""},
      {"(5) Regiment", 5, 999, " Regiment"},
      {"(3-4 Regiment", 3, 4, ""},
      {"(x-4) A", 1, 4, " A"},
      {"(99999999999-5) A", 1, 5, " A"},
      {"(2-99999999999) A", 2, 999, " A"},
  };
  for (const auto& c : cases) {
    const NumberPattern pattern = ReadNumberPattern(c.afterMarker);
    EXPECT_EQ(pattern.lo, c.lo) << c.afterMarker;
    EXPECT_EQ(pattern.hi, c.hi) << c.afterMarker;
    EXPECT_EQ(pattern.following, c.following) << c.afterMarker;
  }
}

TEST_F(BuilderTest, ThePatternExamplesWithThreeDrawnAndGuardsListed) {
  const OrgTemplate& regiment = Org(kRegiment, "R");
  names.unitNames[kGermany][kRegiment] = {"Guards"};
  const struct {
    const char *pattern, *inherited, *designation, *name;
  } cases[] = {
      {"$ Infantry Regiment", "9th", "3rd", "3rd Infantry Regiment"},
      {"$(1-30). Infanterie-Division", "9th", "3", "3. Infanterie-Division"},
      {"@ Corps", "9th", "III", "III Corps"},
      {"# Artillery Battalion", "3rd", "3rd", "3rd Artillery Battalion"},
      {"& Regiment", "9th", "Guards", "Guards Regiment"},
      {"Infantry $ Regiment", "9th", "3rd", "3rd Regiment"},
      {"Heavy Weapons Company", "3rd", "3rd", "Heavy Weapons Company"},
      {"#", "", "", ""},
  };
  for (const auto& c : cases) {
    // With every other number of 1..999 issued, 3 is the only one left to draw.
    BuilderState fresh(17);
    for (int n = 1; n <= 999; ++n)
      if (n != 3) fresh.Issued().Insert(n);
    const NameAndDesignation named =
        Builder(fresh, names, 6, 41).MakeName(c.pattern, c.inherited, regiment);
    EXPECT_EQ(named.name.View(), c.name) << c.pattern;
    EXPECT_EQ(named.designation.View(), c.designation) << c.pattern;
  }
}

TEST_F(BuilderTest, OneNumberPoolForEveryNationEchelonAndMarker) {
  const OrgTemplate& german = Org(kRegiment, "R");
  const OrgTemplate& russian = Org(kCorps, "K", 6, kRussia);
  EXPECT_EQ(builder.MakeName("$(4-4) Regiment", "", german).name.View(), "4th Regiment");
  EXPECT_EQ(builder.MakeName("@(4-5) Corps", "", russian).name.View(), "V Corps");
  // The whole range is issued now: the number drawn is used again.
  EXPECT_EQ(builder.MakeName("@(5-5) Corps", "", german).name.View(), "V Corps");
  EXPECT_EQ(builder.MakeName("$(7-3) Regiment", "", german).name.View(), "7th Regiment");
  EXPECT_EQ(state.Issued().Size(), 3u);
}

// The seed whose first draw is the largest a generator gives, (2^31 - 1) / 2^31: the state that
// steps to 0xFFFFFFFF (4005161829 is the inverse of the multiplier modulo 2^32).
constexpr auto kTopSeed = static_cast<std::uint32_t>((0xFFFFFFFFull - 12345) * 4005161829ull);

TEST(PickNumber, ProbesUpwardThenFromLoAndStaysInTheRange) {
  // Seed 1 first draws 0.51387..., which is 6 in 1..10.
  ASSERT_EQ(1 + static_cast<int>(Random(1).Next() * 10), 6);
  const struct {
    std::uint32_t seed;
    int lo, hi;
    std::vector<int> issued;
    int expected;
  } cases[] = {
      {1, 1, 10, {}, 6},
      {1, 1, 10, {7, 6}, 8},
      {1, 1, 10, {6, 7, 8, 9, 10}, 1},
      {1, 1, 10, {1, 2, 3, 6, 7, 8, 9, 10}, 4},
      {1, 1, 10, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 6},
      {1, 1, 10, {10, 8, 6, 9, 7, 12, 11}, 1},      // numbers above the range are not offered
      {1, 3, 10, {1, 2, 3, 4, 5, 7, 8, 9, 10}, 6},  // nor those below it (7 is drawn in 3..10)
      // The largest draw reaches hi and no further; lo is at least 1 and hi at least lo.
      {kTopSeed, 1, INT_MAX, {}, INT_MAX},
      {0, 1, INT_MAX, {}, 1 + static_cast<int>(12345 / 2147483648.0 * INT_MAX)},
      {kTopSeed, INT_MIN, INT_MIN, {}, 1},
      {kTopSeed, INT_MAX, INT_MIN, {}, INT_MAX},
  };
  NameLists names;
  for (const auto& c : cases) {
    BuilderState state(c.seed);
    for (int n : c.issued)
      state.Issued().Insert(n);
    EXPECT_EQ(Builder(state, names, 6, 41).PickNumber(c.lo, c.hi), c.expected)
        << c.lo << ".." << c.hi << " " << testing::PrintToString(c.issued);
    EXPECT_TRUE(state.Issued().Contains(c.expected));
  }
}

TEST_F(BuilderTest, ACumulativeTestPicksTheAlternative) {
  const UnitTemplate& first = Platoon("First");
  const UnitTemplate& second = Platoon("Second");
  OrgTemplate& company = Org(kCompany, "Company");
  AddGroup(company, "30 50", {{&first, 30}, {&second, 50}});
  AddGroup(company, "70 70", {{&first, 70}, {&second, 70}});
  AddGroup(company, "100 100", {{&first, 100}, {&second, 100}});
  AddGroup(company, "none", {});
  const struct {
    int group, percent;
    const UnitTemplate* expected;
  } cases[] = {
      {0, 0, &first},   {0, 29, &first},  {0, 30, &second}, {0, 79, &second},
      {0, 80, nullptr}, {0, 99, nullptr}, {1, 69, &first},  {1, 70, &second},
      {1, 99, &second}, {2, 99, &first},  {3, 0, nullptr},
  };
  for (const auto& c : cases) {
    const auto child = builder.InstantiateChoice(company.groups[c.group], c.percent, nullptr, "");
    EXPECT_EQ(child ? child->reference : 0, c.expected ? c.expected->reference : 0)
        << company.groups[c.group].name.Std() << " at " << c.percent;
  }
}

TEST_F(BuilderTest, ConsecutiveGroupsWithTheSameChoicesShareOneDraw) {
  const UnitTemplate& a = Platoon("A");
  const UnitTemplate& b = Platoon("B");
  UnitTemplate twin(0);  // equal to a, but not the same template
  twin.reference = a.reference;
  const DateRange never{1, 39, 1, 39};
  OrgTemplate& company = Org(kCompany, "Company");
  AddGroup(company, "1st", {{&a, 50}, {&b, 50}});
  AddGroup(company, "old", {{&a, 100}}, DateRange{1, 39, 12, 40});  // out of range: not between
  AddGroup(company, "2nd", {{&a, 50}, {&b, 50}});
  AddGroup(company, "3rd", {{&a, 60}, {&b, 40}});  // other probabilities: a draw of its own
  // Never in range, only compared: another order, length or template, and empty lists.
  AddGroup(company, "", {{&b, 50}, {&a, 50}}, never);
  AddGroup(company, "", {{&a, 50}}, never);
  AddGroup(company, "", {{&twin, 50}, {&b, 50}}, never);
  AddGroup(company, "", {}, never);
  AddGroup(company, "", {}, never);
  const auto& g = company.groups;
  EXPECT_TRUE(SameChoices(g[0], g[2]));
  for (int other : {3, 4, 5, 6})
    EXPECT_FALSE(SameChoices(g[0], g[other])) << other;
  EXPECT_FALSE(SameChoices(g[5], g[0]));
  EXPECT_TRUE(SameChoices(g[7], g[8]));
  int drawnA = 0;
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    BuilderState fresh(seed);
    const auto item = Builder(fresh, names, 6, 41).Instantiate(company, "", nullptr, std::nullopt);
    Random percents(seed);
    const std::uint32_t first = percents.Next() * 100 < 50 ? a.reference : b.reference;
    const std::uint32_t third =
        static_cast<int>(percents.Next() * 100) < 60 ? a.reference : b.reference;
    EXPECT_EQ(ChildRefs(*item), (std::vector{first, first, third})) << seed;
    drawnA += first == a.reference;
  }
  EXPECT_GT(drawnA, 0);  // the seeds reached both alternatives
  EXPECT_LT(drawnA, 40);
}

TEST_F(BuilderTest, UnitNamesComeFromTheListInPlaceOrder) {
  const OrgTemplate& regiment = Org(kRegiment, "R");
  names.unitNames[kGermany][kRegiment] = {"IR 15", "IR 47", "IR 61"};
  Random reference(4242);
  for (int i = 0; i < 20; ++i) {
    const auto k = static_cast<std::size_t>(reference.Next() * 3);
    EXPECT_EQ(builder.PickUnitName(regiment), names.unitNames[kGermany][kRegiment][k]);
  }
  // Nation digits without lists (there are 20 nations) give no name.
  const OrgTemplate& stray = Org(kRegiment, "& Regiment", 6, 57);
  for (auto& nation : names.unitNames)
    nation[kRegiment] = {"Guards"};
  EXPECT_EQ(Shape(*Build(stray)), " Regiment[]");
}

TEST(PickLeaderName, EveryEntryDrawsOnceFromTheProgramWideGenerator) {
  NameLists names;
  names.leaderNames[3] = {"Antonescu", "Dumitrescu", "Lascar", "Mazarini", "Petrescu"};
  for (std::uint32_t seed = 1; seed <= 30; ++seed) {
    BuilderState state(seed);
    const String pick = Builder(state, names, 6, 41).PickLeaderName(3);
    // Entry k (from 1) takes over the pick when 1/k is above its draw.
    Random reference(seed);
    std::size_t expected = 0;
    for (std::size_t k = 1; k <= 5; ++k)
      if (1.0 / static_cast<double>(k) > reference.Next()) expected = k - 1;
    EXPECT_EQ(pick, names.leaderNames[3][expected]) << seed;
    EXPECT_EQ(state.ProgramRandom().State(), reference.State()) << seed;
  }
  BuilderState state(1);
  Builder builder(state, names, 6, 41);
  for (int nation : {4, 20, 99, -1})
    EXPECT_EQ(builder.PickLeaderName(nation).View(), "") << nation;
}

TEST_F(BuilderTest, AnOrganizationIsNamedNumberedAndGivenTheSelectedTemplatesMorale) {
  const UnitTemplate& platoon = Platoon("Rifle Platoon");
  const UnitTemplate& leader = Platoon("Leader", 4);
  OrgTemplate& company = Org(kCompany, "HW", 3);
  AddGroup(company, "# Platoon", {{&platoon, 100}});
  OrgTemplate& regiment = Org(kRegiment, "R");
  AddGroup(regiment, "# Company", {{&company, 100}});
  OrgTemplate& division = Org(kDivision, "& Division", 9);
  AddGroup(division, "# Regiment", {{&regiment, 100}});
  AddGroup(division, "Heavy Weapons Company", {{&company, 100}});
  AddGroup(division, "& Platoon", {{&platoon, 100}});  // no lists for platoons
  AddGroup(division, "Early", {{&platoon, 100}}, DateRange{1, 39, 5, 41});
  // A group's pattern is expanded for the choice and again by the child, one marker each time.
  AddGroup(division, "$(1-1) $(2-2) Regiment", {{&regiment, 100}});
  // A leader's text is the once-expanded pattern; parenthesised parts go with the name.
  AddGroup(division, "Cpt", {{&leader, 100}});
  AddGroup(division, "", {{&leader, 100}});
  AddGroup(division, "$(9-9) Lt (HQ)", {{&leader, 100}});
  AddGroup(division, "# Sgt", {{&leader, 100}});
  names.unitNames[kGermany][kDivision] = {"Guards"};
  names.leaderNames[kGermany] = {"Brandt"};

  OrgRoot root;
  root.nextId = 10;
  const OrgItem* const single = AddToOrganization(root, Build(platoon), platoon.Morale());
  ASSERT_NE(single, nullptr);
  EXPECT_EQ(single->name.View(), "Independent Unit");
  EXPECT_EQ(single->reference, platoon.reference);
  EXPECT_EQ(Build(leader)->name.View(), "Brandt");  // a leader added on its own
  OrgItem* const added = AddToOrganization(root, Build(division), division.Morale());
  EXPECT_EQ(AddToOrganization(root, nullptr, 9), nullptr);
  ASSERT_EQ(root.items.Size(), 2u);
  ASSERT_EQ(root.items.Last()->item, added);
  EXPECT_EQ(Shape(*added),
            "Guards Division[Guards Regiment[Guards Company[Guards Platoon]]|"
            "Heavy Weapons Company[Guards Platoon]| Platoon|2nd Regiment[2nd Company[2nd Platoon]]|"
            "Cpt Brandt|Brandt|9th Lt  Brandt|Guards Sgt Brandt]");
  EXPECT_EQ(ChildRefs(*added)[5], leader.reference);
  EXPECT_EQ(state.Issued().Size(), 3u);
  EXPECT_EQ(single->morale, 6);
  ItemList<OrgItem> all;
  added->CollectAll(all);
  int id = 11;
  for (const auto& node : all) {
    EXPECT_EQ(node.item->morale, 9);
    EXPECT_EQ(node.item->id, id++);  // pre-order, the group before its children
  }
  EXPECT_EQ(root.nextId, 25);

  // The unit-name list belongs to the named template's nation and echelon.
  names.unitNames[kGermany][kDivision].clear();
  names.unitNames[kGermany][kRegiment] = {"Guards"};
  names.unitNames[kRussia][kDivision] = {"Guards"};
  names.leaderNames[kGermany].clear();
  EXPECT_EQ(Shape(*Build(division)),
            " Division[ Regiment[ Company[ Platoon]]|Heavy Weapons Company[ Platoon]| Platoon|"
            "2nd Regiment[2nd Company[2nd Platoon]]|Cpt ||9th Lt  | Sgt ]");
  Builder earlier(state, names, 5, 41);
  EXPECT_EQ(Shape(*earlier.Instantiate(division, "", nullptr, std::nullopt)), " Division[Early]");
}

TEST_F(BuilderTest, TemplatesNestedBeyondWhatAFileHoldsStopThere) {
  const UnitTemplate* inner = &Platoon("P");
  for (int k = 0; k <= kMaxOrgDepth + 100; ++k) {
    OrgTemplate& outer = Org(kCompany, "C");
    AddGroup(outer, "C", {{inner, 100}});
    inner = &outer;
  }
  OrgRoot root;
  AddToOrganization(root, Build(*inner), 6);
  int depth = 0;
  for (const OrgItem* item = root.items.First()->item; item; ++depth) {
    const OrgGroup* group = item->AsGroup();
    item = group && !group->children.Empty() ? group->children.First()->item : nullptr;
  }
  EXPECT_EQ(depth, kMaxOrgDepth);
  OrgRoot reread;
  EXPECT_TRUE(ReadOrganization(reread, WriteOrganization(root)));
}

}  // namespace
}  // namespace valdren
