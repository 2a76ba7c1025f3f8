#pragma once

#include <memory>
#include <string_view>

#include "base/String.h"
#include "builder/Naming.h"
#include "org/OrgGroup.h"
#include "org/OrgItem.h"

namespace valdren {

class Builder;
class OrgTemplate;
class UnitTemplate;
class UserChoices;
struct SubunitGroup;

// Makes new units and organizations as Builder does, but the user picks the alternative of
// every group and types every designation number. It draws no percentage, number or leader
// name and issues no number; "&" still draws a unit name with the builder's generator.
class UserBuilder {
 public:
  UserBuilder(Builder& builder, UserChoices& user) : builder_(builder), user_(user) {}

  std::unique_ptr<OrgItem> InstantiateByUser(const UnitTemplate& unit, const String& designation,
                                             OrgGroup* parent, NamePattern name);
  // The questions come depth first: a group's choice, the designation of the chosen item, the
  // choices inside it, then the next group.
  std::unique_ptr<OrgGroup> InstantiateGroupByUser(const OrgTemplate& unit, OrgGroup* parent,
                                                   const String& designation, NamePattern name);
  // The alternative to create for the owner's group; a single certain alternative is taken
  // without asking.
  int AskChoice(const OrgTemplate& owner, const SubunitGroup& group);
  // The alternative at the index (from 0); null for -1 or an index the group does not have.
  std::unique_ptr<OrgItem> InstantiateUserChoice(const SubunitGroup& group, int index,
                                                 OrgGroup* parent, const String& designation);
  // As Builder::MakeName, except that for "$" and "@" the user types the designation in full.
  NameAndDesignation MakeNameByUser(std::string_view pattern, const String& inherited,
                                    const UnitTemplate& unit);

 private:
  Builder& builder_;
  UserChoices& user_;
  int depth_ = 0;
};

}  // namespace valdren
