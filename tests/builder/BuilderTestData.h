#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "oob/DateRange.h"
#include "oob/NameLists.h"
#include "oob/OobDatabase.h"
#include "oob/OrgTemplate.h"
#include "oob/SubunitGroup.h"
#include "oob/UnitTemplate.h"
#include "org/OrgItem.h"

namespace valdren::test {

// Reference numbers as the database writes them: nation, category (platoons) or echelon, serial.
constexpr std::uint32_t PlatoonRef(int nation, int category, int serial) {
  return static_cast<std::uint32_t>(nation * 1000 + category * 100 + serial);
}
constexpr std::uint32_t OrgRef(int nation, int echelon, int serial) {
  return static_cast<std::uint32_t>(nation * 100000 + echelon * 10000 + serial);
}

// A database made in memory, template by template, as the loader would leave it.
class Templates {
 public:
  const UnitTemplate& Platoon(std::uint32_t reference, std::string_view name);
  OrgTemplate& Org(int echelon, std::uint32_t reference, std::string_view name, int morale = 6);

  OobDatabase database;
};

using Choices = std::initializer_list<std::pair<const UnitTemplate*, int>>;

// Appends a group to the owner: its name pattern, its alternatives with their probabilities
// and its date range (June 1941 to December 1945 unless given).
SubunitGroup& AddGroup(OrgTemplate& owner, std::string_view name, Choices choices,
                       DateRange range = {});

// The built item in one line: its name, a group's children in brackets separated by "|".
std::string Shape(const OrgItem& item);

}  // namespace valdren::test
