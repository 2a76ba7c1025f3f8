#include "builder/UserBuilder.h"

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "builder/Builder.h"
#include "builder/BuilderTestData.h"
#include "builder/UserChoices.h"
#include "oob/NameLists.h"

namespace valdren {
namespace {

using test::AddGroup;
using test::OrgRef;
using test::PlatoonRef;
using test::Shape;

constexpr int kGermany = 1;

// Answers from a script and keeps every question in the order asked.
class Script : public UserChoices {
 public:
  int AskChoice(const OrgTemplate& owner, const SubunitGroup& group) override {
    asked.push_back("In: " + owner.name.Std() + " / Select: " + group.name.Std());
    return Next(choices, -1);
  }
  String AskDesignation(std::string_view subject) override {
    asked.push_back("Enter description for: " + std::string(subject));
    return String(Next(designations, std::string()));
  }

  std::deque<int> choices;
  std::deque<std::string> designations;
  std::vector<std::string> asked;

 private:
  template <typename T>
  static T Next(std::deque<T>& answers, T none) {
    if (answers.empty()) return none;
    T answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

class UserBuilderTest : public testing::Test {
 protected:
  std::unique_ptr<OrgItem> Build(const UnitTemplate& unit) {
    return user.InstantiateByUser(unit, "", nullptr, std::nullopt);
  }

  test::Templates templates;
  NameLists names;
  BuilderState state{99u};
  Builder builder{state, names, 6, 41};
  Script script;
  UserBuilder user{builder, script};
};

TEST_F(UserBuilderTest, QuestionsComeDepthFirstInFileOrder) {
  const UnitTemplate& rifles = templates.Platoon(PlatoonRef(kGermany, 1, 1), "Rifles");
  const UnitTemplate& guns = templates.Platoon(PlatoonRef(kGermany, 1, 2), "Guns");
  OrgTemplate& battalion = templates.Org(kBattalion, OrgRef(kGermany, kBattalion, 1), "Bn");
  AddGroup(battalion, "# Platoon", {{&rifles, 30}, {&guns, 30}});
  OrgTemplate& other = templates.Org(kBattalion, OrgRef(kGermany, kBattalion, 2), "Other Bn");
  OrgTemplate& division = templates.Org(kDivision, OrgRef(kGermany, kDivision, 1), "$ Division");
  AddGroup(division, "$ Battalion", {{&battalion, 50}, {&other, 50}});
  AddGroup(division, "Artillery", {{&rifles, 50}, {&guns, 50}});

  script.designations = {"12th", "7th"};
  script.choices = {0, 1, 1};
  EXPECT_EQ(Shape(*Build(division)), "12th Division[7th Battalion[7th Platoon]|Artillery]");
  EXPECT_EQ(script.asked, (std::vector<std::string>{
                              "Enter description for:  Division",
                              "In: $ Division / Select: $ Battalion",
                              "Enter description for:  Battalion",
                              "In: Bn / Select: # Platoon",
                              "In: $ Division / Select: Artillery",
                          }));
  const auto item = Build(division);  // out of answers: every choice declined, names empty
  EXPECT_EQ(Shape(*item), " Division[]");
  EXPECT_EQ(state.Issued().Size(), 0u);  // typed numbers are not issued
}

TEST_F(UserBuilderTest, OnlyASingleCertainAlternativeIsTakenWithoutAsking) {
  const UnitTemplate& rifles = templates.Platoon(PlatoonRef(kGermany, 1, 1), "Rifles");
  OrgTemplate& company = templates.Org(kCompany, OrgRef(kGermany, kCompany, 1), "Company");
  AddGroup(company, "Certain", {{&rifles, 100}});
  AddGroup(company, "Half", {{&rifles, 50}});
  AddGroup(company, "Twice certain", {{&rifles, 100}, {&rifles, 100}});

  script.choices = {-1, 1};
  EXPECT_EQ(Shape(*Build(company)), "Company[Certain|Twice certain]");
  EXPECT_EQ(script.asked, (std::vector<std::string>{"In: Company / Select: Half",
                                                    "In: Company / Select: Twice certain"}));
}

TEST_F(UserBuilderTest, IdenticalConsecutiveGroupsAreDecidedOnce) {
  const UnitTemplate& rifles = templates.Platoon(PlatoonRef(kGermany, 1, 1), "Rifles");
  const UnitTemplate& guns = templates.Platoon(PlatoonRef(kGermany, 1, 2), "Guns");
  OrgTemplate& company = templates.Org(kCompany, OrgRef(kGermany, kCompany, 1), "Company");
  AddGroup(company, "1st", {{&rifles, 50}, {&guns, 50}});
  AddGroup(company, "Old", {{&guns, 100}}, DateRange{1, 39, 12, 40});
  AddGroup(company, "2nd", {{&rifles, 50}, {&guns, 50}});
  AddGroup(company, "3rd", {{&guns, 50}, {&rifles, 50}});
  AddGroup(company, "4th", {{&guns, 50}, {&rifles, 50}});

  script.choices = {1, -1};
  const auto item = Build(company);
  EXPECT_EQ(Shape(*item), "Company[1st|2nd]");
  for (const auto& node : item->AsGroup()->children)
    EXPECT_EQ(node.item->reference, guns.reference);
  EXPECT_EQ(script.asked,
            (std::vector<std::string>{"In: Company / Select: 1st", "In: Company / Select: 3rd"}));
}

TEST_F(UserBuilderTest, AnIndexTheGroupDoesNotHaveCreatesNothing) {
  const UnitTemplate& rifles = templates.Platoon(PlatoonRef(kGermany, 1, 1), "Rifles");
  OrgTemplate& company = templates.Org(kCompany, OrgRef(kGermany, kCompany, 1), "Company");
  AddGroup(company, "Half", {{&rifles, 50}, {&rifles, 50}});
  for (int index : {2, 7, -2, -1})
    EXPECT_EQ(user.InstantiateUserChoice(company.groups[0], index, nullptr, ""), nullptr) << index;
  EXPECT_NE(user.InstantiateUserChoice(company.groups[0], 1, nullptr, ""), nullptr);
}

TEST_F(UserBuilderTest, TheUserTypesTheWholeDesignation) {
  const OrgTemplate& division = templates.Org(kDivision, OrgRef(kGermany, kDivision, 1), "D");
  names.unitNames[kGermany][kDivision] = {"Guards"};
  const struct {
    const char* pattern;
    const char* inherited;
    const char* typed;
    const char* subject;  // null: no question
    const char* name;
    const char* designation;
  } cases[] = {
      {"$(1-30). Infanterie-Division", "", "12", ". Infanterie-Division", "12. Infanterie-Division",
       "12"},
      {"$ Infantry Regiment", "", "7th", " Infantry Regiment", "7th Infantry Regiment", "7th"},
      {"Infantry @ Corps", "", "XII", " Corps", "XII Corps", "XII"},
      {"@(1-3 Corps", "", "IV", "", "IV", "IV"},
      {"$", "", "", "", "", ""},
      {"# Regiment", "3rd", "", nullptr, "3rd Regiment", "3rd"},
      {"& Division", "", "", nullptr, "Guards Division", "Guards"},
      {"Heavy Weapons Company", "3rd", "", nullptr, "Heavy Weapons Company", "3rd"},
  };
  for (const auto& c : cases) {
    script.asked.clear();
    script.designations = {c.typed};
    const NameAndDesignation named = user.MakeNameByUser(c.pattern, c.inherited, division);
    EXPECT_EQ(named.name.View(), c.name) << c.pattern;
    EXPECT_EQ(named.designation.View(), c.designation) << c.pattern;
    if (c.subject)
      EXPECT_EQ(script.asked,
                std::vector<std::string>{"Enter description for: " + std::string(c.subject)});
    else
      EXPECT_TRUE(script.asked.empty()) << c.pattern;
  }
  EXPECT_EQ(state.Issued().Size(), 0u);
}

TEST_F(UserBuilderTest, ATypedDesignationKeepsWhatTheFieldHolds) {
  const OrgTemplate& division = templates.Org(kDivision, OrgRef(kGermany, kDivision, 1), "D");
  script.designations = {std::string(79, 'x') + "yz"};
  const NameAndDesignation named = user.MakeNameByUser("$ Division", "", division);
  EXPECT_EQ(named.designation.Std(), std::string(79, 'x'));
  EXPECT_EQ(named.name.Std(), std::string(79, 'x') + " Division");
}

TEST_F(UserBuilderTest, AMarkerLeftAfterTheFirstPassIsAskedAgainByTheChild) {
  const UnitTemplate& rifles = templates.Platoon(PlatoonRef(kGermany, 1, 1), "Rifles");
  OrgTemplate& regiment = templates.Org(kRegiment, OrgRef(kGermany, kRegiment, 1), "R");
  AddGroup(regiment, "# Platoon", {{&rifles, 100}});
  OrgTemplate& division = templates.Org(kDivision, OrgRef(kGermany, kDivision, 1), "Division");
  AddGroup(division, "$ $(1-3) Regiment", {{&regiment, 100}});
  script.designations = {"1st", "2nd"};
  EXPECT_EQ(Shape(*Build(division)), "Division[2nd Regiment[2nd Platoon]]");
  EXPECT_EQ(script.asked, (std::vector<std::string>{"Enter description for:  $(1-3) Regiment",
                                                    "Enter description for:  Regiment"}));
}

TEST_F(UserBuilderTest, LeadersAreNamedLikeAnyPlatoon) {
  const UnitTemplate& leader = templates.Platoon(PlatoonRef(kGermany, 4, 3), "Leader");
  OrgTemplate& company = templates.Org(kCompany, OrgRef(kGermany, kCompany, 1), "Company");
  AddGroup(company, "Cpt (HQ)", {{&leader, 100}});
  names.leaderNames[kGermany] = {"Brandt"};
  EXPECT_EQ(Shape(*Build(company)), "Company[Cpt ]");
  EXPECT_EQ(Build(leader)->name.View(), "Independent Unit");
  EXPECT_EQ(state.ProgramRandom().State(), Random(99).State());  // no leader name was drawn
}

}  // namespace
}  // namespace valdren
