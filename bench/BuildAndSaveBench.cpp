// `valdren build` of an army of about 117,000 items from the synthetic database of a hundred
// thousand templates whose choices are scattered over their echelons (every template the builder
// visits misses the caches), saved as the tool saves it: items per second, the goal being three
// million for the build and the save together. The two halves are also measured apart, to tell
// which one bounds the whole.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <sstream>

#include "builder/Builder.h"
#include "oob/ErrorLog.h"
#include "oob/NameLists.h"
#include "oob/OobDatabase.h"
#include "org/OrgFile.h"
#include "org/OrgRoot.h"
#include "support/GameFolder.h"
#include "support/SyntheticGameFolder.h"

namespace valdren {
namespace {

// The database the tool's measurements use (synthetic-folder DIR 100000 scattered), loaded once.
struct ScatteredDatabase {
  ScatteredDatabase() {
    bench::SyntheticShape shape = bench::ShapeOfSize(100000);
    shape.scatteredChoices = true;
    bench::WriteSyntheticGameFolder(folder.Path(), shape);
    std::ostringstream warnings;
    ErrorLog log(warnings);
    database.LoadDatabase(folder.Path(), log);
  }
  test::GameFolder folder;
  OobDatabase database;
  NameLists names;  // the synthetic folder has no name lists
};

const ScatteredDatabase& Database() {
  static const ScatteredDatabase loaded;
  return loaded;
}

// The army A21 at 6/43 with seed 7, as `valdren build A21 --date 6/43 --seed 7` makes it.
std::unique_ptr<OrgRoot> BuildArmy(const ScatteredDatabase& data) {
  auto root = std::make_unique<OrgRoot>();
  root->month = 6;
  root->year = 43;
  BuilderState run(7);
  Builder builder(run, data.names, root->month, root->year);
  const UnitTemplate& army = *data.database.Find(kArmy, 21);
  AddToOrganization(*root, builder.Instantiate(army, "", nullptr, std::nullopt), army.Morale());
  return root;
}

void Report(benchmark::State& state, int items) {
  state.SetItemsProcessed(std::int64_t{items} * state.iterations());
  state.counters["items"] = items;
}

void BM_BuildArmy(benchmark::State& state) {
  int items = 0;
  for (auto _ : state) {
    std::unique_ptr<OrgRoot> root = BuildArmy(Database());
    state.PauseTiming();
    items = root->nextId;
    root.reset();  // freeing the tree is measured with the whole
    state.ResumeTiming();
  }
  Report(state, items);
}

void BM_SaveArmy(benchmark::State& state) {
  const ScatteredDatabase& data = Database();
  const std::unique_ptr<OrgRoot> root = BuildArmy(data);
  for (auto _ : state) {
    if (SaveOrganization(*root, data.folder.Path() / "army.org") != OrgFileStatus::kDone)
      state.SkipWithError("the army could not be saved");
  }
  Report(state, root->nextId);
}

// What the tool does after the load, freeing the tree at the end included.
void BM_BuildAndSaveArmy(benchmark::State& state) {
  const ScatteredDatabase& data = Database();
  int items = 0;
  for (auto _ : state) {
    const std::unique_ptr<OrgRoot> root = BuildArmy(data);
    if (SaveOrganization(*root, data.folder.Path() / "army.org") != OrgFileStatus::kDone)
      state.SkipWithError("the army could not be saved");
    items = root->nextId;
  }
  Report(state, items);
}

BENCHMARK(BM_BuildArmy)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SaveArmy)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BuildAndSaveArmy)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace valdren
