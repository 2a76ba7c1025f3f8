#pragma once

#include <string_view>
#include <vector>

namespace valdren {

class OrgItem;
class OrgRoot;

// The created items whose names hold the text, whatever its case, in the order the file lists
// them (a group before its children); none for an empty text.
std::vector<const OrgItem*> FindItems(const OrgRoot& root, std::string_view text);

}  // namespace valdren
