#include "org/OrgGroup.h"

#include <algorithm>

#include "base/Scanner.h"
#include "oob/Echelon.h"
#include "oob/Nations.h"
#include "org/OrgLine.h"

namespace valdren {

namespace {

// How many groups hold the item, itself included when it is one.
int Depth(const OrgItem& item) {
  int depth = 1;
  for (const OrgGroup* up = item.parent; up; up = up->parent)
    ++depth;
  return depth;
}

bool AnyChild(const OwningItemList<OrgItem>& children, auto test) {
  return std::any_of(children.begin(), children.end(),
                     [&](const ItemNode<OrgItem>& node) { return test(*node.item); });
}

}  // namespace

std::unique_ptr<OrgItem> MakeOrgItem(int echelon, OrgGroup* parent) {
  if (echelon == kPlatoon) return std::make_unique<OrgItem>(echelon, parent);
  return std::make_unique<OrgGroup>(echelon, parent);
}

void OrgGroup::SetMorale(int value) {
  morale = value;
  for (auto& node : children)
    node.item->SetMorale(value);
}

Scanner& OrgGroup::Read(Scanner& in) {
  ReadItemLine(in, *this);
  if (in.Failed()) {
    // A group whose own line cannot be read stays empty; reading goes on where the line stopped.
    in.Clear();
    return in;
  }
  const int depth = Depth(*this);
  for (;;) {
    // Inside a group every line starts with a blank of its indentation, which is passed over
    // whatever it is; an empty line ends the group.
    char c = 0;
    if (in.Get(c) && c == '\n') return in;
    if (!in.NextNonBlank(c)) {
      in.Clear();  // cut off by the end of the file: the children read so far stay
      return in;
    }
    if (c == 'E') {
      in.SkipPast('\n');
      return in;
    }
    if (depth >= kMaxOrgDepth) {
      in.Fail();
      return in;
    }
    std::unique_ptr<OrgItem> child = MakeOrgItem(EchelonFromLetter(c), this);
    child->Read(in);
    if (in.Failed()) return in;
    children.Append(std::move(child));
  }
}

std::ostream& OrgGroup::Write(std::ostream& out, int indent) const {
  WriteItemLine(out, *this, indent);
  for (const auto& node : children)
    node.item->Write(out, indent + 4);
  return WriteEndLine(out, indent + 4);
}

void OrgGroup::ClearMark() {
  mark = 0;
  for (auto& node : children)
    node.item->ClearMark();
}

OrgItem* OrgGroup::FindById(int wanted) {
  if (id == wanted) return this;
  for (auto& node : children)
    if (OrgItem* const found = node.item->FindById(wanted)) return found;
  return nullptr;
}

void OrgGroup::CollectAll(ItemList<OrgItem>& list) {
  list.Append(this);
  for (auto& node : children)
    node.item->CollectAll(list);
}

void OrgGroup::CollectUnits(ItemList<const OrgItem>& list) const {
  if (!HasSubgroups()) {
    list.Append(this);
    return;
  }
  for (auto& node : children)
    node.item->CollectUnits(list);
}

void OrgGroup::SetCommandRating(int rating) {
  OrgItem::SetCommandRating(rating);
  for (auto& node : children)
    node.item->SetCommandRating(rating);
}

// A group's own reference does not make it a leader; only the platoons below it do.
bool OrgGroup::HasLeader() const {
  return AnyChild(children, [](const OrgItem& child) { return child.HasLeader(); });
}

bool OrgGroup::HasSubgroups() const {
  return AnyChild(children, [](const OrgItem& child) { return child.echelon != kPlatoon; });
}

bool OrgGroup::MayHold(const OrgItem& item) const {
  return echelon > item.echelon && IsAxis(Nation()) == IsAxis(item.Nation());
}

}  // namespace valdren
