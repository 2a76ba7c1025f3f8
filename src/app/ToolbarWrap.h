#pragma once

#include <vector>

namespace valdren {

// One slot of the toolbar as the row breaking sees it: where the one-row layout puts it and
// whether it is a separator (the filter boxes sit on widened separators and count as such).
struct ToolbarSlot {
  int left = 0;
  int right = 0;
  bool separator = false;
  bool wrapped = false;  // the row ends after this slot
};

// Breaks the toolbar into rows for a window cx pixels wide: once a slot's middle-and-a-half point
// reaches the edge, the last separator before it ends its row, and from then on every later
// separator does too. The first slot never ends a row.
void WrapToolbar(std::vector<ToolbarSlot>& slots, int cx);

}  // namespace valdren
