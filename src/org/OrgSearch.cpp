#include "org/OrgSearch.h"

#include "base/CaseFold.h"
#include "org/OrgGroup.h"
#include "org/OrgRoot.h"

namespace valdren {

namespace {

void Collect(const OwningItemList<OrgItem>& items, std::string_view text,
             std::vector<const OrgItem*>& found) {
  for (const auto& node : items) {
    if (ContainsIgnoringCase(node.item->name.View(), text)) found.push_back(node.item);
    if (const OrgGroup* group = node.item->AsGroup()) Collect(group->children, text, found);
  }
}

}  // namespace

std::vector<const OrgItem*> FindItems(const OrgRoot& root, std::string_view text) {
  std::vector<const OrgItem*> found;
  if (!text.empty()) Collect(root.items, text, found);
  return found;
}

}  // namespace valdren
