#include "builder/Builder.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "builder/Naming.h"
#include "builder/UserBuilder.h"
#include "builder/UserChoices.h"
#include "oob/NameLists.h"
#include "support/TestData.h"

namespace valdren::test {
namespace {

using Asked = std::vector<std::string>;
constexpr int kGermany = 1;

// The built item in one line: its name, a group's children in brackets separated by "|".
std::string Shape(const OrgItem& item) {
  std::string shape(item.name.View());
  const OrgGroup* group = item.AsGroup();
  if (!group) return shape;
  char separator = '[';
  for (const auto& node : group->children)
    shape += std::exchange(separator, '|') + Shape(*node.item);
  return shape + (group->children.Empty() ? "[]" : "]");
}

// Answers in the order the questions come, -1 and empty texts when it runs out; keeps every
// question asked.
class Script : public UserChoices {
 public:
  int AskChoice(const OrgTemplate& owner, const SubunitGroup& group) override {
    asked.push_back("In: " + owner.name.Std() + " / Select: " + group.name.Std());
    return std::stoi(Next("-1"));
  }
  String AskDesignation(std::string_view subject) override {
    asked.push_back("Enter description for: " + std::string(subject));
    return String(Next(""));
  }
  std::string Next(std::string answer) {
    if (!answers.empty()) answer = answers.front(), answers.pop_front();
    return answer;
  }

  std::deque<std::string> answers;
  Asked asked;
};

// A builder working at June 1941 with a fixed seed, automatically or by the script's answers, on
// a database made template by template.
class BuilderTest : public testing::Test {
 protected:
  // A German platoon of the category; its last two digits (a leader's rating) count the platoons.
  const UnitTemplate& Platoon(std::string_view name, int category = 1) {
    return *data.Platoon(PlatoonReference(kGermany, category, ++platoons_), name);
  }
  OrgTemplate& Org(int echelon, std::string_view name, int morale = 6, int nation = kGermany) {
    OrgTemplate& org = *data.Org(echelon, OrgReference(nation, echelon * 10000 + ++orgs_), name);
    org.morale = morale;
    return org;
  }
  std::unique_ptr<OrgItem> Build(const UnitTemplate& unit) {
    return builder.Instantiate(unit, "", nullptr, std::nullopt);
  }
  std::unique_ptr<OrgItem> BuildByUser(const UnitTemplate& unit) {
    return user.InstantiateByUser(unit, "", nullptr, std::nullopt);
  }

