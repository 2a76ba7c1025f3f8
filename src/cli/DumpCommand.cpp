// valdren dump [--json]: every template of the database in load order.

#include <memory>
#include <ostream>

#include "cli/JsonWriter.h"
#include "cli/Tool.h"
#include "oob/Echelon.h"
#include "oob/OrgTemplate.h"
#include "oob/PlatoonTemplate.h"

namespace valdren::cli {

namespace {

void WriteDatesJson(JsonWriter& json, const DateRange& range) {
  json.Number("startMonth", range.startMonth)
      .Number("startYear", range.startYear)
      .Number("endMonth", range.endMonth)
      .Number("endYear", range.endYear);
}

void WriteGroupJson(JsonWriter& json, const SubunitGroup& group) {
  json.BeginObject().GameText("name", group.name.View());
  WriteDatesJson(json, group);
  json.Bool("promotion", group.promotion).Key("choices").BeginArray();
  for (const SubunitChoice& choice : group.choices) {
    json.BeginObject()
        .Number("echelon", choice.item->echelon)
        .Number("reference", choice.item->reference)
        .Number("probability", choice.weight)
        .EndObject();
  }
  json.EndArray().EndObject();
}

void WriteTemplateJson(JsonWriter& json, const UnitTemplate& unit) {
  json.BeginObject()
      .Number("echelon", unit.echelon)
      .Number("reference", unit.reference)
      .GameText("name", unit.name.View());
  WriteDatesJson(json, unit);
  if (const auto* platoon = dynamic_cast<const PlatoonTemplate*>(&unit)) {
    json.GameText("secondName", platoon->secondName.View())
        .GameText("thirdName", platoon->thirdName.View())
        .Number("catalogValue", platoon->catalogValue)
        .Key("values")
        .BeginArray();
    for (const int value : platoon->values)
      json.Number(value);
    json.EndArray().GameText("mark", {&platoon->mark, 1}).GameText("word", platoon->word.View());
  } else if (const auto* organization = dynamic_cast<const OrgTemplate*>(&unit)) {
    json.Number("morale", organization->morale).Key("groups").BeginArray();
    for (const SubunitGroup& group : organization->groups)
      WriteGroupJson(json, group);
    json.EndArray();
  }
  json.EndObject();
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
  CLI::App& dump = commands.Add("dump", "Load the database and print every template in load order",
                                [asJson](Tool& tool) {
                                  const OobDatabase& database = tool.Database();
                                  if (*asJson) {
                                    JsonWriter json(tool.out);
                                    json.BeginObject().Key("templates").BeginArray();
                                    for (const auto& node : database.Templates())
                                      WriteTemplateJson(json, *node.item);
                                    json.EndArray().EndObject().EndLine();
                                  } else {
                                    for (const auto& node : database.Templates())
                                      WriteText(tool.out, *node.item);
                                  }
                                  return tool.Finish();
                                });
  dump.add_flag("--json", *asJson, "Print one JSON object instead of text");
}

}  // namespace valdren::cli
