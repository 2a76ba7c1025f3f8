#pragma once

#include <cstdint>

#include "base/String.h"
#include "oob/OrgTemplate.h"
#include "oob/SubunitGroup.h"
#include "oob/UnitTemplate.h"

namespace valdren {

// The date the catalog is filtered to; June 1941 until the user picks another.
struct CatalogDate {
  int month = 6;
  int year = 41;
  bool operator==(const CatalogDate&) const = default;
};

enum class CatalogKind : std::uint8_t {
  kNone,          // no row: what a row that is not valid shows (nothing)
  kRoot,          // "Available Units and Organizations"
  kNation,        // a nation with templates in the database
  kEchelonGroup,  // "Platoons" .. "Armies" of a nation
  kTemplate,      // a template of the nation, in range at the date
  kGroup,         // a suborganization group in range, under a template or choice row
  kChoice,        // an alternative of a group, in range
};

// What one row of the catalog shows, without the row itself: everything its text, image,
// template and children are computed from. A breakdown row (template, group, choice) needs no
// more than this, so a breakdown can be walked without ever being stored.
struct CatalogEntry {
  CatalogKind kind = CatalogKind::kNone;
  std::int8_t nation = 0;               // nation and echelon group rows
  std::int8_t echelon = 0;              // echelon group rows
  int probability = 100;                // choice rows
  const UnitTemplate* unit = nullptr;   // template and choice rows
  const SubunitGroup* group = nullptr;  // group rows
};

String EntryText(const CatalogEntry& entry);
// The index into the trees' image list: 0 for the root, 1 + echelon for the unit-size symbols,
// 9 + nation for the national emblems.
int EntryImage(const CatalogEntry& entry);

// The template as an organization, or null for a platoon (whose row has no children).
inline const OrgTemplate* AsOrg(const UnitTemplate* unit) {
  return unit && unit->echelon != 0 ? dynamic_cast<const OrgTemplate*>(unit) : nullptr;
}

inline bool ListedInCatalog(const UnitTemplate& unit) {
  return unit.echelon != 0 || CategoryOf(unit) != kChoiceOnlyCategory;
}

// Calls visit(entry) for each child of a breakdown row, in order: the groups of a template or
// choice row that exist at the date, or the choices of a group row whose templates exist at the
// date. Other rows have no breakdown children.
template <typename Visit>
void VisitBreakdown(const CatalogEntry& entry, CatalogDate date, Visit&& visit) {
  if (entry.kind == CatalogKind::kGroup) {
    for (const SubunitChoice& choice : entry.group->choices)
      if (choice.item->InDateRange(date.month, date.year))
        visit(CatalogEntry{
            .kind = CatalogKind::kChoice, .probability = choice.weight, .unit = choice.item});
    return;
  }
  if (entry.kind != CatalogKind::kTemplate && entry.kind != CatalogKind::kChoice) return;
  const OrgTemplate* const org = AsOrg(entry.unit);
  if (!org) return;
  for (const SubunitGroup& group : org->groups)
    if (group.InDateRange(date.month, date.year))
      visit(CatalogEntry{.kind = CatalogKind::kGroup, .group = &group});
}

}  // namespace valdren
