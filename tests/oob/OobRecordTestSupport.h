#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "oob/Echelon.h"
#include "oob/OobDatabase.h"
#include "oob/OrgTemplate.h"
#include "oob/PlatoonFile.h"

namespace valdren::test {

// Adds a template of the echelon without groups to the database.
inline const UnitTemplate* AddTemplate(OobDatabase& database, int echelon, std::uint32_t reference,
                                       std::string name, DateRange range = {}) {
  auto unit = std::make_unique<UnitTemplate>(echelon);
  unit->reference = reference;
  unit->name = String(std::move(name));
  static_cast<DateRange&>(*unit) = range;
  const UnitTemplate* added = unit.get();
  database.Append(std::move(unit));
  return added;
}

// A platoon line as the game stores it.
inline std::string Stored(std::string plain) {
  Scramble(plain);
  return plain;
}

// "6/41-12/45"
inline std::string Dates(const DateRange& range) {
  return std::to_string(range.startMonth) + '/' + std::to_string(range.startYear) + '-' +
         std::to_string(range.endMonth) + '/' + std::to_string(range.endYear);
}

// A group in one line: "6/41-12/45 + P1102:70 P1103:30 | name" (the "+" only when marked).
inline std::string Describe(const SubunitGroup& group) {
  std::string text = Dates(group) + (group.promotion ? " +" : "");
  for (const SubunitChoice& choice : group.choices)
    text += ' ' + (EchelonLetter(choice.item->echelon) + std::to_string(choice.item->reference)) +
            ':' + std::to_string(choice.weight);
  return text + " | " + group.name.Std();
}

}  // namespace valdren::test
