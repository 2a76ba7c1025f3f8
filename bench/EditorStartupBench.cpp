// The editor's start-up, from constructing the main window (which loads the database, the name
// lists and the catalog's skeleton) to the window shown: on the demo folder it should take under
// 0.5 s, on a synthetic folder of 100,000 templates under 1.5 s, the load being most of it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <memory>

#include "app/MainFrame.h"
#include "editor/NoQuestions.h"
#include "support/GameFolder.h"
#include "support/SyntheticGameFolder.h"

namespace valdren {
namespace {

void StartUp(benchmark::State& state, const std::filesystem::path& folder) {
  bench::NoQuestions prompter;
  for (auto _ : state) {
    auto window = std::make_unique<MainFrame>(std::string(), folder, prompter);
    window->show();
    QApplication::processEvents();
    state.PauseTiming();
    window.reset();
    state.ResumeTiming();
  }
}

void BM_StartUpDemo(benchmark::State& state) {
  static test::GameFolder folder;
  static const bool copied = [] {
    std::filesystem::copy(VALDREN_DEMO, folder.Path(), std::filesystem::copy_options::recursive);
    return true;
  }();
  benchmark::DoNotOptimize(copied);
  StartUp(state, folder.Path());
}
BENCHMARK(BM_StartUpDemo)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_StartUpSynthetic100k(benchmark::State& state) {
  static test::GameFolder folder;
  static const std::uintmax_t bytes =
      bench::WriteSyntheticGameFolder(folder.Path(), bench::ShapeOfSize(100000));
  state.counters["database_MB"] = static_cast<double>(bytes) / 1e6;
  StartUp(state, folder.Path());
}
BENCHMARK(BM_StartUpSynthetic100k)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

}  // namespace
}  // namespace valdren
