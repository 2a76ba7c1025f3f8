#include "org/OrgTrees.h"

#include <gtest/gtest.h>

#include "oob/Echelon.h"

namespace valdren::test {

namespace {

void DumpInto(std::string& out, const OrgItem& item, const OrgGroup* parent) {
  if (item.parent != parent) ADD_FAILURE() << "wrong parent for " << item.name.View();
  out += EchelonLetter(item.echelon);
  out += std::to_string(item.reference) + "#" + std::to_string(item.id) + ":" +
         std::to_string(item.morale) + "'" + item.name.Std() + "'";
  if (const OrgGroup* group = item.AsGroup()) {
    out += "[";
    for (const auto& node : group->children) {
      if (&node != group->children.First()) out += ", ";
      DumpInto(out, *node.item, group);
    }
    out += "]";
  }
}

}  // namespace

OrgItem& Add(OrgRoot& root, OrgGroup* group, int echelon, std::uint32_t reference, int id,
             int morale, std::string_view name) {
  std::unique_ptr<OrgItem> item = MakeOrgItem(echelon, group);
  item->reference = reference;
  item->id = id;
  item->morale = morale;
  item->name = name;
  OrgItem& added = *item;
  (group ? group->children : root.items).Append(std::move(item));
  return added;
}

OrgGroup& AddGroup(OrgRoot& root, OrgGroup* group, int echelon, std::uint32_t reference, int id,
                   int morale, std::string_view name) {
  return *Add(root, group, echelon, reference, id, morale, name).AsGroup();
}

std::string Dump(const OrgItem& item) {
  std::string out;
  DumpInto(out, item, item.parent);
  return out;
}

std::string Dump(const OrgRoot& root) {
  std::string out;
  for (const auto& node : root.items) {
    if (&node != root.items.First()) out += ", ";
    DumpInto(out, *node.item, nullptr);
  }
  return out;
}

std::string Names(const OwningItemList<OrgItem>& list) {
  std::string out;
  for (const auto& node : list) {
    if (!out.empty()) out += ' ';
    out += node.item->name.Std();
  }
  return out;
}

}  // namespace valdren::test
