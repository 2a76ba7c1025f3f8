#include "org/OrgRoot.h"

#include "base/Scanner.h"
#include "oob/Echelon.h"

namespace valdren {

void OrgRoot::Clear() {
  version = 1;
  nextId = 0;
  month = 6;
  year = 41;
  items.Clear();
}

Scanner& OrgRoot::Read(Scanner& in) {
  Clear();
  // A file of another version is not ours to read: it opens as an empty organization.
  if (!in.ReadInt(version) || version != 1) return in;
  in.ReadInt(nextId);
  in.ReadInt(month);
  in.ReadInt(year);
  if (in.Failed()) return in;
  if (!in.SkipPast('\n')) in.Clear();  // a header alone, without its last line end
  for (;;) {
    char letter = 0;
    if (!in.NextNonBlank(letter)) {
      in.Clear();
      return in;
    }
    std::unique_ptr<OrgItem> item = MakeOrgItem(EchelonFromLetter(letter), nullptr);
    item->Read(in);
    if (in.Failed()) return in;
    items.Append(std::move(item));
  }
}

std::ostream& OrgRoot::Write(std::ostream& out) const {
  // The version line is always 1: this is the only format written.
  out << "1\r\n" << nextId << "\r\n" << month << ' ' << year << "\r\n";
  for (const auto& node : items)
    node.item->Write(out, 0);
  return out;
}

void OrgRoot::Number(OrgItem& item) {
  item.id = nextId++;
  if (OrgGroup* const group = item.AsGroup())
    for (auto& node : group->children)
      Number(*node.item);
}

void OrgRoot::AppendAll(OwningItemList<OrgItem>& source) {
  while (!source.Empty()) {
    std::unique_ptr<OrgItem> item = source.Take(source.First());
    Number(*item);
    items.Append(std::move(item));
  }
}

OwningItemList<OrgItem>& OrgRoot::SiblingsOf(const OrgItem& item) {
  return item.parent ? item.parent->children : items;
}

const OwningItemList<OrgItem>& OrgRoot::SiblingsOf(const OrgItem& item) const {
  return item.parent ? item.parent->children : items;
}

}  // namespace valdren
