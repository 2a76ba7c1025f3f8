#include "org/OrgItem.h"

#include "oob/UnitTemplate.h"
#include "org/OrgLine.h"

namespace valdren {

namespace {
constexpr int kBandOffset = 5;
}  // namespace

std::string WithoutParentheses(std::string_view text) {
  std::string kept;
  kept.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t open = text.find('(', pos);
    kept.append(text.substr(pos, open - pos));
    if (open == std::string_view::npos) break;
    const std::size_t close = text.find(')', open + 1);
    if (close == std::string_view::npos) break;  // an unclosed part takes the rest with it
    pos = close + 1;
  }
  return kept;
}

void OrgItem::SetMorale(int value) {
  morale = value;
}

Scanner& OrgItem::Read(Scanner& in) {
  return ReadItemLine(in, *this);
}

std::ostream& OrgItem::Write(std::ostream& out, int indent) const {
  return WriteItemLine(out, *this, indent);
}

void OrgItem::ClearMark() {
  mark = 0;
}

OrgItem* OrgItem::FindById(int wanted) {
  return id == wanted ? this : nullptr;
}

void OrgItem::CollectAll(ItemList<OrgItem>& list) {
  list.Append(this);
}

void OrgItem::CollectUnits(ItemList<const OrgItem>& list) const {
  if (!IsLeader() && CategoryOfReference(reference) != kAttachedCategory) list.Append(this);
}

void OrgItem::SetCommandRating(int rating) {
  if (!IsLeader()) return;
  const std::uint32_t digits = reference % 100;
  const std::uint32_t band = digits > kBandOffset ? kBandOffset : 0;
  reference = reference - digits + static_cast<std::uint32_t>(rating) + band;
}

bool OrgItem::HasLeader() const {
  return IsLeader();
}

int OrgItem::GetCommandRating() const {
  if (!IsLeader()) return 0;
  const int digits = static_cast<int>(reference % 100);
  return digits > kBandOffset ? digits - kBandOffset : digits;
}

void OrgItem::SetName(const String& text) {
  // Most names hold no parenthesised part: they are taken as they are, without a second copy.
  if (text.View().find('(') == std::string_view::npos)
    name = text;
  else
    name = String(WithoutParentheses(text.View()));
}

int OrgItem::Nation() const {
  return NationOfReference(echelon, reference);
}

bool OrgItem::IsLeader() const {
  return CategoryOfReference(reference) == kLeaderCategory;
}

}  // namespace valdren
