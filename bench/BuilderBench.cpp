// Instantiating a synthetic army with automatic choices: items made per second, and the memory
// the finished tree holds per item, for armies of about ten thousand and a hundred thousand items.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>
#include <optional>

#include "builder/Builder.h"
#include "oob/NameLists.h"
#include "oob/OobDatabase.h"
#include "oob/OrgTemplate.h"

// Every allocation of the program is counted with the size the allocator gave it, so the bytes
// still held after a build are what the built tree occupies.
namespace {
std::atomic<std::int64_t> liveBytes{0};
}  // namespace

void* operator new(std::size_t size) {
  void* const block = std::malloc(size ? size : 1);
  if (!block) throw std::bad_alloc();
  liveBytes += static_cast<std::int64_t>(malloc_usable_size(block));
  return block;
}
void operator delete(void* block) noexcept {
  if (!block) return;
  liveBytes -= static_cast<std::int64_t>(malloc_usable_size(block));
  std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
  operator delete(block);
}

namespace valdren {
namespace {

constexpr int kGermany = 1;

class Army {
 public:
  // An army of the given number of corps; each corps holds 1074 items: four divisions of three
  // regiments of three battalions of four companies, with leaders, artillery and choices.
  explicit Army(int corps) {
    const UnitTemplate& rifles = Platoon(1101, "Schuetzenzug");
    const UnitTemplate& guns = Platoon(1102, "MG-Zug");
    const UnitTemplate& leader = Platoon(1403, "Fuehrer");
    OrgTemplate& company = Org(kCompany, 110001, "Kompanie");
    Group(company, "Oblt", {{&leader, 100}});
    for (int i = 0; i < 3; ++i)
      Group(company, "# Zug", {{&rifles, 70}, {&guns, 30}});
    Group(company, "MG-Zug (s)", {{&guns, 100}});
    OrgTemplate& battalion = Org(kBattalion, 120001, "Bataillon");
    Group(battalion, "Maj", {{&leader, 100}});
    for (int i = 0; i < 4; ++i)
      Group(battalion, "$(1-12). Kompanie", {{&company, 100}});
    OrgTemplate& regiment = Org(kRegiment, 130001, "Regiment");
    Group(regiment, "Oberst", {{&leader, 100}});
    for (int i = 0; i < 3; ++i)
      Group(regiment, "@ Bataillon", {{&battalion, 100}});
    OrgTemplate& division = Org(kDivision, 150001, "Division");
    Group(division, "Genmaj", {{&leader, 100}});
    for (int i = 0; i < 3; ++i)
      Group(division, "&", {{&regiment, 100}});
    Group(division, "Artillerie", {{&battalion, 50}, {&battalion, 50}});
    OrgTemplate& corpsTemplate = Org(kCorps, 160001, "Korps");
    Group(corpsTemplate, "Gen", {{&leader, 100}});
    for (int i = 0; i < 4; ++i)
      Group(corpsTemplate, "$(1-999). Division", {{&division, 100}});
    OrgTemplate& army = Org(kArmy, 170001, "& Armee");
    Group(army, "Genoberst", {{&leader, 100}});
    for (int i = 0; i < corps; ++i)
      Group(army, "@ Korps", {{&corpsTemplate, 100}});
    top_ = &army;

    names.leaderNames[kGermany] = {"Brandt", "Kessler", "Wolter", "Diehl", "Stegmann"};
    names.unitNames[kGermany][kRegiment] = {"Infanterie-Regiment 15", "Infanterie-Regiment 47"};
    names.unitNames[kGermany][kArmy] = {"6."};
  }

  const OrgTemplate& Top() const { return *top_; }
  NameLists names;

 private:
  const UnitTemplate& Platoon(std::uint32_t reference, const char* name) {
    auto unit = std::make_unique<UnitTemplate>(kPlatoon);
    unit->reference = reference;
    unit->name = name;
    const UnitTemplate& made = *unit;
    database_.Append(std::move(unit));
    return made;
  }
  OrgTemplate& Org(int echelon, std::uint32_t reference, const char* name) {
    auto unit = std::make_unique<OrgTemplate>(echelon);
    unit->reference = reference;
    unit->name = name;
    OrgTemplate& made = *unit;
    database_.Append(std::move(unit));
    return made;
  }
  static void Group(OrgTemplate& owner, const char* name,
                    std::initializer_list<std::pair<const UnitTemplate*, int>> choices) {
    SubunitGroup& group = owner.groups.emplace_back();
    group.name = name;
    for (const auto& [unit, probability] : choices)
      group.choices.push_back({unit, probability});
  }

  OobDatabase database_;
  const OrgTemplate* top_ = nullptr;
};

std::int64_t CountItems(const OrgItem& item) {
  std::int64_t count = 1;
  if (const OrgGroup* group = item.AsGroup())
    for (const auto& node : group->children)
      count += CountItems(*node.item);
  return count;
}

void BM_InstantiateArmy(benchmark::State& state) {
  const Army army(static_cast<int>(state.range(0)));
  std::int64_t items = 0;
  std::int64_t bytes = 0;
  std::uint32_t seed = 1;
  for (auto _ : state) {
    state.PauseTiming();
    // A fresh run each time, so every build starts with no numbers issued.
    std::optional<BuilderState> run(std::in_place, seed++);
    const std::int64_t before = liveBytes;
    state.ResumeTiming();
    Builder builder(*run, army.names, 6, 41);
    std::unique_ptr<OrgItem> item = builder.Instantiate(army.Top(), "", nullptr, std::nullopt);
    state.PauseTiming();
    items = CountItems(*item);
    bytes = liveBytes - before;  // the tree and the issued numbers
    item.reset();
    run.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(items * state.iterations());
  state.counters["items"] = static_cast<double>(items);
  state.counters["bytes_per_item"] = static_cast<double>(bytes) / static_cast<double>(items);
}

BENCHMARK(BM_InstantiateArmy)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace valdren
