#include "org/UnitLine.h"

#include <string>

#include "oob/Echelon.h"
#include "oob/OobDatabase.h"
#include "org/OrgItem.h"

namespace valdren {

std::optional<String> UnitLineText(const OrgItem& item, const OobDatabase& database) {
  if (item.echelon != kPlatoon) return std::nullopt;
  const UnitTemplate* const platoon = database.Find(kPlatoon, item.reference);
  if (!platoon) return std::nullopt;
  return String(platoon->name.Std() + " (" + std::to_string(item.morale) + ")");
}

}  // namespace valdren
