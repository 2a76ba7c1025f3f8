// Loading a whole game database of ten thousand and of a hundred thousand templates: the loader
// should read at least 50 MB of database text a second, and the cost per byte should not grow
// with the size of the database. Each size is measured with choices near their records, as the
// game's files have them, and scattered over their whole echelon, where every lookup of the
// larger database misses the caches.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <utility>

#include "oob/ErrorLog.h"
#include "oob/OobDatabase.h"
#include "support/GameFolder.h"
#include "support/SyntheticGameFolder.h"

namespace valdren {
namespace {

struct GeneratedFolder {
  test::GameFolder folder;
  bench::SyntheticShape shape;
  std::uintmax_t bytes = 0;
  int templates = 0;
};

// Each folder is written once and kept for every run of it.
const GeneratedFolder& FolderOf(int templates, bool scattered) {
  static std::map<std::pair<int, bool>, std::unique_ptr<GeneratedFolder>> folders;
  std::unique_ptr<GeneratedFolder>& generated = folders[{templates, scattered}];
  if (!generated) {
    generated = std::make_unique<GeneratedFolder>();
    generated->shape = bench::ShapeOfSize(templates);
    generated->shape.scatteredChoices = scattered;
    generated->bytes = bench::WriteSyntheticGameFolder(generated->folder.Path(), generated->shape);
    for (const int count : generated->shape.templates)
      generated->templates += count;
  }
  return *generated;
}

// A benchmark of a database that does not load as generated would measure the wrong thing.
std::string Problem(const GeneratedFolder& generated) {
  OobDatabase database;
  std::ostringstream warnings;
  ErrorLog log(warnings);
  if (const ErrorText error = database.LoadDatabase(generated.folder.Path(), log)) return *error;
  if (log.Entries() != 0) return "the load logged warnings: " + warnings.str().substr(0, 500);
  for (int echelon = 0; echelon < kEchelonCount; ++echelon) {
    if (database.Count(echelon) != static_cast<std::size_t>(generated.shape.templates[echelon]))
      return "echelon " + std::to_string(echelon) + " loaded " +
             std::to_string(database.Count(echelon)) + " templates";
  }
  return {};
}

void BM_LoadDatabase(benchmark::State& state) {
  const GeneratedFolder& generated =
      FolderOf(static_cast<int>(state.range(0)), state.range(1) != 0);
  if (const std::string problem = Problem(generated); !problem.empty()) {
    state.SkipWithError(problem.c_str());
    return;
  }
  std::ostringstream warnings;
  ErrorLog log(warnings);
  for (auto _ : state) {
    auto database = std::make_unique<OobDatabase>();
    ErrorText error = database->LoadDatabase(generated.folder.Path(), log);
    benchmark::DoNotOptimize(error);
    // Freeing the templates is not part of loading them.
    state.PauseTiming();
    database.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(generated.bytes) * state.iterations());
  state.counters["templates"] = benchmark::Counter(
      static_cast<double>(generated.templates) * static_cast<double>(state.iterations()),
      benchmark::Counter::kIsRate);
  state.counters["folder_MB"] = static_cast<double>(generated.bytes) / 1e6;
}
BENCHMARK(BM_LoadDatabase)
    ->ArgNames({"templates", "scattered"})
    ->ArgsProduct({{10'000, 100'000}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace valdren