  TestDatabase data;
  NameLists names;
  BuilderState state{4242u};
  Builder builder{state, names, 6, 41};
  Script script;
  UserBuilder user{builder, script};
  int platoons_ = 0;
  int orgs_ = 0;
};
using UserBuilderTest = BuilderTest;

TEST(Naming, OrdinalEndingsAndRomanNumerals) {
  const struct {
    int n;
    const char *suffix, *roman;
  } cases[] = {
      {1, "st", "I"},          {2, "nd", "II"},        {3, "rd", "III"},   {4, "th", "IV"},
      {11, "th", "XI"},        {12, "th", "XII"},      {13, "th", "XIII"}, {21, "st", "XXI"},
      {112, "th", "CXII"},     {122, "nd", "CXXII"},   {49, "th", "XLIX"}, {999, "th", "CMXCIX"},
      {1944, "th", "MCMXLIV"}, {4004, "th", "MMMMIV"}, {0, "th", ""},      {-7, "th", ""}};
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
      {"(1-30). Infanterie-Division", 1, 30, ". Infanterie-Division"},
      {"( 10 to - 20 ish) Corps", 10, 20, " Corps"},  // anything may stand before "-" and ")"
      {"(010-0x20)x", 8, 32, "x"},                    // the integer rule: octal and hexadecimal
      {"(-2147483648--2) A", INT_MIN, -2, " A"},
      {"x(2-3) A", 1, 999, "x(2-3) A"},  // a group only directly after the marker
      // Cut short or unreadable: a bound that is missing or too large stays at its default, and
      // without a ")" nothing follows.
      {"(5) Regiment", 5, 999, " Regiment"},
      {"(3-4 Regiment", 3, 4, ""},
      {"(x-4) A", 1, 4, " A"},
      {"(2-99999999999) A", 2, 999, " A"},
  };
  for (const auto& c : cases) {
    const NumberPattern pattern = ReadNumberPattern(c.afterMarker);
    EXPECT_EQ(pattern.lo, c.lo) << c.afterMarker;
    EXPECT_EQ(pattern.hi, c.hi) << c.afterMarker;
    EXPECT_EQ(pattern.following, c.following) << c.afterMarker;
  }
}

// The seed whose first draw is the largest a generator gives, (2^31 - 1) / 2^31: the state that
// steps to 0xFFFFFFFF (4005161829 is the inverse of the multiplier modulo 2^32).
constexpr auto kTopSeed = static_cast<std::uint32_t>((0xFFFFFFFFull - 12345) * 4005161829ull);

TEST(PickNumber, ProbesUpwardThenFromLoAndStaysInTheRange) {
  // Seed 1 first draws 0.51387..., which is 6 in 1..10.
  const struct {
    std::uint32_t seed;
    int lo, hi;
    std::vector<int> issued;
    int expected;
  } cases[] = {
      {1, 1, 10, {7, 6}, 8},
      {1, 1, 10, {1, 2, 3, 6, 7, 8, 9, 10}, 4},
      {1, 1, 10, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 6},
      {1, 1, 10, {10, 8, 6, 9, 7, 12, 11}, 1},      // numbers above the range are not offered
      {1, 3, 10, {1, 2, 3, 4, 5, 7, 8, 9, 10}, 6},  // nor those below it (7 is drawn in 3..10)
      // The largest draw reaches hi and no further; lo is at least 1 and hi at least lo.
      {kTopSeed, 1, INT_MAX, {}, INT_MAX},
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

// A group takes the alternative whose probability, added to those before it, first exceeds the
// percent drawn; none when the percent is beyond their sum.
TEST_F(BuilderTest, APercentPicksTheAlternativeAndEqualNeighboursShareOne) {
  const UnitTemplate& a = Platoon("A");
  const UnitTemplate& b = Platoon("B");
  OrgTemplate& company = Org(kCompany, "Company");
  Group(&company, "1st", {{&a, 50}, {&b, 50}});
  Group(&company, "old", {{&a, 50}}, DateRange{1, 39, 12, 40});  // out of range: not between
  Group(&company, "2nd", {{&a, 50}, {&b, 50}});
  Group(&company, "3rd", {{&a, 60}, {&b, 40}});  // other probabilities: a draw of its own
  Group(&company, "4th", {{&a, 20}, {&b, 11}});
  Group(&company, "5th", {{&b, 100}, {&a, 100}});
  // Seed 2 draws the percents 2, 69 and 31: A for the 1st group and for the 2nd that shares its
  // draw, B for the 3rd, none for the 4th; whatever the 5th draws, B covers it.
  BuilderState seeded(2);
  const auto item = Builder(seeded, names, 6, 41).Instantiate(company, "", nullptr, std::nullopt);
  std::vector<std::uint32_t> made;
  for (const auto& node : item->AsGroup()->children)
    made.push_back(node.item->reference);
  EXPECT_EQ(made, (std::vector{a.reference, a.reference, b.reference, b.reference}));
  // A list that only begins like another is not the same, whichever is the longer.
  EXPECT_FALSE(SameChoices(company.groups[0], company.groups[1]) ||
               SameChoices(company.groups[1], company.groups[0]));
}

// Entry k (from 1) takes over the pick when 1/k is above its draw. Seed 4 draws 0.055, 0.738,
// 0.320, 0.113 and 0.470: entries 1, 3 and 4 take over.
TEST(PickLeaderName, EveryEntryDrawsOnceFromTheProgramWideGenerator) {
  NameLists names;
  names.leaderNames[3] = {"Antonescu", "Dumitrescu", "Lascar", "Mazarini", "Petrescu"};
  BuilderState state(4);
  Builder builder(state, names, 6, 41);
  EXPECT_EQ(builder.PickLeaderName(3).View(), "Mazarini");
  Random fiveDraws(4);
  for (int k = 0; k < 5; ++k)
    fiveDraws.Next();
  for (int nation : {4, 20, -1})
    EXPECT_EQ(builder.PickLeaderName(nation).View(), "") << nation;
  EXPECT_EQ(state.ProgramRandom().State(), fiveDraws.State());
}

TEST_F(BuilderTest, AnOrganizationIsNamedNumberedAndGivenTheSelectedTemplatesMorale) {
  const UnitTemplate& platoon = Platoon("Rifle Platoon");
  const UnitTemplate& leader = Platoon("Leader", 4);
  OrgTemplate& company = Org(kCompany, "HW", 3);
  Group(&company, "# Platoon", {{&platoon, 100}});
  OrgTemplate& regiment = Org(kRegiment, "R");
  Group(&regiment, "# Company", {{&company, 100}});
  OrgTemplate& division = Org(kDivision, "& Division", 9);
  Group(&division, "# Regiment", {{&regiment, 100}});
  Group(&division, "Heavy Weapons Company", {{&company, 100}});
  Group(&division, "& Platoon", {{&platoon, 100}});  // no lists for platoons
  // A group's pattern is expanded for the choice and again by the child, one marker each time;
  // before a full stop a number takes no ending.
  Group(&division, "$(1-1) $(2-2). Regiment", {{&regiment, 100}});
  // A leader's text is the once-expanded pattern; parenthesised parts go with the name.
  Group(&division, "Cpt", {{&leader, 100}});
  Group(&division, "", {{&leader, 100}});
  Group(&division, "$(9-9) Lt (HQ)", {{&leader, 100}});
  Group(&division, "# Sgt", {{&leader, 100}});
  // One pool of numbers for every marker and echelon: 9 is taken, and the 4th draw would give it.
  Group(&division, "@(8-9) Company", {{&company, 100}});
  // Nation digits without lists (there are 20 nations) give no name.
  Group(&division, "& Regiment", {{&Org(kRegiment, "R", 6, 57), 100}});
  for (auto& nation : names.unitNames)
    nation[kRegiment] = {"Regimental"};
  // The first draw of the seed, 0.812, takes the third of three names.
  names.unitNames[kGermany][kDivision] = {"Grenadier", "Panzer", "Guards"};
  names.leaderNames[kGermany] = {"Brandt"};

  OrgRoot root;
  root.nextId = 10;
  const OrgItem* const single = AddToOrganization(root, Build(platoon), platoon.Morale());
  ASSERT_NE(single, nullptr);
  EXPECT_EQ(single->name.View(), "Independent Unit");
  EXPECT_EQ(single->morale, 6);
  EXPECT_EQ(Build(leader)->name.View(), "Brandt");  // a leader added on its own
  const OrgItem* const added = AddToOrganization(root, Build(division), division.Morale());
  EXPECT_EQ(AddToOrganization(root, nullptr, 9), nullptr);
  ASSERT_EQ(root.items.Size(), 2u);
  ASSERT_EQ(root.items.Last()->item, added);
  EXPECT_EQ(Shape(*added),
            "Guards Division[Guards Regiment[Guards Company[Guards Platoon]]|"
            "Heavy Weapons Company[Guards Platoon]| Platoon|2. Regiment[2 Company[2 Platoon]]|"
            "Cpt Brandt|Brandt|9th Lt  Brandt|Guards Sgt Brandt|VIII Company[VIII Platoon]|"
            " Regiment[]]");
  EXPECT_EQ(state.Issued().Size(), 4u);
  EXPECT_EQ(added->morale, 9);
  EXPECT_EQ(added->id, 11);
  EXPECT_EQ(root.nextId, 28);  // seventeen items made
}

// For "$" and "@" the user types the whole designation: no range is read, no ending added, at
// most kDesignationLimit characters kept. "&" still draws from the list.
TEST_F(UserBuilderTest, QuestionsComeDepthFirstInFileOrder) {
  const UnitTemplate& rifles = Platoon("Rifles");
  const UnitTemplate& guns = Platoon("Guns");
  OrgTemplate& battalion = Org(kBattalion, "Bn");
  Group(&battalion, "# Platoon", {{&rifles, 30}, {&guns, 30}});
  OrgTemplate& other = Org(kBattalion, "Other Bn");
  OrgTemplate& regiment = Org(kRegiment, "R");
  OrgTemplate& division = Org(kDivision, "$(1-30). Infanterie-Division");
  // A marker left after the choice's pass is asked again when the battalion names itself.
  Group(&division, "$ $(1-3) Battalion", {{&battalion, 50}, {&other, 50}});
  Group(&division, "@(1-3 Artillery", {{&rifles, 50}, {&guns, 50}});
  Group(&division, "& Regiment", {{&regiment, 100}});
  names.unitNames[kGermany][kRegiment] = {"Guards"};

  const std::string full(kDesignationLimit, 'x');
  script.answers = {"12", "0", "6th", full + "yz", "1", "1", "IV"};
  EXPECT_EQ(Shape(*BuildByUser(division)), "12. Infanterie-Division[" + full + " Battalion[" +
                                               full + " Platoon]|IV|Guards Regiment[]]");
  const std::string in = "In: $(1-30). Infanterie-Division / Select: ";
  EXPECT_EQ(
      script.asked,
      (Asked{"Enter description for: . Infanterie-Division", in + "$ $(1-3) Battalion",
             "Enter description for:  $(1-3) Battalion", "Enter description for:  Battalion",
             "In: Bn / Select: # Platoon", in + "@(1-3 Artillery", "Enter description for: "}));
  // Out of answers: every choice declined, the designation empty, and still an item.
  EXPECT_EQ(Shape(*BuildByUser(division)), ". Infanterie-Division[Guards Regiment[]]");
  EXPECT_EQ(state.Issued().Size(), 0u);  // typed numbers are not issued
}

TEST_F(UserBuilderTest, OnlyASingleCertainAlternativeIsTakenAndEqualNeighboursAreAskedOnce) {
  const UnitTemplate& rifles = Platoon("Rifles");
  const UnitTemplate& guns = Platoon("Guns");
  const UnitTemplate& leader = Platoon("Leader", 4);
  OrgTemplate& company = Org(kCompany, "Company");
  Group(&company, "Cpt (HQ)", {{&leader, 100}});  // a leader is named like any platoon
  Group(&company, "Certain", {{&rifles, 100}});
  Group(&company, "Half", {{&rifles, 50}});
  Group(&company, "Twice certain", {{&rifles, 100}, {&guns, 100}});
  Group(&company, "1st", {{&rifles, 50}, {&guns, 50}});
  Group(&company, "Old", {{&guns, 100}}, DateRange{1, 39, 12, 40});
  Group(&company, "2nd", {{&rifles, 50}, {&guns, 50}});
  Group(&company, "3rd", {{&guns, 50}, {&rifles, 50}});

  names.leaderNames[kGermany] = {"Brandt"};
  script.answers = {"-1", "1", "1", "-1"};
  const auto item = BuildByUser(company);
  EXPECT_EQ(Shape(*item), "Company[Cpt |Certain|Twice certain|1st|2nd]");
  EXPECT_EQ(item->AsGroup()->children.Last()->item->reference, guns.reference);
  EXPECT_EQ(script.asked,
            (Asked{"In: Company / Select: Half", "In: Company / Select: Twice certain",
                   "In: Company / Select: 1st", "In: Company / Select: 3rd"}));
  for (int index : {2, -2})
    EXPECT_EQ(user.InstantiateUserChoice(company.groups[3], index, nullptr, ""), nullptr) << index;
  EXPECT_EQ(BuildByUser(leader)->name.View(), "Independent Unit");
  EXPECT_EQ(state.ProgramRandom().State(), Random(4242).State());  // no leader name was drawn
}

// Only broken data nests templates deeper than an organization file holds; both ways of building
// stop at that depth instead of exhausting the stack.
TEST_F(UserBuilderTest, TemplatesNestedBeyondWhatAFileHoldsStopThere) {
  const UnitTemplate* inner = &Platoon("");
  for (int k = 0; k <= kMaxOrgDepth; ++k) {
    OrgTemplate& outer = Org(kCompany, "");
    Group(&outer, "", {{inner, 100}});
    inner = &outer;
  }
  const std::string cut = std::string(kMaxOrgDepth, '[') + std::string(kMaxOrgDepth, ']');
  EXPECT_EQ(Shape(*Build(*inner)), cut);
  EXPECT_EQ(Shape(*BuildByUser(*inner)), cut);
}

}  // namespace
}  // namespace valdren::test
