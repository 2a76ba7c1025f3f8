#include "oob/OobDatabase.h"

#include "oob/OrgTemplate.h"
#include "oob/PlatoonTemplate.h"

#include <algorithm>
#include <utility>

namespace valdren {

namespace {

constexpr std::size_t kFirstSlots = 64;
constexpr std::uint8_t kNotPacked = 255;

// Whether a table of so many slots takes so many references: it is kept at most three quarters
// full, so that a search rarely goes past the first cache line.
constexpr bool Takes(std::size_t slots, std::size_t references) {
  return 4 * references <= 3 * slots;
}

std::array<std::uint8_t, 4> Packed(const DateRange& range) {
  const int numbers[] = {range.startMonth, range.startYear, range.endMonth, range.endYear};
  std::array<std::uint8_t, 4> packed{};
  for (std::size_t at = 0; at < packed.size(); ++at) {
    if (numbers[at] < 0 || numbers[at] >= kNotPacked) return {kNotPacked};
    packed[at] = static_cast<std::uint8_t>(numbers[at]);
  }
  return packed;
}

}  // namespace

// Where the search for the reference starts. Reference numbers put their meaning in their
// decimal digits, so the number is mixed (Fibonacci hashing) before it picks a slot.
std::size_t OobDatabase::EchelonIndex::HomeOf(std::uint32_t reference) const {
  return static_cast<std::size_t>((reference * 0x9E3779B97F4A7C15ull) >> 20) & (slots.size() - 1);
}

// The slot holding the reference, or the free slot where it would go.
std::size_t OobDatabase::EchelonIndex::SlotOf(std::uint32_t reference) const {
  const std::size_t mask = slots.size() - 1;
  std::size_t slot = HomeOf(reference);
  while (slots[slot].unit && slots[slot].reference != reference)
    slot = (slot + 1) & mask;
  return slot;
}

void OobDatabase::EchelonIndex::Reserve(std::size_t references) {
  if (Takes(slots.size(), references)) return;
  std::size_t size = std::max(slots.size(), kFirstSlots);
  while (!Takes(size, references))
    size *= 2;
  const auto old = std::exchange(slots, decltype(slots)(size));
  for (const Slot& entry : old)
    if (entry.unit) slots[SlotOf(entry.reference)] = entry;
}

const OobDatabase::Slot* OobDatabase::SlotOf(int echelon, std::uint32_t reference) const {
  if (echelon < 0 || echelon >= kEchelonCount) return nullptr;
  const EchelonIndex& index = index_[echelon];
  if (index.slots.empty()) return nullptr;
  return &index.slots[index.SlotOf(reference)];
}

const UnitTemplate* OobDatabase::Find(int echelon, std::uint32_t reference) const {
  const Slot* const slot = SlotOf(echelon, reference);
  return slot ? slot->unit : nullptr;
}

OobDatabase::Found OobDatabase::FindWithRange(int echelon, std::uint32_t reference) const {
  const Slot* const slot = SlotOf(echelon, reference);
  if (!slot || !slot->unit) return {};
  const auto& [startMonth, startYear, endMonth, endYear] = slot->range;
  if (startMonth == kNotPacked) return {slot->unit, *slot->unit};
  return {slot->unit, {startMonth, startYear, endMonth, endYear}};
}

void OobDatabase::Prefetch(int echelon, std::uint32_t reference) const {
  if (echelon < 0 || echelon >= kEchelonCount) return;
  const EchelonIndex& index = index_[echelon];
#if defined(__GNUC__)
  if (!index.slots.empty()) __builtin_prefetch(&index.slots[index.HomeOf(reference)]);
#else
  (void)index;
  (void)reference;
#endif
}

OobDatabase::~OobDatabase() {
  // The arena only keeps its templates' memory: what they hold (long names) goes with them.
  for (const TemplateList::Entry& entry : templates_)
    if (arena_.Holds(entry.item)) arena_.Delete(entry.item);
}

ArenaPtr<PlatoonTemplate> OobDatabase::MakePlatoon() {
  return arena_.Make<PlatoonTemplate>();
}

ArenaPtr<OrgTemplate> OobDatabase::MakeOrgTemplate(int echelon) {
  return arena_.Make<OrgTemplate>(echelon, &arena_);
}

void OobDatabase::Reserve(int echelon, std::size_t more) {
  index_[echelon].Reserve(index_[echelon].indexed + more);
  TemplateList::Entries& entries = templates_.entries_;
  if (entries.size() + more > entries.capacity())
    entries.reserve(std::max(entries.size() + more, entries.capacity() * 3 / 2));
}

void OobDatabase::Append(std::unique_ptr<UnitTemplate> unit) {
  Add(adopted_.emplace_back(std::move(unit)).get());
}

void OobDatabase::Add(UnitTemplate* unit) {
  EchelonIndex& index = index_[unit->echelon];
  index.Reserve(index.indexed + 1);
  Slot& slot = index.slots[index.SlotOf(unit->reference)];
  if (!slot.unit) {  // the first one wins
    slot = {unit->reference, Packed(*unit), unit};
    ++index.indexed;
  }
  ++counts_[unit->echelon];
  templates_.entries_.push_back({unit});
}

}  // namespace valdren
