// valdren show [--json] FILE.org: an organization file as the editor's tree of created units
// shows it, or as JSON for scripts.

#include <memory>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "base/Utf8Path.h"
#include "cli/JsonText.h"
#include "cli/Tool.h"
#include "oob/ErrorLog.h"
#include "oob/OobDatabase.h"
#include "org/OrgFile.h"
#include "org/OrgRoot.h"
#include "org/UnitLine.h"

namespace valdren::cli {

namespace {

void PrintItem(std::ostream& out, const OrgItem& item, int indent, const OobDatabase& database) {
  out << std::string(static_cast<std::size_t>(indent), ' ') << item.name << '\n';
  if (const OrgGroup* group = item.AsGroup()) {
    for (const auto& node : group->children)
      PrintItem(out, *node.item, indent + 2, database);
  } else if (const auto line = UnitLineText(item, database)) {
    out << std::string(static_cast<std::size_t>(indent + 2), ' ') << *line << '\n';
  }
}

void PrintTree(std::ostream& out, const OrgRoot& root, const OobDatabase& database) {
  out << "Created Units and Organizations\n";
  for (const auto& node : root.items)
    PrintItem(out, *node.item, 2, database);
}

Json ItemJson(const OrgItem& item) {
  Json json = {{"echelon", item.echelon},
               {"reference", item.reference},
               {"id", item.id},
               {"morale", item.morale},
               {"name", JsonText(item.name.View())}};
  if (const OrgGroup* group = item.AsGroup()) {
    Json children = Json::array();
    for (const auto& node : group->children)
      children.push_back(ItemJson(*node.item));
    json["children"] = std::move(children);
  }
  return json;
}

void PrintJson(std::ostream& out, const OrgRoot& root) {
  Json items = Json::array();
  for (const auto& node : root.items)
    items.push_back(ItemJson(*node.item));
  const Json json = {{"version", root.version},
                     {"nextId", root.nextId},
                     {"month", root.month},
                     {"year", root.year},
                     {"items", std::move(items)}};
  out << json.dump() << '\n';
}

struct ShowOptions {
  std::string file;
  bool json = false;
};

int Show(Tool& tool, const ShowOptions& options) {
  OrgRoot root;
  const OrgFileStatus status = LoadOrganization(root, Utf8Path(options.file));
  const std::string failure = options.file + ": " + std::string(OrgFileMessage(status));
  if (status == OrgFileStatus::kUnableToOpen) return tool.Fail(failure);
  int result = kSuccess;
  if (options.json) {
    PrintJson(tool.out, root);
  } else {
    // The unit lines name the platoons' templates, so the folder's database is loaded as the
    // editor loads it; a folder without one shows no unit lines.
    OobDatabase database;
    ErrorLogFile log(".");
    const ErrorText databaseError = database.LoadDatabase(".", log.Log());
    PrintTree(tool.out, root, database);
    if (databaseError) {
      tool.err << *databaseError << '\n';
      result = kFailure;
    }
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
  show.add_option("FILE", options->file, "The organization file (.org)")->required();
}

}  // namespace valdren::cli
