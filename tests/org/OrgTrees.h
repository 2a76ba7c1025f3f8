#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "org/OrgGroup.h"
#include "org/OrgItem.h"
#include "org/OrgRoot.h"

namespace valdren::test {

// Appends a new item to the group's children, or to the top level when group is null.
OrgItem& Add(OrgRoot& root, OrgGroup* group, int echelon, std::uint32_t reference, int id = 0,
             int morale = 6, std::string_view name = "");
OrgGroup& AddGroup(OrgRoot& root, OrgGroup* group, int echelon, std::uint32_t reference, int id = 0,
                   int morale = 6, std::string_view name = "");

// The shape of the organization in one line: each item as letter, reference, "#" id, ":"
// morale and its name in quotes, a group's children in brackets. Adds a test failure when a
// child's parent is not its group or a top-level item has a parent.
std::string Dump(const OrgRoot& root);
std::string Dump(const OrgItem& item);

// The items' names in list order, joined by blanks.
std::string Names(const OwningItemList<OrgItem>& list);

}  // namespace valdren::test
