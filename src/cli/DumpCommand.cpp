// valdren dump [--json]: every template of the database in load order.

#include <memory>
#include <ostream>

#include "cli/JsonText.h"
#include "cli/Tool.h"
#include "oob/Echelon.h"
#include "oob/OrgTemplate.h"
#include "oob/PlatoonTemplate.h"

namespace valdren::cli {

namespace {

void AddDates(Json& item, const DateRange& range) {
  item["startMonth"] = range.startMonth;
  item["startYear"] = range.startYear;
  item["endMonth"] = range.endMonth;
  item["endYear"] = range.endYear;
}

Json GroupJson(const SubunitGroup& group) {
  Json item = {{"name", JsonText(group.name.View())}};
  AddDates(item, group);
  item["promotion"] = group.promotion;
  Json choices = Json::array();
  for (const SubunitChoice& choice : group.choices) {
    choices.push_back({{"echelon", choice.item->echelon},
                       {"reference", choice.item->reference},
                       {"probability", choice.weight}});
  }
  item["choices"] = std::move(choices);
  return item;
}

Json TemplateJson(const UnitTemplate& unit) {
  Json item = {{"echelon", unit.echelon},
               {"reference", unit.reference},
               {"name", JsonText(unit.name.View())}};
  AddDates(item, unit);
  if (const auto* platoon = dynamic_cast<const PlatoonTemplate*>(&unit)) {
    item["secondName"] = JsonText(platoon->secondName.View());
    item["thirdName"] = JsonText(platoon->thirdName.View());
    item["catalogValue"] = platoon->catalogValue;
    item["values"] = platoon->values;
    item["mark"] = JsonText({&platoon->mark, 1});
    item["word"] = JsonText(platoon->word.View());
  } else if (const auto* organization = dynamic_cast<const OrgTemplate*>(&unit)) {
    item["morale"] = organization->morale;
    Json groups = Json::array();
    for (const SubunitGroup& group : organization->groups)
      groups.push_back(GroupJson(group));
    item["groups"] = std::move(groups);
  }
  return item;
}

void WriteReference(std::ostream& out, const UnitTemplate& unit) {
  out << EchelonLetter(unit.echelon) << unit.reference;
}

void WriteDates(std::ostream& out, const DateRange& range) {
  out << range.startMonth << '/' << range.startYear << '-' << range.endMonth << '/'
      << range.endYear;
}

void WriteName(std::ostream& out, const String& name) {
  if (!name.Empty()) out << "  " << name;
  out << '\n';
}

// For people: a template a line (reference, dates, what its kind adds, name), each group of an
// organization below it, indented, in the syntax of a group line of the database files.
void WriteText(std::ostream& out, const UnitTemplate& unit) {
  WriteReference(out, unit);
  out << "  ";
  WriteDates(out, unit);
  if (const auto* platoon = dynamic_cast<const PlatoonTemplate*>(&unit)) {
    out << "  value " << platoon->catalogValue;
    WriteName(out, unit.name);
    return;
  }
  const auto& organization = dynamic_cast<const OrgTemplate&>(unit);
  out << "  morale " << organization.morale;
  WriteName(out, unit.name);
  for (const SubunitGroup& group : organization.groups) {
    out << "    ";
    WriteDates(out, group);
    if (group.promotion) out << " +";
    for (const SubunitChoice& choice : group.choices) {
      out << " (" << choice.weight << ") ";
      WriteReference(out, *choice.item);
    }
    if (!group.name.Empty()) out << ' ' << group.name;
    out << '\n';
  }
}

}  // namespace

void AddDumpCommand(CommandList& commands) {
  auto asJson = std::make_shared<bool>(false);
  CLI::App& dump = commands.Add(
      "dump", "Load the database and print every template in load order", [asJson](Tool& tool) {
        const OobDatabase& database = tool.Database();
        if (*asJson) {
          Json templates = Json::array();
          for (const auto& node : database.Templates())
            templates.push_back(TemplateJson(*node.item));
          tool.out << Json{{"templates", std::move(templates)}}.dump() << '\n';
        } else {
          for (const auto& node : database.Templates())
            WriteText(tool.out, *node.item);
        }
        return tool.Finish();
      });
  dump.add_flag("--json", *asJson, "Print one JSON object instead of text");
}

}  // namespace valdren::cli
