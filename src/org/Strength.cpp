#include "org/Strength.h"

#include <algorithm>
#include <bitset>
#include <limits>
#include <memory_resource>
#include <numeric>
#include <unordered_map>

#include "base/ItemList.h"
#include "oob/Nations.h"
#include "oob/OobDatabase.h"
#include "oob/PlatoonTemplate.h"
#include "org/OrgGroup.h"
#include "org/OrgRoot.h"

namespace valdren {

namespace {

// A platoon's reference holds its nation in two decimal digits.
constexpr int kPlatoonNations = 100;

// One walk over the items counts them and gathers the platoons by reference, so each template
// is looked up once however many platoons share it.
class StrengthWalk {
 public:
  explicit StrengthWalk(Strength& strength) : strength_(strength) {}

  void Add(const OrgItem& item) {
    AddItems(item);
    strength_.units += UnitCount(item);
  }

  void Finish(const OobDatabase& database) {
    const std::int64_t count = strength_.ItemCount();
    if (count == 0) return;
    strength_.lowestMorale = lowestMorale_;
    strength_.highestMorale = highestMorale_;
    strength_.meanMorale = static_cast<double>(moraleSum_) / static_cast<double>(count);
    for (const auto& [reference, platoons] : platoons_)
      AddTemplate(reference, platoons, database);
    for (int nation = 0; nation < kPlatoonNations; ++nation)
      if (valuedNations_[nation]) strength_.nations.push_back({nation, nationValues_[nation]});
    std::sort(strength_.templates.begin(), strength_.templates.end(), MostFirst);
  }

 private:
  void AddItems(const OrgItem& item) {
    ++strength_.items[item.echelon];
    lowestMorale_ = std::min(lowestMorale_, item.morale);
    highestMorale_ = std::max(highestMorale_, item.morale);
    moraleSum_ += item.morale;
    if (const OrgGroup* group = item.AsGroup()) {
      for (const auto& node : group->children)
        AddItems(*node.item);
      return;
    }
    ++platoons_[item.reference];
    if (!item.IsLeader()) return;
    ++strength_.leaders;
    const int rating = item.GetCommandRating();
    if (rating >= 1 && rating <= kCommandRatings) ++strength_.leadersByRating[rating - 1];
  }

  static std::int64_t UnitCount(const OrgItem& item) {
    std::pmr::monotonic_buffer_resource nodes;
    ItemList<const OrgItem> units(&nodes);
    item.CollectUnits(units);
    return static_cast<std::int64_t>(units.Size());
  }

  void AddTemplate(std::uint32_t reference, std::int64_t count, const OobDatabase& database) {
    TemplateStrength row{.reference = reference, .count = count};
    row.unit = dynamic_cast<const PlatoonTemplate*>(database.Find(kPlatoon, reference));
    if (!row.unit) strength_.unknownPlatoons += count;
    row.valued = row.unit && ShowsCatalogValue(*row.unit);
    if (row.valued) {
      row.value = count * row.unit->catalogValue;
      const int nation = NationOfReference(kPlatoon, reference);
      strength_.value += row.value;
      (IsAxis(nation) ? strength_.axisValue : strength_.alliedValue) += row.value;
      nationValues_[nation] += row.value;
      valuedNations_[nation] = true;
    }
    strength_.templates.push_back(row);
  }

  static bool MostFirst(const TemplateStrength& a, const TemplateStrength& b) {
    const std::string_view aName = a.unit ? a.unit->name.View() : std::string_view();
    const std::string_view bName = b.unit ? b.unit->name.View() : std::string_view();
    return TableOrder(a.count, aName, a.reference) < TableOrder(b.count, bName, b.reference);
  }

  Strength& strength_;
  std::unordered_map<std::uint32_t, std::int64_t> platoons_;
  int lowestMorale_ = std::numeric_limits<int>::max();
  int highestMorale_ = std::numeric_limits<int>::min();
  std::int64_t moraleSum_ = 0;
  std::array<std::int64_t, kPlatoonNations> nationValues_{};
  std::bitset<kPlatoonNations> valuedNations_;
};

// "1 unit", "38 units".
std::string Counted(std::int64_t count, std::string_view noun) {
  return WithThousands(count) + " " + std::string(noun) + (count == 1 ? "" : "s");
}

}  // namespace

std::string StrengthCounts(const Strength& strength) {
  return Counted(strength.Platoons(), "platoon") + ", " + Counted(strength.units, "unit") +
         ", value " + WithThousands(strength.value);
}

std::int64_t Strength::ItemCount() const {
  return std::accumulate(items.begin(), items.end(), std::int64_t{0});
}

Strength StrengthOf(const OrgItem& item, const OobDatabase& database) {
  Strength strength;
  StrengthWalk walk(strength);
  walk.Add(item);
  walk.Finish(database);
  return strength;
}

Strength StrengthOf(const OrgRoot& root, const OobDatabase& database) {
  Strength strength;
  StrengthWalk walk(strength);
  for (const auto& node : root.items)
    walk.Add(*node.item);
  walk.Finish(database);
  return strength;
}

std::string StrengthSummary(const OrgItem& item, const Strength& strength) {
  return item.name.Std() + ": " + StrengthCounts(strength);
}

std::string StrengthSummary(const Strength& organization) {
  return "Organization: " + StrengthCounts(organization) + " (Axis " +
         WithThousands(organization.axisValue) + ", Allied " +
         WithThousands(organization.alliedValue) + ")";
}

std::string WithThousands(std::int64_t number) {
  std::string digits = std::to_string(number);
  const std::size_t first = number < 0 ? 1 : 0;
  for (std::size_t at = digits.size(); at > first + 3; at -= 3)
    digits.insert(at - 3, ",");
  return digits;
}

}  // namespace valdren
