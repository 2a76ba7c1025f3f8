#include "app/ToolbarWrap.h"

namespace valdren {

void WrapToolbar(std::vector<ToolbarSlot>& slots, int cx) {
  std::size_t lastSeparator = 0;
  for (std::size_t i = 0; i < slots.size(); ++i) {
    ToolbarSlot& slot = slots[i];
    if (slot.separator) lastSeparator = i;
    slot.wrapped = false;
    if (slot.right + (slot.right - slot.left) / 2 >= cx && lastSeparator != 0)
      slots[lastSeparator].wrapped = true;
  }
}

}  // namespace valdren
