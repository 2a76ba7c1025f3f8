// valdren show [--json] [--strength] FILE.org: an organization file as the editor's tree of
// created units shows it, or as JSON for scripts; with each group's platoons and value.
// valdren show --check-dates FILE.org: the items the game would refuse at the file's date.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/Utf8Path.h"
#include "cli/JsonWriter.h"
#include "cli/Tool.h"
#include "oob/ErrorLog.h"
#include "oob/OobDatabase.h"
#include "org/DateCheck.h"
#include "org/OrgFile.h"
#include "org/OrgRoot.h"
#include "org/Strength.h"
#include "org/UnitLine.h"

namespace valdren::cli {

namespace {

// The database, and whether each group shows its strength.
struct ShowContext {
  const OobDatabase& database;
  bool strength;
};

void PrintItem(std::ostream& out, const OrgItem& item, int indent, const ShowContext& context) {
  out << std::string(static_cast<std::size_t>(indent), ' ') << item.name;
  const OrgGroup* const group = item.AsGroup();
  if (group && context.strength) {
    const Strength strength = StrengthOf(item, context.database);
    out << " [" << WithThousands(strength.Platoons()) << " platoons, value "
        << WithThousands(strength.value) << ']';
  }
  out << '\n';
  if (group) {
    for (const auto& node : group->children)
      PrintItem(out, *node.item, indent + 2, context);
  } else if (const auto line = UnitLineText(item, context.database)) {
    out << std::string(static_cast<std::size_t>(indent + 2), ' ') << *line << '\n';
  }
}

void PrintTree(std::ostream& out, const OrgRoot& root, const ShowContext& context) {
  out << "Created Units and Organizations\n";
  for (const auto& node : root.items)
    PrintItem(out, *node.item, 2, context);
}

void WriteItemJson(JsonWriter& json, const OrgItem& item, const ShowContext& context) {
  json.BeginObject()
      .Number("echelon", item.echelon)
      .Number("reference", item.reference)
      .Number("id", item.id)
      .Number("morale", item.morale)
      .GameText("name", item.name.View());
  if (const OrgGroup* group = item.AsGroup()) {
    if (context.strength) {
      const Strength strength = StrengthOf(item, context.database);
      json.Number("platoons", strength.Platoons()).Number("value", strength.value);
    }
    json.Key("children").BeginArray();
    for (const auto& node : group->children)
      WriteItemJson(json, *node.item, context);
    json.EndArray();
  }
  json.EndObject();
}

void PrintJson(std::ostream& out, const OrgRoot& root, const ShowContext& context) {
  JsonWriter json(out);
  json.BeginObject()
      .Number("version", root.version)
      .Number("nextId", root.nextId)
      .Number("month", root.month)
      .Number("year", root.year)
      .Key("items")
      .BeginArray();
  for (const auto& node : root.items)
    WriteItemJson(json, *node.item, context);
  json.EndArray().EndObject().EndLine();
}

// One line an item: its path, a tab, then why; the number of items.
std::size_t PrintRefused(std::ostream& out, const OrgRoot& root, const OobDatabase& database) {
  const DateCheck check(database);
  const MonthYear date{root.month, root.year};
  const std::vector<const OrgItem*> refused = check.Refused(root);
  for (const OrgItem* item : refused)
    out << PathOf(*item) << '\t' << check.Reason(*item, date) << '\n';
  return refused.size();
}

struct ShowOptions {
  std::string file;
  bool json = false;
  bool strength = false;
  bool checkDates = false;
};

int Show(Tool& tool, const ShowOptions& options) {
  OrgRoot root;
  const OrgFileStatus status = LoadOrganization(root, Utf8Path(options.file));
  const std::string failure = options.file + ": " + std::string(OrgFileMessage(status));
  if (status == OrgFileStatus::kUnableToOpen) return tool.Fail(failure);
  int result = kSuccess;
  // The unit lines and the strength need the platoons' templates, so the folder's database is
  // loaded as the editor loads it; a folder without one shows no unit lines. Plain JSON needs
  // none.
  OobDatabase database;
  ErrorText databaseError;
  if (!options.json || options.strength) {
    ErrorLogFile log(".");
    databaseError = database.LoadDatabase(".", log.Log());
  }
  const ShowContext context{database, options.strength};
  if (options.checkDates) {
    // A script checking a scenario's files reads the answer from the status.
    if (PrintRefused(tool.out, root, database) > 0) result = kFailure;
  } else if (options.json) {
    PrintJson(tool.out, root, context);
  } else {
    PrintTree(tool.out, root, context);
  }
  if (databaseError) {
    tool.err << *databaseError << '\n';
    result = kFailure;
  }
  // What was read is shown before the failure is reported, as the editor shows it.
  if (status != OrgFileStatus::kDone) result = tool.Fail(failure);
  return result;
}

}  // namespace

void AddShowCommand(CommandList& commands) {
  auto options = std::make_shared<ShowOptions>();
  CLI::App& show =
      commands.Add("show", "Print an organization file as the tree of created units shows it",
                   [options](Tool& tool) { return Show(tool, *options); });
  show.add_flag("--json", options->json, "Print the organization as one JSON object");
  show.add_flag("--strength", options->strength,
                "After each group's name, its platoons and value (see roster); in JSON, each "
                "group's \"platoons\" and \"value\"");
  show.add_flag("--check-dates", options->checkDates,
                "Instead of the tree, each item whose template the database lacks or does not "
                "offer at the file's date: its path, a tab and why; exit status 1 when there is "
                "any")
      ->excludes("--json")
      ->excludes("--strength");
  show.add_option("FILE", options->file, "The organization file (.org)")->required();
}

}  // namespace valdren::cli
