#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "oob/Echelon.h"
#include "org/OrgGroup.h"
#include "org/OrgRoot.h"

namespace valdren::test {

// Appends a new item to the group's children, or to the top level when group is null.
inline OrgItem& Add(OrgRoot& root, OrgGroup* group, int echelon, std::uint32_t reference,
                    int id = 0, int morale = 6, std::string_view name = "") {
  std::unique_ptr<OrgItem> item = MakeOrgItem(echelon, group);
  item->reference = reference;
  item->id = id;
  item->morale = morale;
  item->name = name;
  OrgItem& added = *item;
  (group ? group->children : root.items).Append(std::move(item));
  return added;
}
inline OrgGroup& AddGroup(OrgRoot& root, OrgGroup* group, int echelon, std::uint32_t reference,
                          int id = 0, int morale = 6, std::string_view name = "") {
  return *Add(root, group, echelon, reference, id, morale, name).AsGroup();
}

// The items of the list in one line, a group's children in brackets: each item as letter,
// reference, "#" id, ":" morale and its name in quotes, or only its name when namesOnly. Adds a
// test failure when an item's parent is not the group that holds it or the list's first node
// does not link its last (later appends would go astray).
inline std::string Dump(const OwningItemList<OrgItem>& list, bool namesOnly = false,
                        const OrgGroup* parent = nullptr) {
  std::string out;
  for (const auto& node : list) {
    const OrgItem& item = *node.item;
    if (item.parent != parent) ADD_FAILURE() << "wrong parent for " << item.name.View();
    if (&node != list.First()) out += namesOnly ? " " : ", ";
    if (!namesOnly)
      out += EchelonLetter(item.echelon) + std::to_string(item.reference) + "#" +
             std::to_string(item.id) + ":" + std::to_string(item.morale) + "'";
    out += item.name.Std() + (namesOnly ? "" : "'");
    if (const OrgGroup* group = item.AsGroup())
      out += "[" + Dump(group->children, namesOnly, group) + "]";
    if (!node.next && list.First()->prev != &node) ADD_FAILURE() << "first does not link last";
  }
  return out;
}
inline std::string Dump(const OrgRoot& root, bool namesOnly = false) {
  return Dump(root.items, namesOnly);
}

}  // namespace valdren::test
