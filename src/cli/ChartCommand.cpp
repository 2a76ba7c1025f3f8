// valdren chart FILE [--item ID] [--depth N] -o OUT.svg: the organization, or one item of it, as
// a chart of boxes in SVG, the same the editor's Export Chart draws.

#include <memory>
#include <optional>
#include <string>

#include "base/AtomicFile.h"
#include "base/Utf8Path.h"
#include "chart/Chart.h"
#include "chart/ChartSvg.h"
#include "cli/Tool.h"
#include "org/OrgFile.h"
#include "org/OrgRoot.h"

namespace valdren::cli {

namespace {

constexpr const char* kHelp =
    R"(The chart is a tree of boxes drawn top down, the chosen item (or, without --item, a box for
the whole organization) at the top and each group below it down to N levels below, parents
centred over their children; a group whose groups below are the last drawn lists them in a
column under it. A box shows the unit-size mark of its echelon above its frame,
the nation's emblem, the name, and its platoons, units and value (as the roster counts them).
Platoons, and below the depth every subordinate, are counted in their group's box by
template, "3 x Schuetzenzug 1939", most first. The SVG is UTF-8 and needs no other file; the
same organization gives the same bytes. OUT is replaced only once the chart is complete; "-"
writes it on standard output. A file that reads only in part gives no chart.)";

struct ChartOptions {
  std::string file;
  std::optional<int> item;
  int depth = kDefaultChartDepth;
  std::string output;
};

OrgItem* FindItem(OrgRoot& root, int id) {
  for (const auto& node : root.items)
    if (OrgItem* const found = node.item->FindById(id)) return found;
  return nullptr;
}

int RunChart(Tool& tool, const ChartOptions& options) {
  OrgRoot root;
  const OrgFileStatus status = LoadOrganization(root, Utf8Path(options.file));
  if (status != OrgFileStatus::kDone)
    return tool.Fail(options.file + ": " + std::string(OrgFileMessage(status)));
  const OrgItem* item = nullptr;
  if (options.item) {
    item = FindItem(root, *options.item);
    if (!item)
      return tool.Fail(options.file + " holds no item with the id " +
                       std::to_string(*options.item));
  }
  const OobDatabase& database = tool.Database();
  const std::string svg = ChartSvg(item ? MakeChart(*item, database, options.depth)
                                        : MakeChart(root, database, options.depth));
  if (options.output == "-") {
    tool.out << svg;
  } else {
    const AtomicWrite written =
        WriteAtomically(Utf8Path(options.output), [&svg](std::ostream& out) {
          return !out.write(svg.data(), static_cast<std::streamsize>(svg.size())).fail();
        });
    if (written != AtomicWrite::kDone)
      return tool.Fail(options.output + ": " + std::string(AtomicWriteMessage(written)));
  }
  return tool.Finish();
}

}  // namespace

void AddChartCommand(CommandList& commands) {
  auto options = std::make_shared<ChartOptions>();
  CLI::App& chart =
      commands.Add("chart", "Draw an organization file, or one item of it, as a chart in SVG",
                   [options](Tool& tool) { return RunChart(tool, *options); });
  chart.footer(kHelp);
  chart.add_option("FILE", options->file, "The organization file (.org)")->required();
  chart
      .add_option("--item", options->item,
                  "Chart the item with this id (the second number of its line in the file) and "
                  "what is below it, instead of the whole organization")
      ->option_text("ID");
  chart
      .add_option("--depth", options->depth,
                  "Draw boxes down to N levels below the top box; below them, count (default " +
                      std::to_string(kDefaultChartDepth) + ")")
      ->option_text("N")
      ->check(CLI::NonNegativeNumber);
  chart
      .add_option("-o,--output", options->output, "Where to write the SVG (\"-\": standard output)")
      ->option_text("OUT.svg")
      ->required();
}

}  // namespace valdren::cli
