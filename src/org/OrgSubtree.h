#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <variant>

#include "org/OrgRoot.h"

namespace valdren {

// An item with its subtree as text of its own, as the editor puts it on the clipboard: the lines
// the file writer gives for it at indent 0, in the game's Windows-1252.
std::string WriteSubtree(const OrgItem& item);

// Why a text gives no item to paste.
enum class SubtreeRefusal {
  kUnreadable,  // not the lines of exactly one item with its subtree
  kTooLarge,    // more items than the organization has ids left for
};
// The one item that the text holds, with its subtree, parents set and ids still to be given; or
// why there is none.
std::variant<std::unique_ptr<OrgItem>, SubtreeRefusal> ReadSubtree(std::string_view text,
                                                                   const OrgRoot& into);

// Where an item pasted beside the selected one goes: right after it in its list, as long as that
// list's group is of a higher echelon than the item and of the same side (any item may stand at
// the top level); otherwise, and with nothing or the root selected, at the end of the top level.
// A paste thus never makes a nesting that the list edits could not make.
OrgPlace PastePlace(const OrgRoot& root, const OrgItem* selected, const OrgItem& pasted);

}  // namespace valdren
