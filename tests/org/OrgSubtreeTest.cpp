// An item with its subtree read from the clipboard's text, and where a paste puts it (what Copy
// writes, and that a paste of it reads back whole, the window's clipboard test shows).
#include "org/OrgSubtree.h"

#include <gtest/gtest.h>

#include <limits>

#include "org/OrgFile.h"
#include "support/TestData.h"

namespace valdren::test {
namespace {

// A division of a regiment of a company of a platoon, then a second company at the top level.
constexpr std::string_view kFile =
    "1\r\n5\r\n6 41\r\nD150001 0 7 Division\r\n    R150002 1 7 Regiment\r\n"
    "        C150003 2 7 Kompanie\r\n            P1101 3 6 Zug\r\n            End\r\n"
    "        End\r\n    End\r\nC150004 4 5 Zweite\r\n";

TEST(OrgSubtree, TextThatIsNotOneItemOrTooManyForTheIdsLeftIsRefused) {
  OrgRoot root;
  for (const std::string_view text :
       {"Hello, world", "C1 0 6 Kompanie\r\n    P1 x\r\n", "P1 0 6 A\r\nP2 1 6 B\r\n"})
    EXPECT_EQ(std::get<SubtreeRefusal>(ReadSubtree(text, root)), SubtreeRefusal::kUnreadable)
        << text;
  root.nextId = std::numeric_limits<int>::max() - 1;
  EXPECT_TRUE(std::holds_alternative<std::unique_ptr<OrgItem>>(ReadSubtree("P1 0 6 A\n", root)));
  EXPECT_EQ(std::get<SubtreeRefusal>(ReadSubtree("C1 0 6 A\n    P1 1 6 B\n    End\n", root)),
            SubtreeRefusal::kTooLarge);
}

// After the selection where its group is of a higher echelon and the same side, else at the end
// of the top level. The pasted items are German (nation 1) but for a British battalion.
TEST(OrgSubtree, APasteGoesAfterTheSelectionOnlyUnderAHigherEchelonOfItsSide) {
  OrgRoot root;
  ASSERT_TRUE(ReadOrganization(root, kFile));
  OrgGroup& division = *root.items.First()->item->AsGroup();
  OrgGroup& regiment = *division.children.First()->item->AsGroup();
  OrgItem& company = *regiment.children.First()->item;
  const OrgPlace end{nullptr, 2};
  const struct {
    const OrgItem* selected;
    int echelon;
    OrgPlace place;
    std::uint32_t reference = 100001;
  } cases[] = {{nullptr, 1, end},
               {&division, 5, {nullptr, 1}},
               {&regiment, 4, {&division, 1}},
               {&regiment, 5, end},
               {&company, 2, {&regiment, 1}},
               {&company, 2, end, 900001},
               {&company, 3, end},
               {root.items.Last()->item, 0, {nullptr, 2}, 1101}};
  for (const auto& c : cases) {
    const auto pasted = MakeOrgItem(c.echelon, nullptr);
    pasted->reference = c.reference;
    EXPECT_EQ(PastePlace(root, c.selected, *pasted), c.place)
        << (c.selected ? c.selected->name.Std() : "root") << " " << c.echelon;
  }
}

}  // namespace
}  // namespace valdren::test
