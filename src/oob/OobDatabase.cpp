#include "oob/OobDatabase.h"

#include "oob/OrgTemplate.h"
#include "oob/PlatoonTemplate.h"

#include <utility>

namespace valdren {

namespace {
constexpr std::size_t kFirstSlots = 64;
}  // namespace

// The slot holding the reference, or the free slot where it would go. Reference numbers put
// their meaning in their decimal digits, so the number is mixed (Fibonacci hashing) before it
// picks a slot.
std::size_t OobDatabase::EchelonIndex::SlotOf(std::uint32_t reference) const {
  const std::size_t mask = slots.size() - 1;
  std::size_t slot = static_cast<std::size_t>((reference * 0x9E3779B97F4A7C15ull) >> 20) & mask;
  while (slots[slot].unit && slots[slot].reference != reference)
    slot = (slot + 1) & mask;
  return slot;
}

void OobDatabase::EchelonIndex::Grow() {
  std::vector<Slot> old =
      std::exchange(slots, std::vector<Slot>(slots.empty() ? kFirstSlots : slots.size() * 2));
  for (const Slot& entry : old)
    if (entry.unit) slots[SlotOf(entry.reference)] = entry;
}

const UnitTemplate* OobDatabase::Find(int echelon, std::uint32_t reference) const {
  if (echelon < 0 || echelon >= kEchelonCount) return nullptr;
  const EchelonIndex& index = index_[echelon];
  if (index.slots.empty()) return nullptr;
  return index.slots[index.SlotOf(reference)].unit;
}

OobDatabase::~OobDatabase() {
  for (const TemplateList::Entry& entry : templates_) {
    if (entry.inArena)
      arena_.Delete(entry.item);
    else
      delete entry.item;
  }
}

ArenaPtr<PlatoonTemplate> OobDatabase::MakePlatoon() {
  return arena_.Make<PlatoonTemplate>();
}

ArenaPtr<OrgTemplate> OobDatabase::MakeOrgTemplate(int echelon) {
  return arena_.Make<OrgTemplate>(echelon, &arena_);
}

void OobDatabase::Append(std::unique_ptr<UnitTemplate> unit) {
  Add(unit.release(), false);
}

void OobDatabase::Add(UnitTemplate* unit, bool inArena) {
  EchelonIndex& index = index_[unit->echelon];
  if (2 * (index.indexed + 1) > index.slots.size()) index.Grow();
  Slot& slot = index.slots[index.SlotOf(unit->reference)];
  if (!slot.unit) {  // the first one wins
    slot = {unit->reference, unit};
    ++index.indexed;
  }
  ++counts_[unit->echelon];
  templates_.entries_.push_back({unit, inArena});
}

}  // namespace valdren
