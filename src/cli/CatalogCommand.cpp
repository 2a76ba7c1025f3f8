// valdren catalog [--date DATE] [--depth N] [--json] [--find TEXT] [NATION ...]: the tree
// "Available Units and Organizations" as the editor shows it once the nations have been expanded,
// with the messages that expanding them shows. With --find TEXT, the templates of the tree whose
// name contains the text instead.

#include <algorithm>
#include <climits>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/CatalogMessages.h"
#include "catalog/CatalogModel.h"
#include "catalog/CatalogTexts.h"
#include "cli/JsonWriter.h"
#include "cli/Tool.h"
#include "cli/ToolData.h"
#include "oob/Nations.h"

namespace valdren::cli {

namespace {

// A nation by its index or by its name as the catalog shows it.
std::optional<int> ParseNation(std::string_view text) {
  for (int nation = 0; nation < kNationCount; ++nation)
    if (text == NationName(nation) || text == std::to_string(nation)) return nation;
  return std::nullopt;
}

// The editor shows each message in a box; the text form prints it as a line on standard error,
// the JSON form keeps it for the "messages" list.
class ToolMessages : public CatalogMessages {
 public:
  explicit ToolMessages(std::ostream* out) : out_(out) {}
  void Show(std::string_view text, std::string_view) override {
    if (out_)
      *out_ << text << '\n';
    else
      texts.emplace_back(text);
  }
  std::vector<std::string> texts;

 private:
  std::ostream* out_;
};

// Walks the rows depth-first down to maxDepth levels below the root: enter(entry, depth) for each
// row, leave(depth) after its children. The breakdowns are computed as the walk goes and never
// kept, and the walk keeps its own stack, so a huge or deep breakdown costs only its output.
template <typename Enter, typename Leave>
void WalkCatalog(const CatalogModel& model, int maxDepth, Enter&& enter, Leave&& leave) {
  struct Level {
    std::vector<CatalogEntry> children;
    std::size_t next = 0;
  };
  const CatalogEntry root = model.Entry(model.Root());
  enter(root, 0, true);
  std::vector<Level> levels;
  if (maxDepth > 0) levels.push_back({model.ChildEntries(root)});
  while (!levels.empty()) {
    Level& level = levels.back();
    const int depth = static_cast<int>(levels.size());
    if (level.next == level.children.size()) {
      levels.pop_back();
      leave(depth - 1);
      continue;
    }
    const CatalogEntry entry = level.children[level.next++];
    enter(entry, depth, level.next == 1);
    if (depth < maxDepth)
      levels.push_back({model.ChildEntries(entry)});
    else
      leave(depth);
  }
  if (maxDepth <= 0) leave(0);
}

void PrintText(std::ostream& out, const CatalogModel& model, int maxDepth) {
  WalkCatalog(
      model, maxDepth,
      [&out](const CatalogEntry& entry, int depth, bool) {
        out << std::string(2 * static_cast<std::size_t>(depth), ' ') << EntryText(entry) << '\n';
      },
      [](int) {});
}

// A match a line: its nation, echelon group and row, as the tree shows them. Nothing is expanded,
// so no message is shown.
void PrintMatches(std::ostream& out, const CatalogModel& model, std::string_view text,
                  const std::vector<int>& nations) {
  for (const CatalogMatch& match : model.FindTemplates(text))
    if (std::ranges::binary_search(nations, match.nation))
      out << NationName(match.nation) << " / " << EchelonGroupText(match.echelon) << " / "
          << EntryText({.kind = CatalogKind::kTemplate, .unit = match.unit}) << '\n';
}

// Written as it is walked: the tree of a large nation would not fit in memory as one document.
void PrintJson(std::ostream& out, const CatalogModel& model, int maxDepth,
               const std::vector<std::string>& messages) {
  JsonWriter json(out);
  json.BeginObject().Key("tree");
  WalkCatalog(
      model, maxDepth,
      [&json](const CatalogEntry& entry, int, bool) {
        json.BeginObject().GameText("text", EntryText(entry).View());
        json.Number("image", EntryImage(entry)).Key("template");
        if (entry.unit)
          json.GameText(RefText(*entry.unit));
        else
          json.Null();
        json.Key("children").BeginArray();
      },
      [&json](int) { json.EndArray().EndObject(); });
  json.Key("messages").BeginArray();
  for (const std::string& message : messages)
    json.GameText(message);
  json.EndArray().EndObject().EndLine();
}

}  // namespace

void AddCatalogCommand(CommandList& commands) {
  struct Options {
    std::string date = "6/41";
    int depth = INT_MAX;
    bool json = false;
    std::optional<std::string> find;
    std::vector<std::string> nations;
  };
  auto options = std::make_shared<Options>();
  CLI::App& catalog = commands.Add(
      "catalog",
      "Print the tree of available units and organizations at a date, the nations expanded",
      [options](Tool& tool) {
        ToolMessages messages(options->json ? nullptr : &tool.err);
        CatalogModel model(tool.Database(), messages);
        model.SetFilterDate(*ParseDate(options->date));
        std::vector<int> nations;
        for (const std::string& name : options->nations)
          nations.push_back(*ParseNation(name));
        if (nations.empty())
          for (int nation = 0; nation < kNationCount; ++nation)
            nations.push_back(nation);
        std::ranges::sort(nations);
        const auto repeated = std::ranges::unique(nations);
        nations.erase(repeated.begin(), repeated.end());
        for (const int nation : nations)
          if (!model.IsPresent(nation)) {
            if (!options->nations.empty())
              tool.err << "valdren: the database holds no templates of " << NationName(nation)
                       << '\n';
          } else if (!options->find) {
            model.OnCatalogExpanding(model.NationRow(nation), true);
          }

        if (options->find)
          PrintMatches(tool.out, model, *options->find, nations);
        else if (options->json)
          PrintJson(tool.out, model, options->depth, messages.texts);
        else
          PrintText(tool.out, model, options->depth);
        return tool.Finish();
      });
  catalog.add_option("--date", options->date, "The filter date, M/YY or MM/YY (default 6/41)")
      ->check(DateValidator());
  CLI::Option* const depth =
      catalog
          .add_option("--depth", options->depth, "Print the rows down to N levels below the root")
          ->check(CLI::NonNegativeNumber)
          ->option_text("N");
  CLI::Option* const json = catalog.add_flag("--json", options->json,
                                             "Print the tree and the messages as one JSON object");
  catalog
      .add_option("--find", options->find,
                  "Print instead the templates listed at the date whose name contains TEXT, "
                  "ignoring case (ASCII and Windows-1252 letters), one a line as "
                  "\"NATION / ECHELON GROUP / ROW\" in the tree's order; a platoon's [value] is "
                  "not part of its name")
      ->expected(1)
      ->option_text("TEXT")
      ->excludes(json)
      ->excludes(depth);
  catalog
      .add_option("NATION", options->nations,
                  "Expand (with --find: search) these nations (index 0..19 or name); every nation "
                  "when none is named")
      ->check(CLI::Validator(
          [](std::string& text) -> std::string {
            return ParseNation(text) ? std::string()
                                     : "NATION must be 0..19 or a nation's name: " + text;
          },
          "NATION"));
}

}  // namespace valdren::cli
