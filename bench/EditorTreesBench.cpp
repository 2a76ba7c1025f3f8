// The editor's trees on large data, offscreen, the window shown at 1280 x 800:
// - expanding the largest nation of the synthetic 100,000-template folder and showing its first
//   screen: under 50 ms and 50 MB;
// - opening an organization of 1,000,000 items and showing it: under 2 s, in no more than twice
//   the memory the organization takes without the window;
// - an editing command on an item of it: under 50 ms;
// - an automatic build of the folder's largest army shown in under 1 s, undone and redone in
//   under 0.2 s each;
// - the copy of the million items kept for a crash: under 0.3 s of the window's thread;
// - a date change that changes the mark of every platoon of the million items, with the Check
//   Dates window listing them, and an editing command with the window open: under 50 ms each.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <QAction>
#include <QApplication>
#include <QTableView>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <utility>

#include "app/Commands.h"
#include "app/CreatedTree.h"
#include "app/DatesWindow.h"
#include "app/FindBar.h"
#include "app/MainFrame.h"
#include "app/RecoveryFile.h"
#include "app/TreeFind.h"
#include "app/TreeView.h"
#include "editor/NoQuestions.h"
#include "oob/ErrorLog.h"
#include "oob/Nations.h"
#include "oob/UnitTemplate.h"
#include "org/OrgFile.h"
#include "org/OrgGroup.h"
#include "support/GameFolder.h"
#include "support/SyntheticGameFolder.h"

namespace valdren {
namespace {

// The heap memory the process holds, in bytes.
double HeapBytes() {
  const struct mallinfo2 info = mallinfo2();
  return static_cast<double>(info.uordblks + info.hblkhd);
}

const std::filesystem::path& Folder() {
  static test::GameFolder folder;
  static const bool written = [] {
    bench::WriteSyntheticGameFolder(folder.Path(), bench::ShapeOfSize(100000));
    return true;
  }();
  benchmark::DoNotOptimize(written);
  return folder.Path();
}

std::unique_ptr<MainFrame> ShownWindow(bench::NoQuestions& prompter) {
  auto window = std::make_unique<MainFrame>(std::string(), Folder(), prompter);
  window->resize(1280, 800);
  window->show();
  QApplication::processEvents();
  return window;
}

// The catalog row of a nation, counted among the root's children.
QModelIndex NationIndex(MainFrame& window, int nation) {
  const QAbstractItemModel* model = window.Catalog().Tree()->model();
  const QModelIndex root = model->index(0, 0);
  for (int row = 0; row < model->rowCount(root); ++row)
    if (model->index(row, 0, root).data().toString() ==
        QString::fromLatin1(NationName(nation).data()))
      return model->index(row, 0, root);
  return {};
}

int LargestNation(const OobDatabase& database) {
  std::array<int, kNationCount> counts{};
  for (const auto& node : database.Templates()) {
    const int nation = NationOf(*node.item);
    if (nation >= 0 && nation < kNationCount) ++counts[nation];
  }
  return static_cast<int>(std::max_element(counts.begin(), counts.end()) - counts.begin());
}

void BM_ExpandLargestNation(benchmark::State& state) {
  bench::NoQuestions prompter;
  double extra = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto window = ShownWindow(prompter);
    const QModelIndex nation = NationIndex(*window, LargestNation(window->Database()));
    const double before = HeapBytes();
    state.ResumeTiming();
    window->Catalog().Tree()->expand(nation);
    window->Catalog().Tree()->scrollTo(nation, QAbstractItemView::PositionAtTop);
    QApplication::processEvents();
    state.PauseTiming();
    extra = std::max(extra, HeapBytes() - before);
    window.reset();
    state.ResumeTiming();
  }
  state.counters["extraMB"] = extra / 1e6;
}
BENCHMARK(BM_ExpandLargestNation)->Unit(benchmark::kMillisecond)->Iterations(5);

// 100,000 companies of nine platoons each at the top level: 1,000,000 items, every platoon with
// a template of the folder, so every one has its unit line.
const std::filesystem::path& MillionItems() {
  static test::GameFolder folder;
  static const std::filesystem::path file = folder.Path() / "million.org";
  static const bool written = [] {
    OobDatabase database;
    std::ostringstream warnings;
    ErrorLog log(warnings);
    database.LoadDatabase(Folder(), log);
    const UnitTemplate* platoon = database.Templates().First()->item;
    OrgRoot root;
    for (int company = 0; company < 100000; ++company) {
      auto group = MakeOrgItem(1, nullptr);
      group->reference = 100001;
      group->name = String("Company " + std::to_string(company));
      for (int i = 0; i < 9; ++i) {
        auto item = MakeOrgItem(0, group->AsGroup());
        item->reference = platoon->reference;
        item->name = String(std::to_string(i + 1) + ". Zug");
        group->AsGroup()->children.Append(std::move(item));
      }
      root.Number(*group);
      root.items.Append(std::move(group));
    }
    return SaveOrganization(root, file) == OrgFileStatus::kDone;
  }();
  if (!written) std::abort();
  return file;
}

void BM_OpenMillionItems(benchmark::State& state) {
  bench::NoQuestions prompter;
  prompter.file = MillionItems();
  double windowBytes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto window = ShownWindow(prompter);
    const double before = HeapBytes();
    state.ResumeTiming();
    window->OnFileOpen();
    QApplication::processEvents();
    state.PauseTiming();
    windowBytes = HeapBytes() - before;
    window.reset();
    state.ResumeTiming();
  }
  const double before = HeapBytes();
  {
    OrgRoot bare;
    LoadOrganization(bare, MillionItems());
    state.counters["coreMB"] = (HeapBytes() - before) / 1e6;
  }
  state.counters["windowMB"] = windowBytes / 1e6;
}
BENCHMARK(BM_OpenMillionItems)->Unit(benchmark::kMillisecond)->Iterations(3);

