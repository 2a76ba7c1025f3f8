#pragma once

#include <memory_resource>

#include "base/ItemList.h"
#include "base/String.h"
#include "oob/DateRange.h"
#include "oob/UnitTemplate.h"

namespace valdren {

// One alternative of a group: a template loaded earlier (borrowed from the database) and its
// probability in percent, held in the node's weight.
using SubunitChoice = WeightedNode<const UnitTemplate>;
using ChoiceList = WeightedItemList<const UnitTemplate>;

// One slot of an organization: valid in its own date range, offering alternatives. A value:
// copying a group copies its name and its choice list, never the templates the choices name.
struct SubunitGroup : DateRange {
  SubunitGroup() = default;
  // The choice list's nodes come from the given memory.
  explicit SubunitGroup(std::pmr::memory_resource* memory) : choices(memory) {}

  String name;
  bool promotion = false;  // the line carried "+"
  ChoiceList choices;

  // The echelon of the first choice's template, 0 without choices.
  int FirstChoiceEchelon() const { return choices.Empty() ? 0 : choices.First()->item->echelon; }
};

}  // namespace valdren
