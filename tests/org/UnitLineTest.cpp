#include "org/UnitLine.h"

#include <gtest/gtest.h>

#include "oob/OobDatabase.h"
#include "oob/PlatoonTemplate.h"
#include "org/OrgTrees.h"

namespace valdren {
namespace {

TEST(UnitLine, NamesThePlatoonsTemplateAndMorale) {
  OobDatabase database;
  auto rifle = std::make_unique<PlatoonTemplate>();
  rifle->reference = 2101;
  rifle->name = "Rifle Platoon";
  database.Append(std::move(rifle));
  // A company template with the same number is no platoon template.
  auto company = std::make_unique<UnitTemplate>(1);
  company->reference = 2102;
  company->name = "Company";
  database.Append(std::move(company));

  OrgRoot root;
  OrgGroup& group = test::AddGroup(root, nullptr, 1, 2101, 0, 6, "Co");
  const OrgItem& platoon = test::Add(root, &group, 0, 2101, 1, 8, "1st");
  const OrgItem& missing = test::Add(root, &group, 0, 2102, 2, 6, "2nd");

  const auto line = UnitLineText(platoon, database);
  ASSERT_TRUE(line);
  EXPECT_EQ(line->Std(), "Rifle Platoon (8)");
  EXPECT_FALSE(UnitLineText(missing, database));
  EXPECT_FALSE(UnitLineText(group, database));
}

}  // namespace
}  // namespace valdren
