#include "org/DateCheck.h"

#include <algorithm>
#include <utility>

#include "oob/OobDatabase.h"
#include "org/OrgGroup.h"
#include "org/OrgRoot.h"

namespace valdren {

namespace {

// "6/41", as the strength window's "Available at" column writes a date.
std::string DateText(int month, int year) {
  return std::to_string(month) + '/' + std::to_string(year);
}

DateStatus StatusIn(const DateRange& range, MonthYear date) {
  if (range.InDateRange(date.month, date.year)) return DateStatus::kAvailable;
  // A range that holds no date at all (it ends before it starts) is "not yet" before its start.
  return std::pair{date.year, date.month} < std::pair{range.startYear, range.startMonth}
             ? DateStatus::kNotYet
             : DateStatus::kEnded;
}

}  // namespace

const DateCheck::Known& DateCheck::Lookup(const OrgItem& item) const {
  const std::uint64_t key =
      std::uint64_t{static_cast<std::uint32_t>(item.echelon)} << 32 | item.reference;
  if (key == lastKey_) return *last_;
  auto [found, made] = known_.try_emplace(key);
  if (made) {
    const OobDatabase::Found template_ = database_.FindWithRange(item.echelon, item.reference);
    found->second = {template_.unit, template_.range};
  }
  lastKey_ = key;
  last_ = &found->second;
  return found->second;
}

DateStatus DateCheck::StatusOf(const OrgItem& item, MonthYear date) const {
  const Known& known = Lookup(item);
  return known.unit ? StatusIn(known.range, date) : DateStatus::kMissing;
}

std::string DateCheck::Reason(const OrgItem& item, MonthYear date) const {
  const DateRange& range = Lookup(item).range;
  const std::string refused = "Not available in " + DateText(date.month, date.year) + ": ";
  switch (StatusOf(item, date)) {
    case DateStatus::kAvailable:
      return {};
    case DateStatus::kNotYet:
      return refused + "from " + DateText(range.startMonth, range.startYear);
    case DateStatus::kEnded:
      return refused + "until " + DateText(range.endMonth, range.endYear);
    case DateStatus::kMissing:
      break;
  }
  return "Not in the database";
}

bool DateCheck::AnyChanges(MonthYear from, MonthYear to) const {
  return std::any_of(known_.begin(), known_.end(), [from, to](const auto& entry) {
    const Known& known = entry.second;
    return known.unit && known.range.InDateRange(from.month, from.year) !=
                             known.range.InDateRange(to.month, to.year);
  });
}

std::vector<const OrgItem*> DateCheck::Refused(const OrgRoot& root) const {
  std::vector<const OrgItem*> refused;
  const MonthYear date{root.month, root.year};
  for (const auto& node : root.items)
    CollectRefused(*node.item, date, refused);
  return refused;
}

void DateCheck::CollectRefused(const OrgItem& item, MonthYear date,
                               std::vector<const OrgItem*>& refused) const {
  if (!Available(item, date)) refused.push_back(&item);
  if (const OrgGroup* group = item.AsGroup())
    for (const auto& node : group->children)
      CollectRefused(*node.item, date, refused);
}

std::string PathOf(const OrgItem& item) {
  std::vector<const OrgItem*> line;
  for (const OrgItem* at = &item; at; at = at->parent)
    line.push_back(at);
  std::string path;
  for (auto at = line.rbegin(); at != line.rend(); ++at) {
    if (!path.empty()) path += " / ";
    path += (*at)->name.View();
  }
  return path;
}

}  // namespace valdren
