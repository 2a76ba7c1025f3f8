#pragma once

#include <optional>

#include "base/String.h"

namespace valdren {

class OobDatabase;
class OrgItem;

// The line the created tree shows under a platoon: its platoon template's name, a blank and the
// platoon's morale in parentheses ("Rifle Platoon (6)"). Nothing for a group, and nothing for a
// platoon whose reference names no platoon template.
std::optional<String> UnitLineText(const OrgItem& item, const OobDatabase& database);

}  // namespace valdren
