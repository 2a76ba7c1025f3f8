#include "builder/Builder.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "builder/BuilderTestData.h"
#include "oob/NameLists.h"
#include "org/OrgFile.h"
#include "org/OrgRoot.h"

namespace valdren {
namespace {

using test::AddGroup;
using test::OrgRef;
using test::PlatoonRef;
using test::Shape;

constexpr int kGermany = 1;
constexpr int kRussia = 0;

// The references of a group's children, in order.
std::vector<std::uint32_t> ChildRefs(const OrgItem& item) {
  std::vector<std::uint32_t> refs;
  for (const auto& node : item.AsGroup()->children)
    refs.push_back(node.item->reference);
  return refs;
}

// The percent the builder draws first from a generator seeded like the one given.
int FirstPercent(std::uint32_t seed) {
  return static_cast<int>(Random(seed).Next() * 100.0);
}

// The seed whose first draw is the largest value a generator gives, (2^31 - 1) / 2^31: the state
// that steps to 0xFFFFFFFF (4005161829 is the inverse of the multiplier modulo 2^32).
constexpr auto kTopSeed = static_cast<std::uint32_t>((0xFFFFFFFFull - 12345) * 4005161829ull);

class BuilderTest : public testing::Test {
 protected:
  test::Templates templates;
  NameLists names;
  BuilderState state{4242u};
  Builder builder{state, names, 6, 41};
};

TEST(MakeName, ThePatternExamplesWithThreeDrawnAndGuardsListed) {
  test::Templates templates;
  const OrgTemplate& regiment = templates.Org(kRegiment, OrgRef(kGermany, kRegiment, 1), "R");
  NameLists names;
  names.unitNames[kGermany][kRegiment] = {"Guards"};
  const struct {
    const char* pattern;
    const char* inherited;
    const char* designation;
    const char* name;
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
    BuilderState state(17);
    for (int n = 1; n <= 999; ++n)
      if (n != 3) state.Issued().Insert(n);
    Builder builder(state, names, 6, 41);
    const NameAndDesignation named = builder.MakeName(c.pattern, c.inherited, regiment);
    EXPECT_EQ(named.name.View(), c.name) << c.pattern;
    EXPECT_EQ(named.designation.View(), c.designation) << c.pattern;
  }
}

TEST_F(BuilderTest, OneNumberPoolForEveryNationEchelonAndMarker) {
  const OrgTemplate& german = templates.Org(kRegiment, OrgRef(kGermany, kRegiment, 1), "R");
  const OrgTemplate& russian = templates.Org(kCorps, OrgRef(kRussia, kCorps, 1), "K");
  EXPECT_EQ(builder.MakeName("$(4-4) Regiment", "", german).name.View(), "4th Regiment");
  EXPECT_EQ(builder.MakeName("@(6-6) Corps", "", russian).name.View(), "VI Corps");
  EXPECT_EQ(builder.MakeName("$(4-6) Regiment", "", russian).name.View(), "5th Regiment");
  // The whole range is issued now: the number drawn is used again.
  EXPECT_EQ(builder.MakeName("@(5-5) Corps", "", german).name.View(), "V Corps");
  EXPECT_EQ(builder.MakeName("$(7-3) Regiment", "", german).name.View(), "7th Regiment");
  EXPECT_EQ(state.Issued().Size(), 4u);

  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    BuilderState fresh(seed);
    Builder other(fresh, names, 6, 41);
    const std::string both = other.MakeName("$(1-2)", "", german).name.Std() + " " +
                             other.MakeName("@(1-2)", "", russian).name.Std();
    EXPECT_TRUE(both == "1st II" || both == "2nd I") << both;
  }
}

TEST(PickNumber, ProbesUpwardThenFromLoAndReusesTheDrawWhenAllAreTaken) {
  // Seed 1 first draws 0.51387..., which is 6 in 1..10.
  ASSERT_EQ(1 + static_cast<int>(Random(1).Next() * 10), 6);
  const struct {
    std::vector<int> issued;
    int expected;
  } cases[] = {
      {{}, 6},
      {{6}, 7},
      {{6, 7, 8}, 9},
      {{6, 7, 8, 9, 10}, 1},
      {{1, 2, 3, 6, 7, 8, 9, 10}, 4},
      {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 6},
      {{6, 7, 8, 9, 10, 11, 12}, 1},  // numbers above the range are not offered
  };
  NameLists names;
  for (const auto& c : cases) {
    BuilderState state(1);
    for (int n : c.issued)
      state.Issued().Insert(n);
    Builder builder(state, names, 6, 41);
    EXPECT_EQ(builder.PickNumber(1, 10), c.expected) << testing::PrintToString(c.issued);
    EXPECT_TRUE(state.Issued().Contains(c.expected));
  }
}

TEST(PickNumber, RangesAtTheEdgesOfInt) {
  NameLists names;
  const struct {
    std::uint32_t seed;
    int lo, hi;
    int expected;
  } cases[] = {
      {kTopSeed, 1, INT_MAX, INT_MAX},  // the largest draw reaches hi and no further
      {kTopSeed, INT_MIN, INT_MAX, INT_MAX},
      {kTopSeed, 1, 999, 999},
      {0, 1, INT_MAX, 1 + static_cast<int>(12345 / 2147483648.0 * INT_MAX)},
      {kTopSeed, INT_MIN, INT_MIN, 1},  // lo is at least 1, hi at least lo
      {kTopSeed, INT_MAX, INT_MAX, INT_MAX},
      {kTopSeed, INT_MAX, INT_MIN, INT_MAX},
      {kTopSeed, -5, -1, 1},
      {kTopSeed, 0, 0, 1},
  };
  for (const auto& c : cases) {
    BuilderState state(c.seed);
    Builder builder(state, names, 6, 41);
    EXPECT_EQ(builder.PickNumber(c.lo, c.hi), c.expected) << c.lo << ".." << c.hi;
  }
  BuilderState state(kTopSeed);
  Builder builder(state, names, 6, 41);
  test::Templates templates;
  const auto& unit = templates.Org(kCorps, OrgRef(0, kCorps, 1), "K");
  EXPECT_EQ(builder.MakeName("$(-2147483648-2147483647) Corps", "", unit).name.View(),
            "2147483647th Corps");
}

TEST_F(BuilderTest, ACumulativeTestPicksTheAlternative) {
  const UnitTemplate& first = templates.Platoon(PlatoonRef(kGermany, 1, 1), "First");
  const UnitTemplate& second = templates.Platoon(PlatoonRef(kGermany, 1, 2), "Second");
  OrgTemplate& company = templates.Org(kCompany, OrgRef(kGermany, kCompany, 1), "Company");
  AddGroup(company, "30 50", {{&first, 30}, {&second, 50}});
  AddGroup(company, "70 70", {{&first, 70}, {&second, 70}});
  AddGroup(company, "100 100", {{&first, 100}, {&second, 100}});
  AddGroup(company, "none", {});
  const struct {
    int group;
    int percent;
    const UnitTemplate* expected;
  } cases[] = {
      {0, 0, &first},   {0, 29, &first},  {0, 30, &second}, {0, 79, &second},
      {0, 80, nullptr}, {0, 99, nullptr}, {1, 69, &first},  {1, 70, &second},
      {1, 99, &second}, {2, 99, &first},  {3, 0, nullptr},
  };
  for (const auto& c : cases) {
    const auto child = builder.InstantiateChoice(company.groups[c.group], c.percent, nullptr, "");
    const std::string label =
        company.groups[c.group].name.Std() + " at " + std::to_string(c.percent);
    if (!c.expected) {
      EXPECT_EQ(child, nullptr) << label;
      continue;
    }
    ASSERT_NE(child, nullptr) << label;
    EXPECT_EQ(child->reference, c.expected->reference) << label;
    EXPECT_EQ(child->name.View(), company.groups[c.group].name.View()) << label;
  }
}

TEST_F(BuilderTest, ConsecutiveGroupsWithTheSameChoicesShareOneDraw) {
  const UnitTemplate& a = templates.Platoon(PlatoonRef(kGermany, 1, 1), "A");
  const UnitTemplate& b = templates.Platoon(PlatoonRef(kGermany, 1, 2), "B");
  const UnitTemplate& c = templates.Platoon(PlatoonRef(kGermany, 1, 3), "C");
  OrgTemplate& same = templates.Org(kCompany, OrgRef(kGermany, kCompany, 1), "Same");
  AddGroup(same, "1st", {{&a, 50}, {&b, 50}});
  AddGroup(same, "old", {{&c, 100}}, DateRange{1, 39, 12, 40});  // out of range: not between them
  AddGroup(same, "2nd", {{&a, 50}, {&b, 50}});
  OrgTemplate& other = templates.Org(kCompany, OrgRef(kGermany, kCompany, 2), "Other");
  AddGroup(other, "1st", {{&a, 50}, {&b, 50}});
  AddGroup(other, "2nd", {{&a, 60}, {&b, 40}});

  int both[2] = {0, 0};
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    BuilderState state(seed);
    Builder builder(state, names, 6, 41);
    const auto item = builder.Instantiate(same, "", nullptr, std::nullopt);
    const std::uint32_t expected = FirstPercent(seed) < 50 ? a.reference : b.reference;
    EXPECT_EQ(ChildRefs(*item), (std::vector{expected, expected})) << seed;
    ++both[expected == a.reference ? 0 : 1];

    // Different probabilities make another draw for the second group.
    BuilderState again(seed);
    Builder separate(again, names, 6, 41);
    const auto twice = separate.Instantiate(other, "", nullptr, std::nullopt);
    Random reference(seed);
    const int p1 = static_cast<int>(reference.Next() * 100.0);
    const int p2 = static_cast<int>(reference.Next() * 100.0);
    EXPECT_EQ(ChildRefs(*twice), (std::vector{p1 < 50 ? a.reference : b.reference,
                                              p2 < 60 ? a.reference : b.reference}))
        << seed;
  }
  EXPECT_GT(both[0], 0);  // the seeds reached both alternatives
  EXPECT_GT(both[1], 0);
}