// A window with the million items open, kept from the first benchmark that asks for it.
MainFrame& MillionItemWindow() {
  static bench::NoQuestions prompter;
  prompter.file = MillionItems();
  prompter.answer = MessageAnswer::kOk;  // the deletion's question
  static std::unique_ptr<MainFrame> window = [] {
    auto shown = ShownWindow(prompter);
    shown->OnFileOpen();
    return shown;
  }();
  return *window;
}

// Each editing command on the last company of the million items, done and undone.
void BM_EditInMillionItems(benchmark::State& state) {
  MainFrame* window = &MillionItemWindow();
  const int command = static_cast<int>(state.range(0));
  TreeView* tree = window->Created();
  const QModelIndex root = tree->model()->index(0, 0);
  for (auto _ : state) {
    const int last = tree->model()->rowCount(root) - 1;
    tree->setCurrentIndex(tree->model()->index(last, 0, root));
    window->Commands().Action(command)->trigger();
    QApplication::processEvents();
    window->Editing().Undo();
    QApplication::processEvents();
  }
  state.SetLabel(CommandTextOf(command).tooltip.data());
}
BENCHMARK(BM_EditInMillionItems)
    ->Unit(benchmark::kMillisecond)
    ->Arg(kMoveUp)
    ->Arg(kMoveToTop)
    ->Arg(kChangeMorale)
    ->Arg(kDelete);

// Finding in the organization's tree: typing the text searches the million names; each next
// match folds the last one's company and opens its own.
void BM_FindInMillionItems(benchmark::State& state) {
  MainFrame& window = MillionItemWindow();
  TreeFind& find = window.Created()->Find();
  find.Open();
  find.Bar()->SetText(QStringLiteral("7. Zug"));
  const bool typing = state.range(0) == 0;
  for (auto _ : state) {
    if (typing) {
      find.Bar()->SetText(QString());
      find.Bar()->SetText(QStringLiteral("7. Zug"));
    } else {
      find.Next();
    }
    QApplication::processEvents();
  }
  state.SetLabel(typing ? "type the text: search and show the first" : "the next match");
  find.Close();
}
BENCHMARK(BM_FindInMillionItems)->Unit(benchmark::kMillisecond)->Arg(0)->Arg(1);

// The copy kept for a crash: the time is what the window's thread spends (the organization's
// bytes); what the copy's own thread then spends on the disk is counted apart.
void BM_RecoveryCopyOfMillionItems(benchmark::State& state) {
  MainFrame& window = MillionItemWindow();
  RecoveryFile& recovery = *window.findChild<RecoveryFile*>();
  double disk = 0;
  for (auto _ : state) {
    recovery.Changed(window.FileName());
    recovery.WriteNow();
    state.PauseTiming();
    const auto start = std::chrono::steady_clock::now();
    recovery.WaitForWrite();
    disk +=
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    state.ResumeTiming();
  }
  recovery.Remove();
  state.counters["diskMs"] = disk / static_cast<double>(state.iterations());
}
BENCHMARK(BM_RecoveryCopyOfMillionItems)->Unit(benchmark::kMillisecond)->Iterations(5);

// A date at which a template of the range is refused: the month before it starts, or else the
// month after it ends.
CatalogDate Outside(const DateRange& range) {
  if (std::pair{range.startYear, range.startMonth} > std::pair{39, 1})
    return range.startMonth == 1 ? CatalogDate{12, range.startYear - 1}
                                 : CatalogDate{range.startMonth - 1, range.startYear};
  if (std::pair{range.endYear, range.endMonth} < std::pair{45, 12})
    return range.endMonth == 12 ? CatalogDate{1, range.endYear + 1}
                                : CatalogDate{range.endMonth + 1, range.endYear};
  std::abort();  // a template of every date: no date change would change a mark
}

