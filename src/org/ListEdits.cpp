// The edits that rearrange an organization: moves within a sibling list, removal, and moving
// an item one level up or down the hierarchy.
#include "oob/Nations.h"
#include "org/OrgRoot.h"

namespace valdren {

namespace {

using Siblings = OwningItemList<OrgItem>;

bool IsFirst(const Siblings& list, const ItemNode<OrgItem>* node) {
  return node == list.First();
}

}  // namespace

void OrgRoot::MoveUp(OrgItem& item) {
  Siblings& list = SiblingsOf(item);
  ItemNode<OrgItem>* const node = list.Find(&item);
  if (!node) return;
  if (IsFirst(list, node)) {
    list.Append(list.Take(node));
    return;
  }
  ItemNode<OrgItem>* const before = node->prev;
  list.InsertBefore(before, list.Take(node));
}

void OrgRoot::MoveDown(OrgItem& item) {
  Siblings& list = SiblingsOf(item);
  ItemNode<OrgItem>* const node = list.Find(&item);
  if (!node) return;
  ItemNode<OrgItem>* const after = node->next;
  if (!after) {
    list.Prepend(list.Take(node));
    return;
  }
  list.InsertAfter(after, list.Take(node));
}

void OrgRoot::MoveToTop(OrgItem& item) {
  Siblings& list = SiblingsOf(item);
  if (ItemNode<OrgItem>* const node = list.Find(&item)) list.Prepend(list.Take(node));
}

void OrgRoot::MoveToBottom(OrgItem& item) {
  Siblings& list = SiblingsOf(item);
  if (ItemNode<OrgItem>* const node = list.Find(&item)) list.Append(list.Take(node));
}

void OrgRoot::Remove(OrgItem& item) {
  Siblings& list = SiblingsOf(item);
  if (ItemNode<OrgItem>* const node = list.Find(&item)) list.Remove(node);
}

bool OrgRoot::Raise(OrgItem& item) {
  OrgGroup* const parent = item.parent;
  if (!parent) return false;
  ItemNode<OrgItem>* const node = parent->children.Find(&item);
  if (!node) return false;
  std::unique_ptr<OrgItem> moved = parent->children.Take(node);
  OrgGroup* const grandparent = parent->parent;
  moved->parent = grandparent;
  (grandparent ? grandparent->children : items).Append(std::move(moved));
  return true;
}

bool OrgRoot::Lower(OrgItem& item) {
  Siblings& list = SiblingsOf(item);
  ItemNode<OrgItem>* const node = list.Find(&item);
  if (!node || IsFirst(list, node)) return false;
  OrgItem& previous = *node->prev->item;
  OrgGroup* const target = previous.AsGroup();
  if (!target || previous.echelon <= item.echelon) return false;
  if (IsAxis(previous.Nation()) != IsAxis(item.Nation())) return false;
  std::unique_ptr<OrgItem> moved = list.Take(node);
  moved->parent = target;
  target->children.Append(std::move(moved));
  return true;
}

}  // namespace valdren