TEST(SameChoices, TheSameTemplatesWithTheSameProbabilitiesInOrder) {
  test::Templates templates;
  const UnitTemplate& a = templates.Platoon(PlatoonRef(0, 1, 1), "A");
  const UnitTemplate& twin = templates.Platoon(PlatoonRef(0, 1, 1), "A");  // equal, not the same
  const UnitTemplate& b = templates.Platoon(PlatoonRef(0, 1, 2), "B");
  OrgTemplate& owner = templates.Org(kCompany, OrgRef(0, kCompany, 1), "O");
  AddGroup(owner, "ab", {{&a, 50}, {&b, 50}});
  AddGroup(owner, "ab again", {{&a, 50}, {&b, 50}}, DateRange{1, 39, 1, 39});
  AddGroup(owner, "ba", {{&b, 50}, {&a, 50}});
  AddGroup(owner, "a60", {{&a, 60}, {&b, 50}});
  AddGroup(owner, "a", {{&a, 50}});
  AddGroup(owner, "twin", {{&twin, 50}, {&b, 50}});
  AddGroup(owner, "empty", {});
  AddGroup(owner, "empty too", {});
  const auto& g = owner.groups;
  EXPECT_TRUE(SameChoices(g[0], g[1]));
  EXPECT_FALSE(SameChoices(g[0], g[2]));
  EXPECT_FALSE(SameChoices(g[0], g[3]));
  EXPECT_FALSE(SameChoices(g[0], g[4]));
  EXPECT_FALSE(SameChoices(g[4], g[0]));
  EXPECT_FALSE(SameChoices(g[0], g[5]));
  EXPECT_TRUE(SameChoices(g[6], g[7]));
}

