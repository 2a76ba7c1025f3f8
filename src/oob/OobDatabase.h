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
  // The first template loaded with this echelon and reference, or null (also for an echelon out
  // of range). An index lookup.
  const UnitTemplate* Find(int echelon, std::uint32_t reference) const;

  void Append(std::unique_ptr<UnitTemplate> unit);

  const OwningItemList<UnitTemplate>& Templates() const { return templates_; }
  std::size_t Count(int echelon) const { return counts_[echelon]; }

  // Loads the whole database from the folder: platoons first, then company to army. Returns
  // the text of the first error; what was loaded before it stays.
  ErrorText LoadDatabase(const std::filesystem::path& folder, ErrorLog& log);

 private:
  // Each echelon has its own index, an open-addressed table with the references inline: a lookup
  // costs one cache miss rather than the three of a node-based map, and it reads only the table
  // of the echelon it names, which stays in the caches longer than one table for all would.
  struct Slot {
    std::uint32_t reference = 0;
    const UnitTemplate* unit = nullptr;  // null: a free slot
  };
  struct EchelonIndex {
    std::vector<Slot> slots;  // a power of two in size, never more than half full
    std::size_t indexed = 0;

    std::size_t SlotOf(std::uint32_t reference) const;
    void Grow();
  };

  OwningItemList<UnitTemplate> templates_;
  std::array<EchelonIndex, kEchelonCount> index_;
  std::array<std::size_t, kEchelonCount> counts_{};
};

}  // namespace valdren
