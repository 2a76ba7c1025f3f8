#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "base/ErrorText.h"
#include "base/ItemList.h"
#include "oob/Echelon.h"
#include "oob/UnitTemplate.h"

namespace valdren {

class ErrorLog;

// Every template of the game's database, owned, in load order: all platoons, then companies,
// battalions and so on up to armies, each echelon in file order. The pair (echelon, reference)
// names a template; when several share a pair, the one loaded first wins every lookup.
class OobDatabase {
 public:
  // The first template loaded with this echelon and reference, or null. An index lookup.
  const UnitTemplate* Find(int echelon, std::uint32_t reference) const;

  void Append(std::unique_ptr<UnitTemplate> unit);

  const OwningItemList<UnitTemplate>& Templates() const { return templates_; }
  std::size_t Count(int echelon) const { return counts_[echelon]; }

  // Loads the whole database from the folder: platoons first, then company to army. Returns
  // the text of the first error; what was loaded before it stays.
  ErrorText LoadDatabase(const std::filesystem::path& folder, ErrorLog& log);

 private:
  static std::uint64_t Key(int echelon, std::uint32_t reference) {
    return std::uint64_t{static_cast<std::uint32_t>(echelon)} << 32 | reference;
  }

  // The index is an open-addressed table with the keys inline: a lookup of a large database
  // costs one cache miss rather than the three of a node-based map.
  struct Slot {
    std::uint64_t key = 0;
    const UnitTemplate* unit = nullptr;  // null: a free slot
  };
  std::size_t SlotOf(std::uint64_t key) const;
  void Grow();

  OwningItemList<UnitTemplate> templates_;
  std::vector<Slot> slots_;  // a power of two in size, never more than half full
  std::size_t indexed_ = 0;
  std::array<std::size_t, kEchelonCount> counts_{};
};

}  // namespace valdren
