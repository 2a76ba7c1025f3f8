#include "builder/Builder.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "oob/Echelon.h"
#include "oob/NameLists.h"
#include "oob/OrgTemplate.h"
#include "oob/SubunitGroup.h"
#include "oob/UnitTemplate.h"
#include "org/OrgRoot.h"

namespace valdren {

namespace {

// Counts an organization in the making for as long as it is being made.
class Nesting {
 public:
  explicit Nesting(int& depth) : depth_(++depth) {}
  ~Nesting() { --depth_; }
  Nesting(const Nesting&) = delete;
  Nesting& operator=(const Nesting&) = delete;
  int Depth() const { return depth_; }

 private:
  int& depth_;
};

// A list index drawn from the generator, below count.
std::size_t DrawIndex(Random& random, std::size_t count) {
  const auto index = static_cast<std::size_t>(random.Next() * static_cast<double>(count));
  return std::min(index, count - 1);
}

}  // namespace

const OrgTemplate& AsOrgTemplate(const UnitTemplate& unit) {
  // The database makes every template above platoon an organization template.
  return static_cast<const OrgTemplate&>(unit);
}

std::unique_ptr<OrgItem> Builder::Instantiate(const UnitTemplate& unit, const String& designation,
                                              OrgGroup* parent, NamePattern name) {
  if (unit.echelon != kPlatoon)
    return InstantiateGroup(AsOrgTemplate(unit), parent, designation, name);
  auto item = std::make_unique<OrgItem>(kPlatoon, parent);
  String text;
  if (CategoryOf(unit) == kLeaderCategory) {
    // A leader keeps the group's text as it came, as the rank in front of the drawn name.
    if (name && !name->empty()) {
      text = *name;
      text += " ";
    }
    text += PickLeaderName(NationOf(unit)).View();
  } else if (name) {
    text = MakeName(*name, designation, unit).name;
  } else {
    text = kIndependentUnit;
  }
  item->SetName(text);
  item->reference = unit.reference;
  return item;
}

std::unique_ptr<OrgGroup> Builder::InstantiateGroup(const OrgTemplate& unit, OrgGroup* parent,
                                                    const String& designation, NamePattern name) {
  auto group = std::make_unique<OrgGroup>(unit.echelon, parent);
  const NameAndDesignation named = MakeName(name ? *name : unit.name.View(), designation, unit);
  group->SetName(named.name);
  group->reference = unit.reference;

  // An organization file nests no deeper than the reader takes back; templates nested deeper
  // than that (only broken data can) stop there instead of exhausting the stack.
  const Nesting nesting(depth_);
  if (nesting.Depth() >= kMaxOrgDepth) return group;

  // The templates the alternatives name lie anywhere in the database: asking for all of them at
  // once lets their cache misses overlap instead of coming one after the other.
  for (const SubunitGroup& subunits : unit.groups)
    for (const SubunitChoice& choice : subunits.choices)
      __builtin_prefetch(choice.item);

  const SubunitGroup* previous = nullptr;
  int percent = 0;
  for (const SubunitGroup& subunits : unit.groups) {
    if (!InFilter(subunits)) continue;
    // Consecutive groups offering the same alternatives share one draw, so they always get the
    // same alternative.
    if (!previous || !SameChoices(*previous, subunits))
      percent = static_cast<int>(state_.PercentRandom().Next() * 100.0);
    if (auto child = InstantiateChoice(subunits, percent, group.get(), named.designation))
      group->children.Append(std::move(child));
    previous = &subunits;
  }
  return group;
}

std::unique_ptr<OrgItem> Builder::InstantiateChoice(const SubunitGroup& group, int percent,
                                                    OrgGroup* parent, const String& designation) {
  std::int64_t sum = 0;  // wide: probabilities are read as any int
  for (const SubunitChoice& choice : group.choices) {
    sum += choice.weight;
    if (percent < sum) {
      // The group's pattern is expanded here, and again by the child for what is left of it.
      const NameAndDesignation named = MakeName(group.name.View(), designation, *choice.item);
      return Instantiate(*choice.item, named.designation, parent, named.name.View());
    }
  }
  return nullptr;
}

NameAndDesignation Builder::MakeName(std::string_view pattern, const String& inherited,
                                     const UnitTemplate& unit) {
  const std::size_t at = FindNameMarker(pattern);
  if (at == std::string_view::npos) return {String(pattern), inherited};
  // The text in front of the marker is not part of the name.
  const std::string_view rest = pattern.substr(at + 1);
  switch (pattern[at]) {
    case '#':
      return {inherited + rest, inherited};
    case '&': {
      String unitName = PickUnitName(unit);
      return {unitName + rest, std::move(unitName)};
    }
    default: {
      const NumberPattern number = ReadNumberPattern(rest);
      const int n = PickNumber(number.lo, number.hi);
      String designation;
      if (pattern[at] == '@') {
        designation = RomanNumeral(n);
      } else {
        designation = String(std::to_string(n));
        // "3. Infanterie-Division" is written without an ordinal ending.
        if (!number.following.starts_with('.')) designation += OrdinalSuffix(n);
      }
      return {designation + number.following, std::move(designation)};
    }
  }
}

String Builder::PickUnitName(const UnitTemplate& unit) {
  Random& random = state_.UnitNameRandom();
  // References can carry nation digits beyond the nations that have lists: no name for those.
  const int nation = NationOf(unit);
  if (nation >= kNationCount || unit.echelon < 0 || unit.echelon >= kEchelonCount) return {};
  const NameLists::List& list = names_.unitNames[nation][unit.echelon];
  if (list.empty()) return {};
  return list[DrawIndex(random, list.size())];
}

String Builder::PickLeaderName(int nation) {
  if (nation < 0 || nation >= kNationCount) return {};
  // One pass, one draw per entry: entry k replaces the pick with chance 1/k, which leaves every
  // entry equally likely in the end.
  Random& random = state_.ProgramRandom();
  const String* pick = nullptr;
  double k = 0;
  for (const String& entry : names_.leaderNames[nation]) {
    ++k;
    if (1.0 / k > random.Next()) pick = &entry;
  }
  return pick ? *pick : String();
}

// After a collision the numbers above the drawn one are tried up to hi, then those from lo up;
// the first free one is taken. When the whole range has been issued, the drawn number is used
// again. Only numbers inside lo..hi are ever returned.
int Builder::PickNumber(int lo, int hi) {
  lo = std::max(lo, 1);
  hi = std::max(hi, lo);
  Random& random = state_.NumberRandom();
  // The span of 1..INT_MAX does not fit an int; the draw is made wide and kept inside the range.
  const std::int64_t span = std::int64_t{hi} - lo + 1;
  const auto offset = static_cast<std::int64_t>(random.Next() * static_cast<double>(span));
  const int drawn = static_cast<int>(lo + std::min(offset, span - 1));
  IssuedNumbers& issued = state_.Issued();
  const int n = issued.FirstFree(drawn, lo, hi).value_or(drawn);
  issued.Insert(n);
  return n;
}

bool Builder::InFilter(const SubunitGroup& group) const {
  return group.InDateRange(month_, year_);
}

bool SameChoices(const SubunitGroup& a, const SubunitGroup& b) {
  return a.choices == b.choices;
}

OrgItem* AddToOrganization(OrgRoot& root, std::unique_ptr<OrgItem> item, int morale) {
  if (!item) return nullptr;
  root.Number(*item);
  item->SetMorale(morale);
  OrgItem& added = *item;
  root.items.Append(std::move(item));
  return &added;
}

}  // namespace valdren