TEST_F(BuilderTest, DesignationsInheritThroughEveryLevel) {
  const UnitTemplate& platoon = templates.Platoon(PlatoonRef(kGermany, 1, 1), "Rifle Platoon");
  OrgTemplate& company = templates.Org(kCompany, OrgRef(kGermany, kCompany, 1), "HW");
  AddGroup(company, "# Platoon", {{&platoon, 100}});
  OrgTemplate& regiment = templates.Org(kRegiment, OrgRef(kGermany, kRegiment, 1), "R");
  AddGroup(regiment, "# Company", {{&company, 100}});
  OrgTemplate& division = templates.Org(kDivision, OrgRef(kGermany, kDivision, 1), "& Division");
  AddGroup(division, "# Regiment", {{&regiment, 100}});
  AddGroup(division, "Heavy Weapons Company", {{&company, 100}});
  AddGroup(division, "& Platoon", {{&platoon, 100}});  // no lists for platoons

  names.unitNames[kGermany][kDivision] = {"Guards"};
  EXPECT_EQ(Shape(*builder.Instantiate(division, "", nullptr, std::nullopt)),
            "Guards Division[Guards Regiment[Guards Company[Guards Platoon]]|"
            "Heavy Weapons Company[Guards Platoon]| Platoon]");
  // The list belongs to the division's nation and echelon; there is none for the regiment.
  names.unitNames[kGermany][kDivision].clear();
  names.unitNames[kGermany][kRegiment] = {"Guards"};
  names.unitNames[kRussia][kDivision] = {"Guards"};
  EXPECT_EQ(Shape(*builder.Instantiate(division, "", nullptr, std::nullopt)),
            " Division[ Regiment[ Company[ Platoon]]|Heavy Weapons Company[ Platoon]| Platoon]");
}

