// The edits that rearrange an organization: moves within a sibling list, removal, and moving
// an item one level up or down the hierarchy.
#include "org/OrgRoot.h"

namespace valdren {

namespace {

using Siblings = OwningItemList<OrgItem>;

bool IsFirst(const Siblings& list, const ItemNode<OrgItem>* node) {
  return node == list.First();
}

}  // namespace

OrgPlace OrgRoot::PlaceOf(const OrgItem& item) const {
  const Siblings& list = item.parent ? item.parent->children : items;
  int index = 0;
  for (const auto& node : list) {
    if (node.item == &item) break;
    ++index;
  }
  return {item.parent, index};
}

// Places count in the list with the item taken out: the last place of its own list is
// size - 1.
OrgPlace OrgRoot::MoveUpPlace(const OrgItem& item) const {
  const OrgPlace place = PlaceOf(item);
  const int last = static_cast<int>(SiblingsOf(item).Size()) - 1;
  return {place.parent, place.index == 0 ? last : place.index - 1};
}

OrgPlace OrgRoot::MoveDownPlace(const OrgItem& item) const {
  const OrgPlace place = PlaceOf(item);
  const int last = static_cast<int>(SiblingsOf(item).Size()) - 1;
  return {place.parent, place.index == last ? 0 : place.index + 1};
}

OrgPlace OrgRoot::MoveToTopPlace(const OrgItem& item) const {
  return {item.parent, 0};
}

OrgPlace OrgRoot::MoveToBottomPlace(const OrgItem& item) const {
  return {item.parent, static_cast<int>(SiblingsOf(item).Size()) - 1};
}

std::optional<OrgPlace> OrgRoot::RaisePlace(const OrgItem& item) const {
  OrgGroup* const parent = item.parent;
  if (!parent) return std::nullopt;
  OrgGroup* const grandparent = parent->parent;
  return OrgPlace{grandparent,
                  static_cast<int>((grandparent ? grandparent->children : items).Size())};
}

std::optional<OrgPlace> OrgRoot::LowerPlace(const OrgItem& item) const {
  const Siblings& list = SiblingsOf(item);
  const ItemNode<OrgItem>* const node = list.Find(const_cast<OrgItem*>(&item));
  if (!node || IsFirst(list, node)) return std::nullopt;
  OrgItem& previous = *node->prev->item;
  OrgGroup* const target = previous.AsGroup();
  if (!target || !target->MayHold(item)) return std::nullopt;
  return OrgPlace{target, static_cast<int>(target->children.Size())};
}

std::unique_ptr<OrgItem> OrgRoot::Detach(OrgItem& item) {
  Siblings& list = SiblingsOf(item);
  ItemNode<OrgItem>* const node = list.Find(&item);
  return node ? list.Take(node) : nullptr;
}

OrgItem& OrgRoot::Attach(std::unique_ptr<OrgItem> item, OrgPlace place) {
  Siblings& list = place.parent ? place.parent->children : items;
  item->parent = place.parent;
  ItemNode<OrgItem>* before = list.First();
  for (int i = 0; before && i < place.index; ++i)
    before = before->next;
  OrgItem& attached = *item;
  if (before)
    list.InsertBefore(before, std::move(item));
  else
    list.Append(std::move(item));
  return attached;
}

void OrgRoot::MoveTo(OrgItem& item, OrgPlace place) {
  if (std::unique_ptr<OrgItem> moved = Detach(item)) Attach(std::move(moved), place);
}

void OrgRoot::MoveUp(OrgItem& item) {
  MoveTo(item, MoveUpPlace(item));
}
void OrgRoot::MoveDown(OrgItem& item) {
  MoveTo(item, MoveDownPlace(item));
}
void OrgRoot::MoveToTop(OrgItem& item) {
  MoveTo(item, MoveToTopPlace(item));
}
void OrgRoot::MoveToBottom(OrgItem& item) {
  MoveTo(item, MoveToBottomPlace(item));
}

void OrgRoot::Remove(OrgItem& item) {
  Detach(item);
}

bool OrgRoot::Raise(OrgItem& item) {
  const std::optional<OrgPlace> place = RaisePlace(item);
  if (place) MoveTo(item, *place);
  return place.has_value();
}

bool OrgRoot::Lower(OrgItem& item) {
  const std::optional<OrgPlace> place = LowerPlace(item);
  if (place) MoveTo(item, *place);
  return place.has_value();
}

}  // namespace valdren
