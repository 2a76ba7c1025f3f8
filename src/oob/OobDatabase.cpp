#include "oob/OobDatabase.h"

#include <utility>

namespace valdren {

namespace {
constexpr std::size_t kFirstSlots = 64;
}  // namespace

// The slot holding the key, or the free slot where it would go. Reference numbers put their
// meaning in their decimal digits, so the key is mixed (Fibonacci hashing) before it picks a slot.
std::size_t OobDatabase::SlotOf(std::uint64_t key) const {
  const std::size_t mask = slots_.size() - 1;
  std::size_t slot = static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 20) & mask;
  while (slots_[slot].unit && slots_[slot].key != key)
    slot = (slot + 1) & mask;
  return slot;
}

void OobDatabase::Grow() {
  std::vector<Slot> old =
      std::exchange(slots_, std::vector<Slot>(slots_.empty() ? kFirstSlots : slots_.size() * 2));
  for (const Slot& entry : old)
    if (entry.unit) slots_[SlotOf(entry.key)] = entry;
}

const UnitTemplate* OobDatabase::Find(int echelon, std::uint32_t reference) const {
  if (slots_.empty()) return nullptr;
  return slots_[SlotOf(Key(echelon, reference))].unit;
}

void OobDatabase::Append(std::unique_ptr<UnitTemplate> unit) {
  if (2 * (indexed_ + 1) > slots_.size()) Grow();
  const std::uint64_t key = Key(unit->echelon, unit->reference);
  Slot& slot = slots_[SlotOf(key)];
  if (!slot.unit) {  // the first one wins
    slot = {key, unit.get()};
    ++indexed_;
  }
  ++counts_[unit->echelon];
  templates_.Append(std::move(unit));
}

}  // namespace valdren