DatesWindow* ListDates(MainFrame& window) {
  DatesWindow& dates = DatesWindow::Open(window.Editing(), *window.Created(), window);
  QApplication::processEvents();
  return &dates;
}

void CloseDates(DatesWindow* dates) {
  dates->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The million items' platoons all share a template: each change turns all 900,000 marks, in
// and out of the list, back and forth. With the argument 0 the list is not open: the rest is the
// date change's cost in the window (the catalog, the tree's shown rows).
void BM_DateChangeInMillionItems(benchmark::State& state) {
  MainFrame& window = MillionItemWindow();
  DatesWindow* dates = state.range(0) ? ListDates(window) : nullptr;
  const OrgRoot& organization = window.Editing().Organization();
  const CatalogDate before{organization.month, organization.year};
  const UnitTemplate& platoon = *window.Database().Templates().First()->item;
  const CatalogDate turns[] = {Outside(platoon), {platoon.startMonth, platoon.startYear}};
  std::size_t turn = 0;
  for (auto _ : state) {
    window.Editing().ChangeDate(turns[turn++ % 2]);
    QApplication::processEvents();
  }
  if (dates) {
    state.counters["listed"] = dates->List()->model()->rowCount();
    CloseDates(dates);
  }
  window.Editing().ChangeDate(before);
  QApplication::processEvents();
}
BENCHMARK(BM_DateChangeInMillionItems)->Unit(benchmark::kMillisecond)->Arg(0)->Arg(1);

// The same as BM_EditInMillionItems (a command and its undo: two changes an iteration) with the
// Check Dates window open, which checks the million items again after each.
void BM_EditInMillionItemsWithDatesListed(benchmark::State& state) {
  DatesWindow* dates = ListDates(MillionItemWindow());
  BM_EditInMillionItems(state);
  CloseDates(dates);
}
BENCHMARK(BM_EditInMillionItemsWithDatesListed)
    ->Unit(benchmark::kMillisecond)
    ->Arg(kMoveUp)
    ->Arg(kChangeMorale);

// The check alone: one walk over the million items and a look into the small table of the
// templates met, at a date where every platoon is refused.
void BM_RefusedOfMillionItems(benchmark::State& state) {
  MainFrame& window = MillionItemWindow();
  const OrgRoot& organization = window.Editing().Organization();
  const CatalogDate before{organization.month, organization.year};
  window.Editing().ChangeDate(Outside(*window.Database().Templates().First()->item));
  std::size_t refused = 0;
  for (auto _ : state)
    refused = window.Editing().Model().Dates().Refused(organization).size();
  state.counters["refused"] = static_cast<double>(refused);
  window.Editing().ChangeDate(before);
  QApplication::processEvents();
}
BENCHMARK(BM_RefusedOfMillionItems)->Unit(benchmark::kMillisecond);

// The largest nation's first army, built with automatic choices, then undone and redone.
void BM_BuildArmy(benchmark::State& state) {
  bench::NoQuestions prompter;
  auto window = ShownWindow(prompter);
  TreeView* catalog = window->Catalog().Tree();
  const QModelIndex nation = NationIndex(*window, LargestNation(window->Database()));
  catalog->expand(nation);
  const QModelIndex armies = catalog->model()->index(7, 0, nation);
  catalog->setCurrentIndex(catalog->model()->index(0, 0, armies));
  for (auto _ : state) {
    window->Commands().Action(kAddAuto)->trigger();
    QApplication::processEvents();
  }
  state.counters["items"] =
      window->Editing().Organization().nextId / static_cast<double>(state.iterations());
}
BENCHMARK(BM_BuildArmy)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_UndoRedoArmy(benchmark::State& state) {
  bench::NoQuestions prompter;
  auto window = ShownWindow(prompter);
  TreeView* catalog = window->Catalog().Tree();
  const QModelIndex nation = NationIndex(*window, LargestNation(window->Database()));
  catalog->expand(nation);
  catalog->setCurrentIndex(catalog->model()->index(0, 0, catalog->model()->index(7, 0, nation)));
  window->Commands().Action(kAddAuto)->trigger();
  for (auto _ : state) {
    window->Editing().Undo();
    QApplication::processEvents();
    window->Editing().Redo();
    QApplication::processEvents();
  }
  state.counters["items"] = window->Editing().Organization().nextId;
}
BENCHMARK(BM_UndoRedoArmy)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace valdren
