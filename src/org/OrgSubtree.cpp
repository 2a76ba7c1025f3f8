#include "org/OrgSubtree.h"

#include <limits>
#include <sstream>

#include "org/OrgFile.h"
#include "org/OrgGroup.h"

namespace valdren {

std::string WriteSubtree(const OrgItem& item) {
  std::ostringstream out;
  item.Write(out, 0);
  return std::move(out).str();
}

std::variant<std::unique_ptr<OrgItem>, SubtreeRefusal> ReadSubtree(std::string_view text,
                                                                   const OrgRoot& into) {
  // Read as the items of a file of its own, so every check of the file's reader applies.
  OrgRoot read;
  if (!ReadOrganization(read, "1\r\n0\r\n6 41\r\n" + std::string(text)) || read.items.Size() != 1)
    return SubtreeRefusal::kUnreadable;
  ItemList<OrgItem> all;
  read.items.First()->item->CollectAll(all);
  if (all.Size() > static_cast<std::size_t>(std::numeric_limits<int>::max() - into.nextId))
    return SubtreeRefusal::kTooLarge;
  return read.items.Take(read.items.First());
}

OrgPlace PastePlace(const OrgRoot& root, const OrgItem* selected, const OrgItem& pasted) {
  const OrgGroup* group = selected ? selected->parent : nullptr;
  if (selected && (!group || group->MayHold(pasted))) {
    const OrgPlace place = root.PlaceOf(*selected);
    return {place.parent, place.index + 1};
  }
  return {nullptr, static_cast<int>(root.items.Size())};
}

}  // namespace valdren
