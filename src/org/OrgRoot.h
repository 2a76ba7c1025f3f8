#pragma once

#include <memory>
#include <optional>
#include <ostream>

#include "base/ItemList.h"
#include "org/OrgGroup.h"
#include "org/OrgItem.h"

namespace valdren {

class Scanner;

// Where an item stands: in its parent group's children (the top level for null), at the index
// it has there.
struct OrgPlace {
  OrgGroup* parent = nullptr;
  int index = 0;
  bool operator==(const OrgPlace&) const = default;
};

// The user's organization: the top-level created items, the date the catalog filter shows, and
// the counter that gives every item its id.
class OrgRoot {
 public:
  OrgRoot() = default;
  OrgRoot(const OrgRoot&) = delete;
  OrgRoot& operator=(const OrgRoot&) = delete;
  // The items move with the root; each keeps its parent, so nothing below the top level changes.
  OrgRoot(OrgRoot&&) = default;
  OrgRoot& operator=(OrgRoot&&) = default;

  // Empties the organization and returns to version 1, id 0 and June 1941.
  void Clear();
  // Reads a whole organization file from its text (line ends already as the text reader gives
  // them), after clearing. On failure the scanner is left failed and the top-level items read
  // before the one that failed stay.
  Scanner& Read(Scanner& in);
  // Writes the whole organization file, lines ended by carriage return and line feed.
  std::ostream& Write(std::ostream& out) const;

  // Gives the item and its subtree fresh ids in pre-order, the group before its children.
  void Number(OrgItem& item);
  // Numbers every item of the source and moves it to the end of the top level; the source is
  // left empty. Parents, date and morale stay as they were.
  void AppendAll(OwningItemList<OrgItem>& source);

  // The list that holds the item: its parent's children, or the top level.
  OwningItemList<OrgItem>& SiblingsOf(const OrgItem& item);
  const OwningItemList<OrgItem>& SiblingsOf(const OrgItem& item) const;

  // Where the item stands now, and where each list edit puts it: places counted in the list
  // with the item taken out, so Attach(Detach(item), place) is the edit. Raise and lower have
  // no place when the edit is refused.
  OrgPlace PlaceOf(const OrgItem& item) const;
  OrgPlace MoveUpPlace(const OrgItem& item) const;
  OrgPlace MoveDownPlace(const OrgItem& item) const;
  OrgPlace MoveToTopPlace(const OrgItem& item) const;
  OrgPlace MoveToBottomPlace(const OrgItem& item) const;
  std::optional<OrgPlace> RaisePlace(const OrgItem& item) const;
  std::optional<OrgPlace> LowerPlace(const OrgItem& item) const;

  // Takes the item with its subtree out of its list, ids and all, or null when it is in none.
  std::unique_ptr<OrgItem> Detach(OrgItem& item);
  // Puts an item taken out back at the place (the end when the index is past it).
  OrgItem& Attach(std::unique_ptr<OrgItem> item, OrgPlace place);
  void MoveTo(OrgItem& item, OrgPlace place);

  // List edits on the item's siblings. Moving up the first item sends it to the end, moving
  // down the last sends it to the front.
  void MoveUp(OrgItem& item);
  void MoveDown(OrgItem& item);
  void MoveToTop(OrgItem& item);
  void MoveToBottom(OrgItem& item);
  // Destroys the item with its subtree.
  void Remove(OrgItem& item);
  // Makes the item the last child of its grandparent (the last top-level item when its parent
  // is top-level); false when it has no parent.
  bool Raise(OrgItem& item);
  // Makes the item the last child of its previous sibling; false unless that sibling is of a
  // strictly higher echelon and of the same side.
  bool Lower(OrgItem& item);

  OwningItemList<OrgItem> items;
  int version = 1;
  int nextId = 0;
  int month = 6;
  int year = 41;
};

}  // namespace valdren
