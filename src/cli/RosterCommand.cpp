// valdren roster FILE.org [--json | --csv] [--date DATE]: what each top-level formation and the
// whole organization hold and are worth, then the platoons by template; for people, for scripts
// and for spreadsheets.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/Csv.h"
#include "base/Utf8Path.h"
#include "base/Windows1252.h"
#include "catalog/CatalogTexts.h"
#include "cli/JsonWriter.h"
#include "cli/Tool.h"
#include "cli/ToolData.h"
#include "oob/Nations.h"
#include "oob/PlatoonTemplate.h"
#include "org/OrgFile.h"
#include "org/OrgRoot.h"
#include "org/Strength.h"

namespace valdren::cli {

namespace {

constexpr const char* kHelp =
    R"(The text form gives each top-level item's strength, then the whole organization's, then
the table of platoons by template: count, catalog value, the value they add ("-" where the
catalog shows no value: leaders, categories 3 and 5) and the template ("?" for a reference
that names no template; "not at DATE" for one outside its date range at DATE). The value is the
sum of the catalog values of the platoons whose value the catalog shows after their name; it
does not depend on the date. DATE (default: the organization's own date) only tells which
templates the catalog offers then.

--csv: one table, RFC 4180, header row
  kind,reference,name,platoons,units,leaders,catalogValue,value,axisValue,alliedValue,available
kind is "item" (a top-level item, with its REF), "organization" or "template" (a row of the
platoon table; platoons is its count, available "yes" or "no", empty when unknown). Fields
that do not apply to a kind are empty.

--json: {"month", "year", "items": [S, ...], "organization": S, "templates": [T, ...]}
S = {"echelons": [8 counts, platoons .. armies], "platoons", "units", "unknownPlatoons",
     "leaders", "leadersByRating": [5 counts, ratings 1 .. 5],
     "morale": {"lowest", "highest", "mean"}, "value", "axisValue", "alliedValue",
     "nations": [{"nation", "name", "value"}, ...]}; an item's S begins with its
     "echelon", "reference", "id" and "name".
T = {"reference", "name" (null when unknown), "count", "catalogValue" (null when unknown),
     "valued", "value", "available" (false when unknown)}
Names in CSV and JSON are the game's Windows-1252 text in UTF-8. A file that reads only partly
gives the roster of what was read, the error on standard error and exit status 1.)";

struct RosterOptions {
  std::string file;
  std::string date;
  bool json = false;
  bool csv = false;
};

struct Roster {
  const OrgRoot& root;
  std::vector<Strength> items;  // of each top-level item, in order
  Strength organization;
  CatalogDate date;
};

bool Available(const TemplateStrength& row, CatalogDate date) {
  return row.unit && row.unit->InDateRange(date.month, date.year);
}

std::string DateText(CatalogDate date) {
  return std::to_string(date.month) + "/" + std::to_string(date.year);
}

// Text

void PrintStrength(std::ostream& out, const Strength& strength) {
  out << "  Items:";
  for (int echelon = 0; echelon < kEchelonCount; ++echelon)
    out << (echelon ? ", " : " ") << EchelonGroupText(echelon) << ' '
        << WithThousands(strength.items[echelon]);
  out << "\n  Leaders: " << WithThousands(strength.leaders) << " (rating";
  for (int rating = 1; rating <= kCommandRatings; ++rating)
    out << (rating > 1 ? ", " : " ") << rating << ": " << strength.leadersByRating[rating - 1];
  char mean[32];
  std::snprintf(mean, sizeof mean, "%.2f", strength.meanMorale);
  out << ")\n  Morale: lowest " << strength.lowestMorale << ", highest " << strength.highestMorale
      << ", mean " << mean << "\n  Unknown platoons: " << strength.unknownPlatoons
      << "\n  Value by nation:";
  for (const NationValue& nation : strength.nations)
    out << (&nation == &strength.nations.front() ? " " : ", ") << NationName(nation.nation) << ' '
        << WithThousands(nation.value);
  if (strength.nations.empty()) out << " none";
  out << '\n';
}

void PrintText(std::ostream& out, const Roster& roster) {
  std::size_t index = 0;
  for (const auto& node : roster.root.items) {
    const Strength& strength = roster.items[index++];
    out << StrengthSummary(*node.item, strength) << '\n';
    PrintStrength(out, strength);
  }
  out << StrengthSummary(roster.organization) << '\n';
  PrintStrength(out, roster.organization);
  out << "\nPlatoons by template at " << DateText(roster.date) << ":\n"
      << "    Count    Value      Sum  Template\n";
  for (const TemplateStrength& row : roster.organization.templates) {
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, "%9s%9s%9s  ", WithThousands(row.count).c_str(),
                  row.unit ? WithThousands(row.unit->catalogValue).c_str() : "?",
                  row.valued ? WithThousands(row.value).c_str() : "-");
    out << numbers << RefText(kPlatoon, row.reference) << ' ';
    if (!row.unit)
      out << '?';
    else
      out << row.unit->name
          << (Available(row, roster.date) ? "" : " (not at " + DateText(roster.date) + ")");
    out << '\n';
  }
}

// CSV

void PrintCsvRow(std::ostream& out, const std::vector<std::string>& fields) {
  out << CsvRow(fields);
}

std::vector<std::string> CsvStrength(std::string kind, std::string reference, std::string name,
                                     const Strength& strength) {
  return {std::move(kind),
          std::move(reference),
          std::move(name),
          std::to_string(strength.Platoons()),
          std::to_string(strength.units),
          std::to_string(strength.leaders),
          "",
          std::to_string(strength.value),
          std::to_string(strength.axisValue),
          std::to_string(strength.alliedValue),
          ""};
}

void PrintCsv(std::ostream& out, const Roster& roster) {
  PrintCsvRow(out, {"kind", "reference", "name", "platoons", "units", "leaders", "catalogValue",
                    "value", "axisValue", "alliedValue", "available"});
  std::size_t index = 0;
  for (const auto& node : roster.root.items) {
    const OrgItem& item = *node.item;
    PrintCsvRow(out, CsvStrength("item", RefText(item.echelon, item.reference),
                                 Windows1252ToUtf8(item.name.View()), roster.items[index++]));
  }
  PrintCsvRow(out, CsvStrength("organization", "", "Organization", roster.organization));
  for (const TemplateStrength& row : roster.organization.templates)
    PrintCsvRow(
        out,
        {"template", RefText(kPlatoon, row.reference),
         row.unit ? Windows1252ToUtf8(row.unit->name.View()) : "", std::to_string(row.count), "",
         "", row.unit ? std::to_string(row.unit->catalogValue) : "", std::to_string(row.value), "",
         "", row.unit ? (Available(row, roster.date) ? "yes" : "no") : ""});
}

// JSON

// The members of a strength; the caller opens and closes its object.
void WriteStrengthJson(JsonWriter& json, const Strength& strength) {
  json.Key("echelons").BeginArray();
  for (const std::int64_t count : strength.items)
    json.Number(count);
  json.EndArray()
      .Number("platoons", strength.Platoons())
      .Number("units", strength.units)
      .Number("unknownPlatoons", strength.unknownPlatoons)
      .Number("leaders", strength.leaders)
      .Key("leadersByRating")
      .BeginArray();
  for (const std::int64_t count : strength.leadersByRating)
    json.Number(count);
  json.EndArray()
      .Key("morale")
      .BeginObject()
      .Number("lowest", strength.lowestMorale)
      .Number("highest", strength.highestMorale)
      .Real("mean", strength.meanMorale)
      .EndObject()
      .Number("value", strength.value)
      .Number("axisValue", strength.axisValue)
      .Number("alliedValue", strength.alliedValue)
      .Key("nations")
      .BeginArray();
  for (const NationValue& nation : strength.nations) {
    json.BeginObject()
        .Number("nation", nation.nation)
        .Text("name", NationName(nation.nation))
        .Number("value", nation.value)
        .EndObject();
  }
  json.EndArray();
}

void WriteTemplateJson(JsonWriter& json, const TemplateStrength& row, CatalogDate date) {
  json.BeginObject().Number("reference", row.reference).Key("name");
  if (row.unit)
    json.Text(Windows1252ToUtf8(row.unit->name.View()));
  else
    json.Null();
  json.Number("count", row.count).Key("catalogValue");
  if (row.unit)
    json.Number(row.unit->catalogValue);
  else
    json.Null();
  json.Bool("valued", row.valued)
      .Number("value", row.value)
      .Bool("available", Available(row, date))
      .EndObject();
}

void PrintJson(std::ostream& out, const Roster& roster) {
  JsonWriter json(out);
  json.BeginObject()
      .Number("month", roster.date.month)
      .Number("year", roster.date.year)
      .Key("items")
      .BeginArray();
  std::size_t index = 0;
  for (const auto& node : roster.root.items) {
    const OrgItem& item = *node.item;
    json.BeginObject()
        .Number("echelon", item.echelon)
        .Number("reference", item.reference)
        .Number("id", item.id)
        .Text("name", Windows1252ToUtf8(item.name.View()));
    WriteStrengthJson(json, roster.items[index++]);
    json.EndObject();
  }
  json.EndArray().Key("organization").BeginObject();
  WriteStrengthJson(json, roster.organization);
  json.EndObject().Key("templates").BeginArray();
  for (const TemplateStrength& row : roster.organization.templates)
    WriteTemplateJson(json, row, roster.date);
  json.EndArray().EndObject().EndLine();
}

int PrintRoster(Tool& tool, const RosterOptions& options) {
  OrgRoot root;
  const OrgFileStatus status = LoadOrganization(root, Utf8Path(options.file));
  const std::string failure = options.file + ": " + std::string(OrgFileMessage(status));
  if (status == OrgFileStatus::kUnableToOpen) return tool.Fail(failure);
  const OobDatabase& database = tool.Database();
  Roster roster{
      .root = root,
      .items = {},
      .organization = StrengthOf(root, database),
      .date = options.date.empty() ? CatalogDate{root.month, root.year} : *ParseDate(options.date)};
  for (const auto& node : root.items)
    roster.items.push_back(StrengthOf(*node.item, database));
  if (options.json)
    PrintJson(tool.out, roster);
  else if (options.csv)
    PrintCsv(tool.out, roster);
  else
    PrintText(tool.out, roster);
  // What was read is reported before the failure, as show does.
  int result = tool.Finish();
  if (status != OrgFileStatus::kDone) result = tool.Fail(failure);
  return result;
}

}  // namespace

void AddRosterCommand(CommandList& commands) {
  auto options = std::make_shared<RosterOptions>();
  CLI::App& roster = commands.Add(
      "roster", "Print the strength and value of an organization and its platoons by template",
      [options](Tool& tool) { return PrintRoster(tool, *options); });
  roster.footer(kHelp);
  CLI::Option* const json =
      roster.add_flag("--json", options->json, "Print the roster as one JSON object");
  roster.add_flag("--csv", options->csv, "Print the roster as one CSV table for spreadsheets")
      ->excludes(json);
  roster
      .add_option("--date", options->date,
                  "The catalog date, M/YY with a year 39..45 (default: the organization's date)")
      ->option_text("DATE")
      ->check(DateValidator());
  roster.add_option("FILE", options->file, "The organization file (.org)")->required();
}

}  // namespace valdren::cli
