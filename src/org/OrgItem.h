#pragma once

#include <cstdint>
#include <ostream>

#include "base/ItemList.h"
#include "base/String.h"

namespace valdren {

class OrgGroup;
class Scanner;

// One created unit of the user's order of battle, made from a database template. A platoon is
// an OrgItem itself; every higher echelon is an OrgGroup that owns its children.
class OrgItem {
 public:
  OrgItem(int echelon, OrgGroup* parent) : echelon(echelon), parent(parent) {}
  virtual ~OrgItem() = default;
  OrgItem(const OrgItem&) = delete;
  OrgItem& operator=(const OrgItem&) = delete;

  // The morale of the item and, for a group, of everything below it.
  virtual void SetMorale(int value);
  // Reads the rest of the item's line (the caller has taken its letter); a group goes on with
  // its children. Failure is left in the scanner's state.
  virtual Scanner& Read(Scanner& in);
  // Writes the item's line indented by indent blanks; a group adds its children and end line.
  virtual std::ostream& Write(std::ostream& out, int indent) const;
  virtual void ClearMark();
  // The first item of the subtree, in pre-order, that carries the id; null when none does.
  virtual OrgItem* FindById(int wanted);
  // Appends the item and everything below it in pre-order.
  virtual void CollectAll(ItemList<OrgItem>& list);
  // Appends what counts as a unit: a group without subgroups as a whole, otherwise the
  // platoons that are neither leaders nor of category 3.
  virtual void CollectUnits(ItemList<const OrgItem>& list) const;
  // Gives every leader of the subtree the rating, each keeping its rating band.
  virtual void SetCommandRating(int rating);
  virtual bool HasLeader() const;
  virtual bool HasSubgroups() const { return false; }
  // The item as a group, or null for a platoon.
  virtual OrgGroup* AsGroup() { return nullptr; }
  virtual const OrgGroup* AsGroup() const { return nullptr; }

  // The rating carried by a leader's reference (1..5), 0 for anything that is not a leader.
  int GetCommandRating() const;
  // Stores the name with every parenthesised part taken out: "Scouts (2)" becomes "Scouts ".
  void SetName(const String& text);
  // The nation encoded in the reference (its index in the nation table).
  int Nation() const;
  bool IsLeader() const;

  const int echelon;
  std::uint32_t reference = 0;
  int id = 0;
  int morale = 0;
  String name;
  OrgGroup* parent;  // the group whose children hold this item; null at the top level
  std::uint32_t mark = 0;
};

// The text with every parenthesised part removed, as SetName stores a name.
std::string WithoutParentheses(std::string_view text);

}  // namespace valdren
