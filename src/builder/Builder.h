#pragma once

#include <memory>
#include <string_view>

#include "base/String.h"
#include "builder/BuilderState.h"
#include "builder/Naming.h"
#include "org/OrgGroup.h"
#include "org/OrgItem.h"

namespace valdren {

class NameLists;
class OrgRoot;
class OrgTemplate;
class UnitTemplate;
struct SubunitGroup;

// The name of a platoon added to the organization on its own.
inline constexpr std::string_view kIndependentUnit = "Independent Unit";

// Makes new units and organizations from templates with automatic choices: for every group of
// a template that exists at the date one alternative is drawn by its probability, and every
// item is named from the patterns in the templates' texts. Nothing here touches the
// organization; the finished item is handed to AddToOrganization.
class Builder {
 public:
  // Groups are tested at month/year; names are drawn from the lists.
  Builder(BuilderState& state, const NameLists& names, int month, int year)
      : state_(state), names_(names), month_(month), year_(year) {}

  // A platoon, or through InstantiateGroup an organization with its subtree. The designation
  // is what "#" in the name repeats; a platoon without a name is one added on its own.
  std::unique_ptr<OrgItem> Instantiate(const UnitTemplate& unit, const String& designation,
                                       OrgGroup* parent, NamePattern name);
  // An organization named from the pattern (its template's name when none is given), with one
  // child for each of its groups in range at the date that draws an alternative.
  std::unique_ptr<OrgGroup> InstantiateGroup(const OrgTemplate& unit, OrgGroup* parent,
                                             const String& designation, NamePattern name);
  // The alternative of the group that the percent (0..99) falls into when the probabilities are
  // added up in order; null when it falls beyond their sum.
  std::unique_ptr<OrgItem> InstantiateChoice(const SubunitGroup& group, int percent,
                                             OrgGroup* parent, const String& designation);

  // The name the pattern gives for the template and the designation for its children.
  NameAndDesignation MakeName(std::string_view pattern, const String& inherited,
                              const UnitTemplate& unit);
  // A name from the unit-name list of the template's nation and echelon; empty without one.
  String PickUnitName(const UnitTemplate& unit);
  // A name from the nation's leader list, every entry equally likely; empty without one.
  String PickLeaderName(int nation);
  // A number in lo..hi (lo at least 1, hi at least lo), preferably one not issued before.
  int PickNumber(int lo, int hi);

  bool InFilter(const SubunitGroup& group) const;
  BuilderState& State() { return state_; }

 private:
  BuilderState& state_;
  const NameLists& names_;
  int month_;
  int year_;
  int depth_ = 0;  // organizations being made, one inside the other
};

// True when both groups offer the same templates (the same objects) with the same probabilities
// in the same order.
bool SameChoices(const SubunitGroup& a, const SubunitGroup& b);

// The organization template behind a template above platoon.
const OrgTemplate& AsOrgTemplate(const UnitTemplate& unit);

// Puts a freshly made item into the organization: the item and its subtree take the next ids,
// all of them take the morale of the template it was made from, and it becomes the last
// top-level item. Returns the item, or null when there was none.
OrgItem* AddToOrganization(OrgRoot& root, std::unique_ptr<OrgItem> item, int morale);

}  // namespace valdren
