// Expanding a nation of the catalog whose complete breakdown runs to hundreds of millions of rows,
// and changing the date with it expanded: the cost must follow the rows a view looks at (the
// echelon groups and the templates under them), not the size of the breakdown.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>
#include <unordered_map>
#include <vector>

#include "catalog/CatalogMessages.h"
#include "catalog/CatalogModel.h"
#include "oob/OobDatabase.h"
#include "oob/OrgTemplate.h"
#include "oob/PlatoonTemplate.h"

// ---- Every allocation of the program counted, to measure what an operation adds at its peak.

namespace {
std::atomic<std::int64_t> liveBytes{0};
std::atomic<std::int64_t> peakBytes{0};

void* Allocate(std::size_t size) {
  void* const memory = std::malloc(size ? size : 1);
  if (!memory) throw std::bad_alloc();
  const std::int64_t live = liveBytes += static_cast<std::int64_t>(malloc_usable_size(memory));
  std::int64_t peak = peakBytes.load();
  while (live > peak && !peakBytes.compare_exchange_weak(peak, live)) {
  }
  return memory;
}

void Release(void* memory) {
  if (!memory) return;
  liveBytes -= static_cast<std::int64_t>(malloc_usable_size(memory));
  std::free(memory);
}
}  // namespace

void* operator new(std::size_t size) {
  return Allocate(size);
}
void* operator new[](std::size_t size) {
  return Allocate(size);
}
void operator delete(void* memory) noexcept {
  Release(memory);
}
void operator delete[](void* memory) noexcept {
  Release(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
  Release(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
  Release(memory);
}

namespace valdren {
namespace {

constexpr int kBigNation = 1;
constexpr int kTemplatesPerEchelon = 100;
constexpr int kGroups = 3;
constexpr int kChoices = 3;
constexpr CatalogDate kSummer41{6, 41};
constexpr CatalogDate kSummer42{6, 42};

// The big nation: platoons, then for each echelon from company to army a hundred templates of
// three groups of three alternatives taken from the echelon below, so that every template is
// shared by many above it. One group of each template exists only until 1941 and one only from
// 1942 on, so the two dates give different breakdowns; a few templates lack their subunits in
// 1942. Five more nations, smaller, make the rest of the database.
class SyntheticDatabase {
 public:
  SyntheticDatabase() {
    std::uint32_t serial = 0;
    for (int nation : {0, kBigNation, 2, 9, 10, 19}) {
      const int perEchelon = nation == kBigNation ? kTemplatesPerEchelon : 10;
      std::vector<const UnitTemplate*> below;
      for (int i = 0; i < perEchelon; ++i) {
        auto platoon = std::make_unique<PlatoonTemplate>();
        platoon->reference =
            static_cast<std::uint32_t>(nation * 1000 + (i % 3 == 0 ? 400 : 100) + i % 100);
        platoon->name = String("Rifle Platoon " + std::to_string(i));
        platoon->catalogValue = i;
        below.push_back(Add(std::move(platoon)));
      }
      for (int echelon = 1; echelon <= 7; ++echelon) {
        std::vector<const UnitTemplate*> made;
        for (int i = 0; i < perEchelon; ++i, ++serial) {
          auto org = std::make_unique<OrgTemplate>(echelon);
          org->reference = static_cast<std::uint32_t>(nation * 100000 + serial % 100000);
          org->name = String("Formation " + std::to_string(echelon) + "-" + std::to_string(i));
          for (int g = 0; g < kGroups; ++g) {
            SubunitGroup group;
            group.name = String("Group " + std::to_string(g));
            if (g == 1) group.endYear = 41;    // gone after 1941
            if (g == 2) group.startYear = 42;  // there from 1942
            for (int c = 0; c < kChoices; ++c) {
              const auto* choice = below[(i * 7 + g * 3 + c * 11) % below.size()];
              group.choices.push_back({choice, c == 0 ? 100 : 35});
            }
            if (echelon == 7 && i % 25 == 0 && g == 2) group.choices = {};  // a data error
            org->groups.push_back(std::move(group));
          }
          made.push_back(Add(std::move(org)));
        }
        below = std::move(made);
      }
    }
  }

  const OobDatabase& Database() const { return database_; }

  // The rows of the nation's complete breakdown at the date, counted, not made.
  std::uint64_t BreakdownRows(int nation, CatalogDate date) const {
    std::unordered_map<const UnitTemplate*, std::uint64_t> below;
    std::uint64_t rows = 0;
    for (const auto& node : database_.Templates()) {
      const UnitTemplate& unit = *node.item;
      if (NationOf(unit) == nation && unit.InDateRange(date.month, date.year) &&
          ListedInCatalog(unit))
        rows += 1 + RowsBelow(unit, date, below);
    }
    return rows;
  }

 private:
  const UnitTemplate* Add(std::unique_ptr<UnitTemplate> unit) {
    const UnitTemplate* const added = unit.get();
    database_.Append(std::move(unit));
    return added;
  }

  // Templates only name templates of the echelon below, so the recursion is at most seven deep.
  static std::uint64_t RowsBelow(const UnitTemplate& unit, CatalogDate date,
                                 std::unordered_map<const UnitTemplate*, std::uint64_t>& known) {
    if (const auto found = known.find(&unit); found != known.end()) return found->second;
    std::uint64_t rows = 0;
    if (const OrgTemplate* org = AsOrg(&unit))
      for (const SubunitGroup& group : org->groups) {
        if (!group.InDateRange(date.month, date.year)) continue;
        ++rows;
        for (const SubunitChoice& choice : group.choices)
          if (choice.item->InDateRange(date.month, date.year))
            rows += 1 + RowsBelow(*choice.item, date, known);
      }
    known.emplace(&unit, rows);
    return rows;
  }

  OobDatabase database_;
};

const SyntheticDatabase& Data() {
  static const SyntheticDatabase data;
  return data;
}

class CountedMessages : public CatalogMessages {
 public:
  void Show(std::string_view, std::string_view) override { ++count; }
  std::int64_t count = 0;
};

// What a view shows of an expanded nation: its eight echelon groups and the templates in them.
std::size_t ListTwoLevels(const CatalogModel& model, int nation) {
  std::size_t bytes = 0;
  const CatalogRow nationRow = model.NationRow(nation);
  for (int e = 0; e < model.ChildCount(nationRow); ++e) {
    const CatalogRow group = model.Child(nationRow, e);
    bytes += model.Text(group).Length();
    for (int t = 0; t < model.ChildCount(group); ++t) {
      const CatalogRow row = model.Child(group, t);
      bytes += model.Text(row).Length() + static_cast<std::size_t>(model.Image(row)) +
               static_cast<std::size_t>(model.ChildCount(row) > 0);
      benchmark::DoNotOptimize(model.Template(row));
    }
  }
  return bytes;
}

void Report(benchmark::State& state, std::int64_t extraPeak, std::int64_t messages,
            CatalogDate date) {
  state.counters["peakMB"] = static_cast<double>(extraPeak) / (1024.0 * 1024.0);
  state.counters["messages"] = static_cast<double>(messages);
  state.counters["breakdownRows"] = static_cast<double>(Data().BreakdownRows(kBigNation, date));
}

void BM_ExpandNationAndListTwoLevels(benchmark::State& state) {
  const OobDatabase& database = Data().Database();
  std::int64_t extraPeak = 0;
  CountedMessages messages;
  for (auto _ : state) {
    const std::int64_t before = liveBytes.load();
    peakBytes = before;
    CatalogModel model(database, messages);
    model.OnCatalogExpanding(model.NationRow(kBigNation), true);
    benchmark::DoNotOptimize(ListTwoLevels(model, kBigNation));
    extraPeak = std::max(extraPeak, peakBytes.load() - before);
  }
  Report(state, extraPeak, messages.count / state.iterations(), kSummer41);
}
BENCHMARK(BM_ExpandNationAndListTwoLevels)->Unit(benchmark::kMillisecond);

void BM_ChangeDateWithTheNationExpanded(benchmark::State& state) {
  CountedMessages messages;
  CatalogModel model(Data().Database(), messages);
  model.OnCatalogExpanding(model.NationRow(kBigNation), true);
  ListTwoLevels(model, kBigNation);
  messages.count = 0;
  std::int64_t extraPeak = 0;
  bool later = false;
  for (auto _ : state) {
    later = !later;
    const std::int64_t before = liveBytes.load();
    peakBytes = before;
    model.SetFilterDate(later ? kSummer42 : kSummer41);
    benchmark::DoNotOptimize(ListTwoLevels(model, kBigNation));
    extraPeak = std::max(extraPeak, peakBytes.load() - before);
  }
  Report(state, extraPeak, messages.count / state.iterations(), kSummer42);
}
BENCHMARK(BM_ChangeDateWithTheNationExpanded)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace valdren
