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

class UserBuilderTest : public test::BuilderTest {
 protected:
  std::unique_ptr<OrgItem> BuildByUser(const UnitTemplate& unit) {
    return user.InstantiateByUser(unit, "", nullptr, std::nullopt);
  }

  Script script;
  UserBuilder user{builder, script};
};

// For "$" and "@" the user types the whole designation: no range is read, no ending added, at
// most kDesignationLimit characters kept. "&" still draws from the list.
TEST_F(UserBuilderTest, QuestionsComeDepthFirstInFileOrder) {
  const UnitTemplate& rifles = Platoon("Rifles");
  const UnitTemplate& guns = Platoon("Guns");
  OrgTemplate& battalion = Org(kBattalion, "Bn");
  AddGroup(battalion, "# Platoon", {{&rifles, 30}, {&guns, 30}});
  OrgTemplate& other = Org(kBattalion, "Other Bn");
  OrgTemplate& regiment = Org(kRegiment, "R");
  OrgTemplate& division = Org(kDivision, "$(1-30). Infanterie-Division");
  // A marker left after the choice's pass is asked again when the battalion names itself.
  AddGroup(division, "$ $(1-3) Battalion", {{&battalion, 50}, {&other, 50}});
  AddGroup(division, "@(1-3 Artillery", {{&rifles, 50}, {&guns, 50}});
  AddGroup(division, "& Regiment", {{&regiment, 100}});
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
  AddGroup(company, "Cpt (HQ)", {{&leader, 100}});  // a leader is named like any platoon
  AddGroup(company, "Certain", {{&rifles, 100}});
  AddGroup(company, "Half", {{&rifles, 50}});
  AddGroup(company, "Twice certain", {{&rifles, 100}, {&guns, 100}});
  AddGroup(company, "1st", {{&rifles, 50}, {&guns, 50}});
  AddGroup(company, "Old", {{&guns, 100}}, DateRange{1, 39, 12, 40});
  AddGroup(company, "2nd", {{&rifles, 50}, {&guns, 50}});
  AddGroup(company, "3rd", {{&guns, 50}, {&rifles, 50}});

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
    AddGroup(outer, "", {{inner, 100}});
    inner = &outer;
  }
  const std::string cut = std::string(kMaxOrgDepth, '[') + std::string(kMaxOrgDepth, ']');
  EXPECT_EQ(Shape(*Build(*inner)), cut);
  EXPECT_EQ(Shape(*BuildByUser(*inner)), cut);
}

}  // namespace
}  // namespace valdren