TEST_F(BuilderTest, UnitNamesComeFromTheListInPlaceOrder) {
  const OrgTemplate& regiment = templates.Org(kRegiment, OrgRef(kGermany, kRegiment, 1), "R");
  names.unitNames[kGermany][kRegiment] = {"IR 15", "IR 47", "IR 61"};
  Random reference(4242);
  for (int i = 0; i < 20; ++i) {
    const auto k = static_cast<std::size_t>(reference.Next() * 3);
    EXPECT_EQ(builder.PickUnitName(regiment), names.unitNames[kGermany][kRegiment][k]);
  }
  // Nation digits without lists (there are 20 nations) give no name.
  const OrgTemplate& stray = templates.Org(kRegiment, OrgRef(57, kRegiment, 1), "& Regiment");
  for (auto& nation : names.unitNames)
    nation[kRegiment] = {"Guards"};
  EXPECT_EQ(Shape(*builder.Instantiate(stray, "", nullptr, std::nullopt)), " Regiment[]");
}

TEST_F(BuilderTest, APatternIsExpandedOnceForTheChoiceAndAgainByTheChild) {
  const UnitTemplate& platoon = templates.Platoon(PlatoonRef(kGermany, 1, 1), "P");
  OrgTemplate& regiment = templates.Org(kRegiment, OrgRef(kGermany, kRegiment, 1), "R");
  AddGroup(regiment, "# Platoon", {{&platoon, 100}});
  OrgTemplate& division = templates.Org(kDivision, OrgRef(kGermany, kDivision, 1), "Division");
  AddGroup(division, "$(1-1) $(2-2) Regiment", {{&regiment, 100}});
  EXPECT_EQ(Shape(*builder.Instantiate(division, "", nullptr, std::nullopt)),
            "Division[2nd Regiment[2nd Platoon]]");
  EXPECT_EQ(state.Issued().Size(), 2u);

  // A pattern with one marker draws one number: the child's pass finds no marker left.
  OrgTemplate& single = templates.Org(kDivision, OrgRef(kGermany, kDivision, 2), "@(40-40) Div");
  AddGroup(single, "$(10-10) Regiment", {{&regiment, 100}});
  AddGroup(single, "$(20-20) Platoon", {{&platoon, 100}});
  EXPECT_EQ(Shape(*builder.Instantiate(single, "", nullptr, std::nullopt)),
            "XL Div[10th Regiment[10th Platoon]|20th Platoon]");
  EXPECT_EQ(state.Issued().Size(), 5u);
}

