#pragma once

#include <cstdint>

#include "base/String.h"
#include "oob/DateRange.h"

namespace valdren {

// A template of the game's database: a platoon or an organization that can be placed in an
// order of battle, available in its date range. Templates are filled by the readers, appended
// to the database and never changed afterwards.
class UnitTemplate : public DateRange {
 public:
  explicit UnitTemplate(int echelon) : echelon(echelon) {}
  virtual ~UnitTemplate() = default;
  UnitTemplate(const UnitTemplate&) = delete;
  UnitTemplate& operator=(const UnitTemplate&) = delete;

  virtual int Morale() const { return 6; }

  int echelon;
  std::uint32_t reference = 0;  // 0: none was read
  String name;
};

// The nation encoded in a reference number: digits 6 and 7 for an organization, 4 and 5 for a
// platoon. Created items carry the same numbers and follow the same rule.
inline int NationOfReference(int echelon, std::uint32_t reference) {
  return static_cast<int>(echelon == 0 ? reference / 1000 % 100 : reference / 100000 % 100);
}
// The hundreds digit: a platoon's category (4 marks a leader).
inline int CategoryOfReference(std::uint32_t reference) {
  return static_cast<int>(reference / 100 % 10);
}
inline constexpr int kLeaderCategory = 4;
// A category 3 platoon belongs to its unit without counting as one.
inline constexpr int kAttachedCategory = 3;
// A category 5 platoon is offered only as a choice, never listed under "Platoons".
inline constexpr int kChoiceOnlyCategory = 5;

inline int NationOf(const UnitTemplate& unit) {
  return NationOfReference(unit.echelon, unit.reference);
}
inline int CategoryOf(const UnitTemplate& unit) {
  return CategoryOfReference(unit.reference);
}

}  // namespace valdren
