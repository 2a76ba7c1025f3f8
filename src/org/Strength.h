#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "oob/Echelon.h"

namespace valdren {

class OobDatabase;
class OrgItem;
class OrgRoot;
class PlatoonTemplate;

// The platoons of one reference in a formation.
struct TemplateStrength {
  std::uint32_t reference = 0;
  const PlatoonTemplate* unit = nullptr;  // null: no platoon template has the reference
  std::int64_t count = 0;
  bool valued = false;     // the catalog shows the template's value, so the platoons count in it
  std::int64_t value = 0;  // count times the catalog value when valued, else 0
};

// The value one nation's platoons add to a formation.
struct NationValue {
  int nation = 0;
  std::int64_t value = 0;
  bool operator==(const NationValue&) const = default;
};

inline constexpr int kCommandRatings = 5;

// What a formation (an item with everything below it, or the whole organization) holds and what
// it is worth. The value is the sum of the catalog values of the platoons whose value the
// catalog shows (ShowsCatalogValue); leaders, attached platoons and platoons of category 5 add
// nothing. A platoon whose template is missing is counted everywhere but in the value.
struct Strength {
  std::array<std::int64_t, kEchelonCount> items{};  // by echelon, platoons first
  std::int64_t units = 0;                           // what CollectUnits yields
  // By count, most first; equal counts by name, then by reference.
  std::vector<TemplateStrength> templates;
  std::int64_t unknownPlatoons = 0;  // platoons whose template is missing
  std::int64_t leaders = 0;
  // Leaders by command rating 1..5 (index 0 for rating 1); a leader whose reference carries
  // a rating outside 1..5 counts only in leaders.
  std::array<std::int64_t, kCommandRatings> leadersByRating{};
  // Over every item, groups and platoons; all 0 when there is none.
  int lowestMorale = 0;
  int highestMorale = 0;
  double meanMorale = 0;
  std::int64_t value = 0;
  std::int64_t axisValue = 0;
  std::int64_t alliedValue = 0;
  // Each nation with platoons counted in the value, by nation index.
  std::vector<NationValue> nations;

  std::int64_t Platoons() const { return items[kPlatoon]; }
  std::int64_t ItemCount() const;
};

// The strength of the item and everything below it; the database gives the platoons' templates.
// Linear in the size of the subtree.
Strength StrengthOf(const OrgItem& item, const OobDatabase& database);
// The strength of the whole organization.
Strength StrengthOf(const OrgRoot& root, const OobDatabase& database);

// The platoons, units and value: "183 platoons, 38 units, value 2,003".
std::string StrengthCounts(const Strength& strength);
// One line for a status bar: "16. Panzer-Division: 183 platoons, 38 units, value 2,003". The
// name is the item's, bytes as stored.
std::string StrengthSummary(const OrgItem& item, const Strength& strength);
// The same for the whole organization, with each side's value: "Organization: 545 platoons,
// 117 units, value 4,769 (Axis 2,003, Allied 2,766)".
std::string StrengthSummary(const Strength& organization);

// Where a row stands in the table of platoons by template, and a count line in a chart's box:
// by count, most first; equal counts by name, then by reference.
inline auto TableOrder(std::int64_t count, std::string_view name, std::uint32_t reference) {
  return std::tuple(-count, name, reference);
}

// The number with its thousands separated by commas: "1,712", "-2,500".
std::string WithThousands(std::int64_t number);

}  // namespace valdren
