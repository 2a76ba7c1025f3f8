#include "builder/UserBuilder.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "builder/BuilderTestData.h"
#include "builder/UserChoices.h"

namespace valdren {
namespace {

using test::kGermany;
using test::Shape;
using Asked = std::vector<std::string>;

// Answers from a script, -1 and empty texts when it runs out, and keeps every question asked.
class Script : public UserChoices {
 public:
  int AskChoice(const OrgTemplate& owner, const SubunitGroup& group) override {
    asked.push_back("In: " + owner.name.Std() + " / Select: " + group.name.Std());
    const int answer = choices.empty() ? -1 : choices.front();
    if (!choices.empty()) choices.pop_front();
    return answer;
  }
  String AskDesignation(std::string_view subject) override {
    asked.push_back("Enter description for: " + std::string(subject));
    std::string answer = designations.empty() ? "" : designations.front();
    if (!designations.empty()) designations.pop_front();
    return String(answer);
  }

  std::deque<int> choices;
  std::deque<std::string> designations;
  Asked asked;
};

class UserBuilderTest : public test::BuilderTest {
 protected:
  std::unique_ptr<OrgItem> BuildByUser(const UnitTemplate& unit) {
    return user.InstantiateByUser(unit, "", nullptr, std::nullopt);
  }

  Script script;
  UserBuilder user{builder, script};
};

TEST_F(UserBuilderTest, QuestionsComeDepthFirstInFileOrder) {
  const UnitTemplate& rifles = Platoon("Rifles");
  const UnitTemplate& guns = Platoon("Guns");
  OrgTemplate& battalion = Org(kBattalion, "Bn");
  AddGroup(battalion, "# Platoon", {{&rifles, 30}, {&guns, 30}});
  OrgTemplate& other = Org(kBattalion, "Other Bn");
  OrgTemplate& division = Org(kDivision, "$ Division");
  // A marker left after the choice's pass is asked again when the battalion names itself.
  AddGroup(division, "$ $(1-3) Battalion", {{&battalion, 50}, {&other, 50}});
  AddGroup(division, "Artillery", {{&rifles, 50}, {&guns, 50}});

  script.designations = {"12th", "6th", "7th"};
  script.choices = {0, 1, 1};
  EXPECT_EQ(Shape(*BuildByUser(division)), "12th Division[7th Battalion[7th Platoon]|Artillery]");
  EXPECT_EQ(
      script.asked,
      (Asked{"Enter description for:  Division", "In: $ Division / Select: $ $(1-3) Battalion",
             "Enter description for:  $(1-3) Battalion", "Enter description for:  Battalion",
             "In: Bn / Select: # Platoon", "In: $ Division / Select: Artillery"}));
  // Out of answers: every choice declined, the designation empty, and still an item.
  EXPECT_EQ(Shape(*BuildByUser(division)), " Division[]");
  EXPECT_EQ(state.Issued().Size(), 0u);  // typed numbers are not issued
}

TEST_F(UserBuilderTest, OnlyASingleCertainAlternativeIsTakenAndEqualNeighboursAreAskedOnce) {
  const UnitTemplate& rifles = Platoon("Rifles");
  const UnitTemplate& guns = Platoon("Guns");
  const UnitTemplate& leader = Platoon("Leader", 4);
  OrgTemplate& company = Org(kCompany, "Company");
  AddGroup(company, "Cpt (HQ)", {{&leader, 100}});  // a leader is named like any platoon
  AddGroup(company, "Certain", {{&rifles, 100}});
  AddGroup(company, "Half", {{&rifles, 50}});
  AddGroup(company, "Twice certain", {{&rifles, 100}, {&guns, 100}});
  AddGroup(company, "1st", {{&rifles, 50}, {&guns, 50}});
  AddGroup(company, "Old", {{&guns, 100}}, DateRange{1, 39, 12, 40});
  AddGroup(company, "2nd", {{&rifles, 50}, {&guns, 50}});
  AddGroup(company, "3rd", {{&guns, 50}, {&rifles, 50}});
  AddGroup(company, "4th", {{&guns, 50}, {&rifles, 50}});

  names.leaderNames[kGermany] = {"Brandt"};
  script.choices = {-1, 1, 1, -1};
  const auto item = BuildByUser(company);
  EXPECT_EQ(Shape(*item), "Company[Cpt |Certain|Twice certain|1st|2nd]");
  EXPECT_EQ(item->AsGroup()->children.Last()->item->reference, guns.reference);
  EXPECT_EQ(script.asked,
            (Asked{"In: Company / Select: Half", "In: Company / Select: Twice certain",
                   "In: Company / Select: 1st", "In: Company / Select: 3rd"}));
  for (int index : {2, 7, -2, -1})
    EXPECT_EQ(user.InstantiateUserChoice(company.groups[3], index, nullptr, ""), nullptr) << index;
  EXPECT_EQ(BuildByUser(leader)->name.View(), "Independent Unit");
  EXPECT_EQ(state.ProgramRandom().State(), Random(4242).State());  // no leader name was drawn
}

TEST_F(UserBuilderTest, TheUserTypesTheWholeDesignation) {
  const OrgTemplate& division = Org(kDivision, "D");
  names.unitNames[kGermany][kDivision] = {"Guards"};
  const std::string full(kDesignationLimit, 'x');
  const struct {
    std::string pattern, inherited, typed;
    const char* subject;  // null: no question
    std::string name, designation;
  } cases[] = {
      {"$(1-30). Infanterie-Division", "", "12", ". Infanterie-Division", "12. Infanterie-Division",
       "12"},
      {"$ Infantry Regiment", "", "7th", " Infantry Regiment", "7th Infantry Regiment", "7th"},
      {"Infantry @ Corps", "", "XII", " Corps", "XII Corps", "XII"},
      {"@(1-3 Corps", "", "IV", "", "IV", "IV"},
      {"$ Division", "", full + "yz", " Division", full + " Division", full},
      {"# Regiment", "3rd", "", nullptr, "3rd Regiment", "3rd"},
      {"& Division", "", "", nullptr, "Guards Division", "Guards"},
      {"Heavy Weapons Company", "3rd", "", nullptr, "Heavy Weapons Company", "3rd"},
  };
  for (const auto& c : cases) {
    script.asked.clear();
    script.designations = {c.typed};
    const NameAndDesignation named = user.MakeNameByUser(c.pattern, String(c.inherited), division);
    EXPECT_EQ(named.name.Std(), c.name) << c.pattern;
    EXPECT_EQ(named.designation.Std(), c.designation) << c.pattern;
    EXPECT_EQ(script.asked,
              c.subject ? Asked{"Enter description for: " + std::string(c.subject)} : Asked{})
        << c.pattern;
  }
  EXPECT_EQ(state.Issued().Size(), 0u);
}

}  // namespace
}  // namespace valdren
