#pragma once

#include <memory>

#include "base/ItemList.h"
#include "org/OrgItem.h"

namespace valdren {

// A created company or anything above it: an item that owns its subordinates in display and
// file order.
class OrgGroup : public OrgItem {
 public:
  OrgGroup(int echelon, OrgGroup* parent) : OrgItem(echelon, parent) {}

  void SetMorale(int value) override;
  Scanner& Read(Scanner& in) override;
  std::ostream& Write(std::ostream& out, int indent) const override;
  void ClearMark() override;
  OrgItem* FindById(int wanted) override;
  void CollectAll(ItemList<OrgItem>& list) override;
  void CollectUnits(ItemList<const OrgItem>& list) const override;
  void SetCommandRating(int rating) override;
  bool HasLeader() const override;
  bool HasSubgroups() const override;
  // Whether the item may stand in this group's list when the user moves or pastes it there: the
  // group is of a higher echelon and of the same side.
  bool MayHold(const OrgItem& item) const;
  OrgGroup* AsGroup() override { return this; }
  const OrgGroup* AsGroup() const override { return this; }

  OwningItemList<OrgItem> children;
};

// A new item of the echelon: a platoon for echelon 0, a group for any other.
std::unique_ptr<OrgItem> MakeOrgItem(int echelon, OrgGroup* parent);

// Files written by this program never nest deeper than the eight echelons; a file nesting
// groups deeper than this is refused rather than read at the risk of exhausting the stack.
inline constexpr int kMaxOrgDepth = 1000;

}  // namespace valdren
