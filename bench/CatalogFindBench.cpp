// Finding templates by a part of their name in the catalog of the synthetic folder of 100,000
// templates: a find bar searches again at every key, so a search must answer in well under 20 ms,
// whether it finds most templates, some or none. Nothing is filled to search.
#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>
#include <string_view>

#include "catalog/CatalogMessages.h"
#include "catalog/CatalogModel.h"
#include "oob/ErrorLog.h"
#include "oob/OobDatabase.h"
#include "support/GameFolder.h"
#include "support/SyntheticGameFolder.h"

namespace valdren {
namespace {

class IgnoredMessages : public CatalogMessages {
 public:
  void Show(std::string_view, std::string_view) override {}
};

// Loaded once for every search. 1943 is inside every date range the generator writes, so the
// catalog lists the most templates then.
CatalogModel& Catalog() {
  static const auto database = [] {
    static test::GameFolder folder;
    bench::WriteSyntheticGameFolder(folder.Path(), bench::ShapeOfSize(100000));
    auto loaded = std::make_unique<OobDatabase>();
    std::ostringstream warnings;
    ErrorLog log(warnings);
    loaded->LoadDatabase(folder.Path(), log);
    return loaded;
  }();
  static IgnoredMessages messages;
  static CatalogModel model(*database, messages);
  model.SetFilterDate({6, 43});
  return model;
}

void BM_FindInCatalog(benchmark::State& state, std::string_view text) {
  const CatalogModel& model = Catalog();
  std::size_t matches = 0;
  for (auto _ : state) {
    matches = model.FindTemplates(text).size();
    benchmark::DoNotOptimize(matches);
  }
  state.counters["matches"] = static_cast<double>(matches);
}
BENCHMARK_CAPTURE(BM_FindInCatalog, most, std::string_view("r"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindInCatalog, some, std::string_view("INFANTRY"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindInCatalog, none, std::string_view("Panzer"))
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace valdren
