#include "oob/OobDatabase.h"

namespace valdren {

const UnitTemplate* OobDatabase::Find(int echelon, std::uint32_t reference) const {
  const auto found = index_.find(Key(echelon, reference));
  return found == index_.end() ? nullptr : found->second;
}

void OobDatabase::Append(std::unique_ptr<UnitTemplate> unit) {
  index_.try_emplace(Key(unit->echelon, unit->reference), unit.get());  // the first one wins
  ++counts_[unit->echelon];
  templates_.Append(std::move(unit));
}

}  // namespace valdren
