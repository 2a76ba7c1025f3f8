// Which created items the game refuses at a date, and what the editor and the tool say of them.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "org/DateCheck.h"
#include "support/TestData.h"

namespace valdren::test {
namespace {

// Platoons from 3/42, until 5/40, and always; a company always; the organization at 6/41.
class DateCheckTest : public testing::Test {
 protected:
  DateCheckTest() {
    data.Platoon(1101, "Panzer IV", 0, {3, 42, 12, 45});
    data.Platoon(1102, "Reiter", 0, {1, 39, 5, 40});
    data.Platoon(1103, "Schuetzen");
    data.Org(kCompany, 100001, "Kompanie");
    OrgGroup& company = AddGroup(root, nullptr, kCompany, 100001, 0, 6, "1. Kompanie");
    for (const auto& [reference, name] :
         {std::pair{1101u, "Panzer"}, {1102u, "Reiter"}, {1103u, "Schuetzen"}, {1999u, "Fremd"}})
      Add(root, &company, kPlatoon, reference, 0, 6, name);
    // A company's reference as a platoon's: the echelon tells templates apart.
    Add(root, nullptr, kPlatoon, 100001, 0, 6, "Zug");
  }
  const OrgItem& Item(const char* path) {
    ItemList<OrgItem> items;
    for (const auto& node : root.items)
      node.item->CollectAll(items);
    for (const auto& node : items)
      if (PathOf(*node.item) == path) return *node.item;
    throw std::invalid_argument(path);
  }

  TestDatabase data;
  OrgRoot root;
  DateCheck check{data.database};
};

TEST_F(DateCheckTest, EachItemIsTakenOrRefusedWithItsReason) {
  const struct {
    const char* path;
    MonthYear date;
    const char* reason;
  } cases[] = {
      {"1. Kompanie", {6, 41}, ""},
      {"1. Kompanie / Panzer", {6, 41}, "Not available in 6/41: from 3/42"},
      {"1. Kompanie / Panzer", {2, 42}, "Not available in 2/42: from 3/42"},
      {"1. Kompanie / Panzer", {3, 42}, ""},
      {"1. Kompanie / Reiter", {5, 40}, ""},
      {"1. Kompanie / Reiter", {6, 40}, "Not available in 6/40: until 5/40"},
      {"1. Kompanie / Reiter", {1, 41}, "Not available in 1/41: until 5/40"},
      {"1. Kompanie / Schuetzen", {12, 45}, ""},
      {"1. Kompanie / Fremd", {6, 41}, "Not in the database"},
      {"Zug", {6, 41}, "Not in the database"},
  };
  for (const auto& c : cases) {
    const OrgItem& item = Item(c.path);
    EXPECT_EQ(check.Reason(item, c.date), c.reason) << c.path << " " << c.date.month;
    EXPECT_EQ(check.Available(item, c.date), *c.reason == '\0') << c.path;
  }
}

// The list comes in the order of the file, at the organization's own date; a date change counts
// as one when a template met so far changes its answer.
TEST_F(DateCheckTest, TheOrganizationsRefusedItemsAndWhichDatesChangeThem) {
  const auto refused = [this] {
    std::vector<std::string> paths;
    for (const OrgItem* item : check.Refused(root))
      paths.push_back(PathOf(*item));
    return paths;
  };
  EXPECT_EQ(refused(), (std::vector<std::string>{"1. Kompanie / Panzer", "1. Kompanie / Reiter",
                                                 "1. Kompanie / Fremd", "Zug"}));
  root.month = 4;
  root.year = 42;
  EXPECT_EQ(refused(),
            (std::vector<std::string>{"1. Kompanie / Reiter", "1. Kompanie / Fremd", "Zug"}));

  EXPECT_FALSE(check.AnyChanges({6, 41}, {2, 42}));
  EXPECT_TRUE(check.AnyChanges({6, 41}, {3, 42}));
  EXPECT_TRUE(check.AnyChanges({6, 41}, {5, 40}));
}

}  // namespace
}  // namespace valdren::test
