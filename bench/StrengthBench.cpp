// The strength of a whole organization of about a million items: one walk over the items and
// one lookup per distinct template, so the time per item stays flat as the organization grows.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "oob/OobDatabase.h"
#include "oob/PlatoonTemplate.h"
#include "org/OrgRoot.h"
#include "org/Strength.h"

namespace valdren {
namespace {

constexpr int kNations[] = {0, 1, 2, 9};
constexpr int kKinds = 40;  // platoon templates per nation: categories 1, 2 and 6, and leaders

std::uint32_t PlatoonReference(int nation, int kind) {
  constexpr int kCategories[] = {1, 2, 6, 4};
  return static_cast<std::uint32_t>(nation * 1000 + kCategories[kind % 4] * 100 + kind / 4);
}

void AddPlatoons(OobDatabase& database) {
  for (const int nation : kNations) {
    for (int kind = 0; kind < kKinds; ++kind) {
      auto platoon = std::make_unique<PlatoonTemplate>();
      platoon->reference = PlatoonReference(nation, kind);
      platoon->name = "Platoon";
      platoon->catalogValue = 10 + kind;
      database.Append(std::move(platoon));
    }
  }
}

OrgItem& Add(OrgGroup* parent, OrgRoot& root, int echelon, std::uint32_t reference, int morale) {
  std::unique_ptr<OrgItem> item = MakeOrgItem(echelon, parent);
  item->reference = reference;
  item->morale = morale;
  OrgItem& added = *item;
  (parent ? parent->children : root.items).Append(std::move(item));
  return added;
}

// Divisions of the four nations in turn, each of three regiments of three battalions of four
// companies of a leader and four platoons of varying templates, until the count is reached.
void BuildOrganization(OrgRoot& root, std::int64_t count) {
  std::int64_t items = 0;
  for (int division = 0; items < count; ++division) {
    const int nation = kNations[division % 4];
    const auto org = static_cast<std::uint32_t>(nation * 100000 + 1);
    OrgGroup* const d = Add(nullptr, root, 5, org, 7).AsGroup();
    ++items;
    for (int r = 0; r < 3; ++r) {
      OrgGroup* const regiment = Add(d, root, 3, org, 6).AsGroup();
      Add(regiment, root, 0, PlatoonReference(nation, 3), 6);  // a leader
      items += 2;
      for (int b = 0; b < 3; ++b) {
        OrgGroup* const battalion = Add(regiment, root, 2, org, 6).AsGroup();
        ++items;
        for (int c = 0; c < 4; ++c) {
          OrgGroup* const company = Add(battalion, root, 1, org, 5 + c).AsGroup();
          Add(company, root, 0, PlatoonReference(nation, 7 + 4 * c), 6);
          for (int p = 0; p < 4; ++p)
            Add(company, root, 0, PlatoonReference(nation, (division + b * 4 + c + p) % kKinds), 6);
          items += 6;
        }
      }
    }
  }
}

void BM_StrengthOfTheOrganization(benchmark::State& state) {
  OobDatabase database;
  AddPlatoons(database);
  OrgRoot root;
  BuildOrganization(root, state.range(0));
  std::int64_t items = 0;
  for (auto _ : state) {
    const Strength strength = StrengthOf(root, database);
    items = strength.ItemCount();
    benchmark::DoNotOptimize(strength.value);
  }
  state.SetItemsProcessed(items * state.iterations());
  state.counters["items"] = static_cast<double>(items);
}

BENCHMARK(BM_StrengthOfTheOrganization)
    ->RangeMultiplier(10)
    ->Range(10000, 1000000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace valdren
