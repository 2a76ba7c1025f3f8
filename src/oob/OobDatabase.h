#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "base/Arena.h"
#include "base/ErrorText.h"
#include "base/HugePages.h"
#include "oob/Echelon.h"
#include "oob/UnitTemplate.h"

namespace valdren {

class ErrorLog;
class OrgTemplate;
class PlatoonTemplate;

// Every template of the game's database, owned, in load order: all platoons, then companies,
// battalions and so on up to armies, each echelon in file order. The pair (echelon, reference)
// names a template; when several share a pair, the one loaded first wins every lookup.
class OobDatabase {
 public:
  // The templates in load order, read as the nodes of a list: each entry's item is a template.
  class TemplateList {
   public:
    struct Entry {
      UnitTemplate* item;
    };
    using Entries = std::vector<Entry, HugePageAllocator<Entry>>;
    using Iterator = Entries::const_iterator;

    Iterator begin() const { return entries_.begin(); }
    Iterator end() const { return entries_.end(); }
    const Entry* First() const { return entries_.empty() ? nullptr : &entries_.front(); }
    std::size_t Size() const { return entries_.size(); }
    bool Empty() const { return entries_.empty(); }

   private:
    friend class OobDatabase;
    Entries entries_;
  };

  OobDatabase() = default;
  ~OobDatabase();
  OobDatabase(const OobDatabase&) = delete;
  OobDatabase& operator=(const OobDatabase&) = delete;

  // The first template loaded with this echelon and reference, or null (also for an echelon out
  // of range). An index lookup.
  const UnitTemplate* Find(int echelon, std::uint32_t reference) const;

  // The same with the template's date range as the index keeps it, so that a loader checking a
  // choice against its group reads only the index, not the template.
  struct Found {
    const UnitTemplate* unit = nullptr;
    DateRange range;
  };
  Found FindWithRange(int echelon, std::uint32_t reference) const;

  // Starts bringing the reference's place in the index into the caches: a loader that knows
  // several references before it looks them up waits for memory once rather than for each.
  void Prefetch(int echelon, std::uint32_t reference) const;

  // Room for this many more templates of the echelon: a loader that knows about how many come
  // makes its index once, at its size.
  void Reserve(int echelon, std::size_t more);

  // Takes a template made on the heap.
  void Append(std::unique_ptr<UnitTemplate> unit);

  // A platoon or an organization template made in the arena, its groups and choice lists too:
  // the loader makes every template this way, so loading makes a handful of allocations.
  // Until it is appended, dropping it destroys it.
  ArenaPtr<PlatoonTemplate> MakePlatoon();
  ArenaPtr<OrgTemplate> MakeOrgTemplate(int echelon);
  template <typename Unit>
  void Append(ArenaPtr<Unit> unit) {
    Add(unit.release());
  }

  const TemplateList& Templates() const { return templates_; }
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
    // The template's range when each of its numbers fits a byte (two-digit years and months
    // always do), else a first byte of 255; it fills what would be padding.
    std::array<std::uint8_t, 4> range{};
    const UnitTemplate* unit = nullptr;  // null: a free slot
  };
  struct EchelonIndex {
    std::vector<Slot, HugePageAllocator<Slot>> slots;  // a power of two, at most 3/4 full
    std::size_t indexed = 0;

    std::size_t HomeOf(std::uint32_t reference) const;
    std::size_t SlotOf(std::uint32_t reference) const;
    // Room for this many references in all.
    void Reserve(std::size_t references);
  };

  void Add(UnitTemplate* unit);
  const Slot* SlotOf(int echelon, std::uint32_t reference) const;

  // Declared first, so that they go last: everything below may refer to them.
  Arena arena_;
  std::vector<std::unique_ptr<UnitTemplate>> adopted_;  // appended from the heap
  TemplateList templates_;
  std::array<EchelonIndex, kEchelonCount> index_;
  std::array<std::size_t, kEchelonCount> counts_{};
};

}  // namespace valdren
