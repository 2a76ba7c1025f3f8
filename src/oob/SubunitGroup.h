#pragma once

#include <memory_resource>
#include <vector>

#include "base/String.h"
#include "oob/DateRange.h"
#include "oob/UnitTemplate.h"

namespace valdren {

// One alternative of a group: a template loaded earlier (borrowed from the database) and its
// probability in percent.
struct SubunitChoice {
  const UnitTemplate* item;
  int weight;

  bool operator==(const SubunitChoice&) const = default;
};
// A group's alternatives side by side: they are read together, once per choice made.
using ChoiceList = std::pmr::vector<SubunitChoice>;

// One slot of an organization: valid in its own date range, offering alternatives. A value:
// copying a group copies its name and its choice list, never the templates the choices name.
struct SubunitGroup : DateRange {
  SubunitGroup() = default;
  // The choice list takes its memory from the given one.
  explicit SubunitGroup(std::pmr::memory_resource* memory) : choices(memory) {}

  String name;
  bool promotion = false;  // the line carried "+"
  ChoiceList choices;

  // The echelon of the first choice's template, 0 without choices.
  int FirstChoiceEchelon() const { return choices.empty() ? 0 : choices.front().item->echelon; }
};

}  // namespace valdren