TEST_F(BuilderTest, LeadersAreNamedFromTheNationsList) {
  const UnitTemplate& leader = templates.Platoon(PlatoonRef(kGermany, 4, 8), "Company Leader");
  OrgTemplate& company = templates.Org(kCompany, OrgRef(kGermany, kCompany, 1), "Company");
  AddGroup(company, "Cpt", {{&leader, 100}});
  AddGroup(company, "", {{&leader, 100}});
  AddGroup(company, "$(9-9) Lt (HQ)", {{&leader, 100}});
  AddGroup(company, "# Sgt", {{&leader, 100}});

  names.leaderNames[kGermany] = {"Brandt"};
  const auto item = builder.Instantiate(company, "", nullptr, std::nullopt);
  // The leader's text is the once-expanded pattern; parenthesised parts go with the name.
  EXPECT_EQ(Shape(*item), "Company[Cpt Brandt|Brandt|9th Lt  Brandt| Sgt Brandt]");
  EXPECT_EQ(item->AsGroup()->children.First()->item->reference, leader.reference);
  EXPECT_EQ(state.Issued().Size(), 1u);
  EXPECT_EQ(builder.Instantiate(leader, "", nullptr, std::nullopt)->name.View(), "Brandt");

  names.leaderNames[kGermany].clear();
  EXPECT_EQ(Shape(*builder.Instantiate(company, "", nullptr, std::nullopt)),
            "Company[Cpt ||9th Lt  | Sgt ]");
  EXPECT_EQ(builder.Instantiate(leader, "", nullptr, std::nullopt)->name.View(), "");
}

