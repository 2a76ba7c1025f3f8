// Writing a synthetic game folder, the setup of the database benchmarks, on shapes at the edges
// of the generator: no brigades (their choices fall back to battalions), three choices to share
// 100 percent, one nation past a thousand platoons, every date range, comments everywhere, plain
// and numbered files. Each folder is first checked to load without an error or a warning and to
// give every template its own reference, or the benchmarks fed by it would measure an early stop.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>

#include "oob/ErrorLog.h"
#include "oob/OobDatabase.h"
#include "support/GameFolder.h"
#include "support/SyntheticGameFolder.h"

namespace valdren {
namespace {

bench::SyntheticShape EdgeShape(int filesPerEchelon) {
  bench::SyntheticShape shape;
  shape.templates = {1500, 30, 20, 0, 6, 5, 3, 2};
  shape.groupsPerTemplate = 5;
  shape.choicesPerGroup = 3;
  shape.nations = 1;
  shape.dateRanges = 4;
  shape.commentEvery = 2;
  shape.filesPerEchelon = filesPerEchelon;
  return shape;
}

// What is wrong with the folder written for the shape, or the empty text.
std::string Problem(const bench::SyntheticShape& shape) {
  const test::GameFolder folder;
  std::uintmax_t bytes = bench::WriteSyntheticGameFolder(folder.Path(), shape);
  for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
    bytes -= entry.file_size();
  if (bytes != 0) return "the bytes counted are not the bytes of the files written";
  OobDatabase database;
  std::ostringstream warnings;
  ErrorLog log(warnings);
  if (const ErrorText error = database.LoadDatabase(folder.Path(), log)) return *error;
  if (log.Entries() != 0) return "the load logged warnings: " + warnings.str().substr(0, 500);
  for (int echelon = 0; echelon < kEchelonCount; ++echelon) {
    if (database.Count(echelon) != static_cast<std::size_t>(shape.templates[echelon]))
      return "echelon " + std::to_string(echelon) + " loaded " +
             std::to_string(database.Count(echelon)) + " templates";
  }
  for (const auto& node : database.Templates()) {
    if (database.Find(node.item->echelon, node.item->reference) != node.item)
      return "reference " + std::to_string(node.item->reference) + " was written twice";
  }
  return {};
}

void BM_WriteSyntheticGameFolder(benchmark::State& state) {
  const bench::SyntheticShape shape = EdgeShape(static_cast<int>(state.range(0)));
  if (const std::string problem = Problem(shape); !problem.empty()) {
    state.SkipWithError(problem.c_str());
    return;
  }
  const test::GameFolder folder;
  std::uintmax_t bytes = 0;
  for (auto _ : state)
    bytes = bench::WriteSyntheticGameFolder(folder.Path(), shape);
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes) * state.iterations());
}
BENCHMARK(BM_WriteSyntheticGameFolder)
    ->ArgName("filesPerEchelon")
    ->Arg(1)
    ->Arg(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace valdren
