#pragma once

#include <cstdint>
#include <memory>
#include <sstream>
#include <string>

#include "oob/Echelon.h"
#include "oob/ErrorLog.h"
#include "oob/OobDatabase.h"
#include "oob/OrgTemplate.h"
#include "oob/PlatoonTemplate.h"

namespace valdren::test {

// Adds a template of the echelon to the database: a platoon for echelon 0, else an
// organization without groups.
inline const UnitTemplate* AddTemplate(OobDatabase& database, int echelon, std::uint32_t reference,
                                       std::string name, DateRange range = {}) {
  std::unique_ptr<UnitTemplate> unit;
  if (echelon == 0)
    unit = std::make_unique<PlatoonTemplate>();
  else
    unit = std::make_unique<OrgTemplate>(echelon);
  unit->reference = reference;
  unit->name = String(std::move(name));
  static_cast<DateRange&>(*unit) = range;
  const UnitTemplate* added = unit.get();
  database.Append(std::move(unit));
  return added;
}

// A group in one line: "6/41-12/45 + P1102:70 P1103:30 | name" (the "+" only when marked).
inline std::string Describe(const SubunitGroup& group) {
  std::ostringstream out;
  out << group.startMonth << '/' << group.startYear << '-' << group.endMonth << '/' << group.endYear
      << (group.promotion ? " +" : "");
  for (const SubunitChoice& choice : group.choices)
    out << ' ' << EchelonLetter(choice.item->echelon) << choice.item->reference << ':'
        << choice.weight;
  out << " | " << group.name;
  return out.str();
}

}  // namespace valdren::test