TEST(PickLeaderName, EveryEntryDrawsOnceFromTheProgramWideGenerator) {
  NameLists names;
  names.leaderNames[3] = {"Antonescu", "Dumitrescu", "Lascar", "Mazarini", "Petrescu"};
  for (std::uint32_t seed = 1; seed <= 30; ++seed) {
    BuilderState state(seed);
    Builder builder(state, names, 6, 41);
    const String pick = builder.PickLeaderName(3);
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
  EXPECT_EQ(builder.PickLeaderName(4).View(), "");
  EXPECT_EQ(builder.PickLeaderName(20).View(), "");
  EXPECT_EQ(builder.PickLeaderName(-1).View(), "");
}

TEST_F(BuilderTest, APlatoonFromTheCatalogIsAnIndependentUnitEvenALeader) {
  const UnitTemplate& platoon = templates.Platoon(PlatoonRef(kGermany, 1, 1), "Rifle Platoon");
  const UnitTemplate& leader = templates.Platoon(PlatoonRef(kGermany, 4, 3), "Leader");
  names.leaderNames[kGermany] = {"Brandt"};
  OrgRoot root;
  OrgItem* added = AddToOrganization(root, builder.Instantiate(platoon, "", nullptr, std::nullopt),
                                     platoon.Morale());
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(added->name.View(), "Independent Unit");
  EXPECT_EQ(added->morale, 6);
  EXPECT_EQ(added->reference, platoon.reference);
  EXPECT_EQ(builder.Instantiate(leader, "", nullptr, std::nullopt)->name.View(), "Brandt");
}

TEST_F(BuilderTest, TheWholeNewSubtreeTakesTheSelectedTemplatesMorale) {
  const UnitTemplate& platoon = templates.Platoon(PlatoonRef(kGermany, 1, 1), "P");
  OrgTemplate& company = templates.Org(kCompany, OrgRef(kGermany, kCompany, 1), "C", 3);
  AddGroup(company, "Platoon", {{&platoon, 100}});
  AddGroup(company, "Platoon", {{&platoon, 100}});
  OrgTemplate& battalion = templates.Org(kBattalion, OrgRef(kGermany, kBattalion, 1), "B", 9);
  AddGroup(battalion, "Company", {{&company, 100}});
  AddGroup(battalion, "Company", {{&company, 100}});

  OrgRoot root;
  root.nextId = 10;
  root.items.Append(std::make_unique<OrgItem>(kPlatoon, nullptr));
  OrgItem* added = AddToOrganization(
      root, builder.Instantiate(battalion, "", nullptr, std::nullopt), battalion.Morale());
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(root.items.Last()->item, added);
  EXPECT_EQ(root.items.Size(), 2u);
  ItemList<OrgItem> all;
  added->CollectAll(all);
  ASSERT_EQ(all.Size(), 7u);
  int id = 10;
  for (const auto& node : all) {
    EXPECT_EQ(node.item->morale, 9);
    EXPECT_EQ(node.item->id, id++);  // pre-order, the group before its children
  }
  EXPECT_EQ(root.nextId, 17);
  EXPECT_EQ(AddToOrganization(root, nullptr, 9), nullptr);
  EXPECT_EQ(root.items.Size(), 2u);
}

TEST_F(BuilderTest, OnlyGroupsInRangeAtTheDateAreMade) {
  const UnitTemplate& platoon = templates.Platoon(PlatoonRef(kGermany, 1, 1), "P");
  OrgTemplate& company = templates.Org(kCompany, OrgRef(kGermany, kCompany, 1), "$(3-3) Company");
  AddGroup(company, "Early", {{&platoon, 100}}, DateRange{1, 39, 5, 41});
  AddGroup(company, "Late", {{&platoon, 100}}, DateRange{7, 41, 12, 45});
  EXPECT_EQ(Shape(*builder.Instantiate(company, "", nullptr, std::nullopt)), "3rd Company[]");
  Builder earlier(state, names, 5, 41);
  EXPECT_EQ(Shape(*earlier.Instantiate(company, "", nullptr, std::nullopt)), "3rd Company[Early]");
}

TEST_F(BuilderTest, TemplatesNestedBeyondWhatAFileHoldsStopThere) {
  const UnitTemplate& platoon = templates.Platoon(PlatoonRef(kGermany, 1, 1), "P");
  const OrgTemplate* inner = &templates.Org(kCompany, OrgRef(kGermany, kCompany, 0), "C");
  AddGroup(*const_cast<OrgTemplate*>(inner), "P", {{&platoon, 100}});
  for (int k = 1; k <= kMaxOrgDepth + 100; ++k) {
    OrgTemplate& outer = templates.Org(kCompany, OrgRef(kGermany, kCompany, k), "C");
    AddGroup(outer, "C", {{inner, 100}});
    inner = &outer;
  }
  OrgRoot root;
  AddToOrganization(root, builder.Instantiate(*inner, "", nullptr, std::nullopt), 6);
  int depth = 0;
  for (const OrgItem* item = root.items.First()->item; item;) {
    ++depth;
    const OrgGroup* group = item->AsGroup();
    item = group && !group->children.Empty() ? group->children.First()->item : nullptr;
  }
  EXPECT_EQ(depth, kMaxOrgDepth);
  OrgRoot reread;
  EXPECT_TRUE(ReadOrganization(reread, WriteOrganization(root)));
}

}  // namespace
}  // namespace valdren
