#include <benchmark/benchmark.h>

#include <QApplication>

#include "support/GameFolder.h"

// The editor's benchmarks run the window on Qt's offscreen platform; what it keeps for a user
// (recovery files) goes to a folder of the run's own.
int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  const valdren::test::GameFolder home;
  qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home.Path().string()));
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(home.Path().string()));
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
