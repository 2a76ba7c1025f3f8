// Any bytes given to the organization reader: no crash, and whatever it reads, once written,
// reads back as the same organization (every name as the writer can carry it: line-end bytes
// become blanks and an overlong name is cut) and writes again to the very same bytes.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "org/OrgFile.h"
#include "org/OrgGroup.h"
#include "org/OrgLine.h"
#include "org/OrgRoot.h"

namespace {

using namespace valdren;

bool SameItems(const OwningItemList<OrgItem>& read, const OwningItemList<OrgItem>& back,
               const OrgGroup* backParent);

bool SameItem(const OrgItem& read, const OrgItem& back, const OrgGroup* backParent) {
  if (back.parent != backParent || read.echelon != back.echelon ||
      read.reference != back.reference || read.id != back.id || read.morale != back.morale ||
      back.name.View() != WritableName(read.name.View()))
    return false;
  const OrgGroup* const readGroup = read.AsGroup();
  const OrgGroup* const backGroup = back.AsGroup();
  if (!readGroup || !backGroup) return !readGroup && !backGroup;
  return SameItems(readGroup->children, backGroup->children, backGroup);
}

bool SameItems(const OwningItemList<OrgItem>& read, const OwningItemList<OrgItem>& back,
               const OrgGroup* backParent) {
  auto r = read.begin();
  auto b = back.begin();
  for (; r != read.end() && b != back.end(); ++r, ++b)
    if (!SameItem(*r->item, *b->item, backParent)) return false;
  return r == read.end() && b == back.end();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  OrgRoot root;
  ReadOrganization(root, std::string_view(reinterpret_cast<const char*>(data), size));
  const std::string written = WriteOrganization(root);
  OrgRoot back;
  if (!ReadOrganization(back, written)) std::abort();
  if (back.nextId != root.nextId || back.month != root.month || back.year != root.year ||
      !SameItems(root.items, back.items, nullptr))
    std::abort();
  if (WriteOrganization(back) != written) std::abort();
  return 0;
}
