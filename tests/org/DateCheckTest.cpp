// Which created items the game refuses at a date, and why.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "org/DateCheck.h"
#include "support/TestData.h"

namespace valdren::test {
namespace {

// Platoons from 3/42, until 5/40 and always, in a company; the organization at 6/41. The last
// item carries a company's reference as a platoon's: the echelon tells templates apart.
TEST(DateCheck, ItemsAreRefusedWithTheirReasonAndListedInFileOrder) {
  TestDatabase data;
  data.Platoon(1101, "Panzer IV", 0, {3, 42, 12, 45});
  data.Platoon(1102, "Reiter", 0, {1, 39, 5, 40});
  data.Platoon(1103, "Schuetzen");
  data.Org(kCompany, 100001, "Kompanie");
  OrgRoot root;
  OrgGroup& company = AddGroup(root, nullptr, kCompany, 100001, 0, 6, "1. Kompanie");
  const OrgItem& tanks = Add(root, &company, kPlatoon, 1101, 0, 6, "Panzer");
  const OrgItem& riders = Add(root, &company, kPlatoon, 1102, 0, 6, "Reiter");
  const OrgItem& rifles = Add(root, &company, kPlatoon, 1103, 0, 6, "Schuetzen");
  const OrgItem& foreign = Add(root, &company, kPlatoon, 1999, 0, 6, "Fremd");
  const OrgItem& platoon = Add(root, nullptr, kPlatoon, 100001, 0, 6, "Zug");
  const DateCheck check(data.database);
  const struct {
    const OrgItem& item;
    MonthYear date;
    const char* reason;
  } cases[] = {
      {company, {6, 41}, ""},
      {tanks, {2, 42}, "Not available in 2/42: from 3/42"},
      {tanks, {3, 42}, ""},
      {riders, {5, 40}, ""},
      {riders, {6, 40}, "Not available in 6/40: until 5/40"},
      {riders, {1, 41}, "Not available in 1/41: until 5/40"},
      {rifles, {12, 45}, ""},
      {foreign, {6, 41}, "Not in the database"},
      {platoon, {6, 41}, "Not in the database"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(check.Reason(c.item, c.date), c.reason) << PathOf(c.item) << " " << c.date.month;
    EXPECT_EQ(check.Available(c.item, c.date), *c.reason == '\0') << PathOf(c.item);
  }

  EXPECT_EQ(check.Refused(root),
            (std::vector<const OrgItem*>{&tanks, &riders, &foreign, &platoon}));
  EXPECT_EQ(PathOf(tanks), "1. Kompanie / Panzer");
  // A date change counts when a template met so far changes its answer.
  EXPECT_FALSE(check.AnyChanges({6, 41}, {2, 42}));
  EXPECT_TRUE(check.AnyChanges({6, 41}, {3, 42}));
  EXPECT_TRUE(check.AnyChanges({6, 41}, {5, 40}));
}

}  // namespace
}  // namespace valdren::test
