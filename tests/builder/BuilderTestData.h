#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "builder/Builder.h"
#include "oob/DateRange.h"
#include "oob/NameLists.h"
#include "oob/OobDatabase.h"
#include "oob/OrgTemplate.h"

namespace valdren::test {

inline constexpr int kGermany = 1;

// A database made in memory, template by template as the loader would leave it, and a builder
// working on it at June 1941 with a fixed seed.
class BuilderTest : public testing::Test {
 protected:
  // A German platoon of the category; its last two digits (a leader's rating) count the platoons.
  const UnitTemplate& Platoon(std::string_view name, int category = 1) {
    return Made<UnitTemplate>(0, kGermany * 1000 + category * 100 + ++platoons_, name);
  }
  OrgTemplate& Org(int echelon, std::string_view name, int morale = 6, int nation = kGermany) {
    OrgTemplate& made =
        Made<OrgTemplate>(echelon, nation * 100000 + echelon * 10000 + ++orgs_, name);
    made.morale = morale;
    return made;
  }
  // Appends a group to the owner: its name pattern, its alternatives with their probabilities
  // and its date range (June 1941 to December 1945 unless given).
  static void AddGroup(OrgTemplate& owner, std::string_view name,
                       std::initializer_list<std::pair<const UnitTemplate*, int>> choices,
                       DateRange range = {}) {
    SubunitGroup& group = owner.groups.emplace_back();
    static_cast<DateRange&>(group) = range;
    group.name = name;
    for (const auto& [unit, probability] : choices)
      group.choices.push_back({unit, probability});
  }
  std::unique_ptr<OrgItem> Build(const UnitTemplate& unit) {
    return builder.Instantiate(unit, "", nullptr, std::nullopt);
  }

  OobDatabase database;
  NameLists names;
  BuilderState state{4242u};
  Builder builder{state, names, 6, 41};

 private:
  template <typename T>
  T& Made(int echelon, int reference, std::string_view name) {
    auto unit = std::make_unique<T>(echelon);
    unit->reference = static_cast<std::uint32_t>(reference);
    unit->name = name;
    T& made = *unit;
    database.Append(std::move(unit));
    return made;
  }

  int platoons_ = 0;
  int orgs_ = 0;
};

// The built item in one line: its name, a group's children in brackets separated by "|".
inline std::string Shape(const OrgItem& item) {
  std::string shape(item.name.View());
  const OrgGroup* group = item.AsGroup();
  if (!group) return shape;
  char separator = '[';
  for (const auto& node : group->children)
    shape += std::exchange(separator, '|') + Shape(*node.item);
  return shape + (group->children.Empty() ? "[]" : "]");
}

}  // namespace valdren::test
