// Charts of 100,000 boxes: the tidy tree's layout alone, on a tree of random shape, and the
// whole chart of an organization of that many groups (the boxes sized, counted, laid out and
// written as SVG). The layout is linear in the boxes, so its time per box stays flat.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include "chart/Chart.h"
#include "chart/ChartSvg.h"
#include "chart/TidyTree.h"
#include "oob/OobDatabase.h"
#include "org/OrgRoot.h"

namespace valdren {
namespace {

// In pre-order: each node's parent is one of the last few on the path down to the one before.
void BM_TidyLayout(benchmark::State& state) {
  const auto count = static_cast<int>(state.range(0));
  std::mt19937 random(7);
  std::vector<int> parents{-1};
  std::vector<double> widths{150};
  std::vector<int> path{0};
  for (int i = 1; i < count; ++i) {
    path.resize(path.size() - random() % std::min<std::size_t>(path.size(), 4));
    parents.push_back(path.back());
    widths.push_back(100 + static_cast<double>(random() % 150));
    path.push_back(i);
  }
  for (auto _ : state)
    benchmark::DoNotOptimize(TidyLayout(parents, widths, 12));
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_TidyLayout)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

OrgItem& Add(OrgGroup* parent, OrgRoot& root, int echelon, std::uint32_t reference) {
  std::unique_ptr<OrgItem> item = MakeOrgItem(echelon, parent);
  item->reference = reference;
  item->name = "Unit";
  OrgItem& added = *item;
  (parent ? parent->children : root.items).Append(std::move(item));
  return added;
}

// Divisions of three regiments of three battalions of three companies, each group with a leader
// and each company with three platoons, until the groups reach the count: all of them boxes.
std::int64_t BuildOrganization(OrgRoot& root, std::int64_t count) {
  std::int64_t groups = 0;
  const auto group = [&](OrgGroup* parent, int echelon) {
    OrgGroup* added =
        Add(parent, root, echelon, 100000 + static_cast<std::uint32_t>(echelon)).AsGroup();
    Add(added, root, 0, 1403);
    ++groups;
    return added;
  };
  while (groups < count) {
    OrgGroup* division = group(nullptr, 5);
    for (int r = 0; r < 3; ++r) {
      OrgGroup* regiment = group(division, 3);
      for (int b = 0; b < 3; ++b) {
        OrgGroup* battalion = group(regiment, 2);
        for (int c = 0; c < 3; ++c) {
          OrgGroup* company = group(battalion, 1);
          for (int p = 0; p < 3; ++p)
            Add(company, root, 0, 1101);
        }
      }
    }
  }
  return groups;
}

// The boxes made, sized, counted and placed.
void BM_MakeChart(benchmark::State& state) {
  OrgRoot root;
  const std::int64_t groups = BuildOrganization(root, state.range(0));
  const OobDatabase database;
  for (auto _ : state)
    benchmark::DoNotOptimize(MakeChart(root, database, 9));
  state.SetItemsProcessed(state.iterations() * groups);
}
BENCHMARK(BM_MakeChart)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ChartSvg(benchmark::State& state) {
  OrgRoot root;
  const std::int64_t groups = BuildOrganization(root, state.range(0));
  const Chart chart = MakeChart(root, OobDatabase(), 9);
  for (auto _ : state)
    benchmark::DoNotOptimize(ChartSvg(chart));
  state.SetItemsProcessed(state.iterations() * groups);
}
BENCHMARK(BM_ChartSvg)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace valdren
