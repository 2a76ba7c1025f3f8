#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "oob/DateRange.h"

namespace valdren {

class OobDatabase;
class OrgItem;
class OrgRoot;
class UnitTemplate;

// A month and a year as the organization holds them (41 for 1941).
struct MonthYear {
  int month = 6;
  int year = 41;
  bool operator==(const MonthYear&) const = default;
};

// Whether the game takes a created item at a date: its template must be in the database and
// available then.
enum class DateStatus {
  kAvailable,
  kNotYet,   // the template's range starts after the date
  kEnded,    // the template's range ended before the date
  kMissing,  // no template has the item's echelon and reference
};

// Which created items the game would refuse at a date, and why. An organization holds a few
// hundred templates among up to a million items, so each template is looked up in the database
// once and kept with its date range: checking an item then costs a look into a small table, and
// a date change can tell from the templates alone whether any item's answer changes with it.
// The check keeps no date of its own, so the organization's date is always the one asked about.
class DateCheck {
 public:
  explicit DateCheck(const OobDatabase& database) : database_(database) {}

  DateStatus StatusOf(const OrgItem& item, MonthYear date) const;
  bool Available(const OrgItem& item, MonthYear date) const {
    return StatusOf(item, date) == DateStatus::kAvailable;
  }
  // "Not available in 6/41: from 3/42", "Not available in 6/41: until 5/40" or "Not in the
  // database"; empty for an item the game takes.
  std::string Reason(const OrgItem& item, MonthYear date) const;
  // Whether a template met so far is available at one date and not at the other: when none is,
  // no item already shown changes its mark.
  bool AnyChanges(MonthYear from, MonthYear to) const;
  // Every item of the organization that the game would refuse at the organization's date, in
  // the order of the file.
  std::vector<const OrgItem*> Refused(const OrgRoot& root) const;

 private:
  struct Known {
    const UnitTemplate* unit = nullptr;  // null: not in the database
    DateRange range;
  };
  const Known& Lookup(const OrgItem& item) const;
  void CollectRefused(const OrgItem& item, MonthYear date,
                      std::vector<const OrgItem*>& refused) const;

  const OobDatabase& database_;
  // By echelon and reference. The database's templates never change while it is loaded.
  mutable std::unordered_map<std::uint64_t, Known> known_;
  // Items of a formation come in runs of one template, so the last one found is tried first.
  mutable std::uint64_t lastKey_ = ~std::uint64_t{0};
  mutable const Known* last_ = nullptr;
};

// The names from the top level down to the item, " / " between them: "16. Panzer-Division /
// Divisionsstab / Stab". Bytes as stored.
std::string PathOf(const OrgItem& item);

}  // namespace valdren
