// valdren roster and show --strength: the demo organization worked out from its file, and the
// three forms of the roster agreeing with each other.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/RunTool.h"
#include "oob/PlatoonFile.h"

namespace valdren::test {
namespace {

using nlohmann::json;
using Table = std::vector<std::vector<std::string>>;

// Reads CSV as a spreadsheet does: fields in quotes may hold commas, line ends and doubled
// quotes; a record ends at CR LF.
Table ParseCsv(const std::string& text) {
  Table rows(1, std::vector<std::string>(1));
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    std::string& field = rows.back().back();
    if (quoted) {
      if (c != '"') {
        field += c;
      } else if (i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      rows.back().emplace_back();
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      rows.emplace_back(1);
      ++i;
    } else {
      field += c;
    }
  }
  if (rows.back() == std::vector<std::string>(1)) rows.pop_back();  // after the last line end
  return rows;
}

// The sample folder's Germany and Great Britain, and a Panzer IV platoon that exists from 1943.
class RosterCommand : public SampleFolderTest {
 protected:
  void SetUp() override {
    SampleFolderTest::SetUp();
    folder.Write("platoon.obx",
                 ScrambleFile("P1101 10 1 2 3 4 5 6 7 8 W 9 10 11 12 13 14 15 x 16 17 18 19 20 "
                              "21 39 1 45 12 22 23 24 Rifles\n"
                              "P9101 8 1 2 3 4 5 6 7 8 W 9 10 11 12 13 14 15 x 16 17 18 19 20 "
                              "21 39 1 45 12 22 23 24 Riflemen\n"
                              "P1602 40 1 2 3 4 5 6 7 8 W 9 10 11 12 13 14 15 x 16 17 18 19 20 "
                              "21 43 1 45 12 22 23 24 Panzer IV\n"
                              "P1403 15 1 2 3 4 5 6 7 8 W 9 10 11 12 13 14 15 x 16 17 18 19 20 "
                              "21 39 1 45 12 22 23 24 Oblt\n"));
    // A German company with a name that needs quoting and Windows-1252, a leader, two rifle
    // platoons, a tank platoon and one platoon without a template; a British platoon alone.
    folder.Write(
        "main.org",
        "1\r\n7\r\n6 41\r\nC100001 0 7 Kompanie \"Nord\", Caf\xE9 \x80\r\n"
        "    P1403 1 7 Oblt Weber\r\n    P1101 2 5 Zug\r\n    P1101 3 5 Zug\r\n"
        "    P1602 4 9 Panzer\r\n    P1999 5 5 Troupe\r\n    End\r\nP9101 6 6 Riflemen\r\n");
  }
};

TEST_F(RosterCommand, JsonGivesEachItemTheOrganizationAndThePlatoonsByTemplate) {
  const auto result = RunIn(folder, {"roster", "--json", "main.org"});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  const json roster = json::parse(result.out);
  EXPECT_EQ(roster["month"], 6);
  EXPECT_EQ(roster["year"], 41);
  ASSERT_EQ(roster["items"].size(), 2u);
  const json& company = roster["items"][0];
  EXPECT_EQ(company["name"], "Kompanie \"Nord\", Caf\u00e9 \u20ac");
  EXPECT_EQ(company["reference"], 100001);
  EXPECT_EQ(company["echelons"], json::parse("[5, 1, 0, 0, 0, 0, 0, 0]"));
  EXPECT_EQ(company["platoons"], 5);
  EXPECT_EQ(company["units"], 1);
  EXPECT_EQ(company["unknownPlatoons"], 1);
  EXPECT_EQ(company["leadersByRating"], json::parse("[0, 0, 1, 0, 0]"));
  EXPECT_EQ(company["morale"]["lowest"], 5);
  EXPECT_EQ(company["morale"]["highest"], 9);
  EXPECT_DOUBLE_EQ(company["morale"]["mean"].get<double>(), (7 + 7 + 5 + 5 + 9 + 5) / 6.0);
  EXPECT_EQ(company["value"], 2 * 10 + 40);  // the leader's value is not shown by the catalog
  const json& organization = roster["organization"];
  EXPECT_FALSE(organization.contains("name"));
  EXPECT_EQ(organization["platoons"], 6);
  EXPECT_EQ(organization["units"], 2);
  EXPECT_EQ(organization["axisValue"], 60);
  EXPECT_EQ(organization["alliedValue"], 8);
  EXPECT_EQ(organization["nations"], json::parse(R"([{"nation": 1, "name": "Germany", "value": 60},
      {"nation": 9, "name": "Great Britain", "value": 8}])"));
  // By count, then by name: the unknown template's none comes first.
  EXPECT_EQ(roster["templates"], json::parse(R"([
    {"reference": 1101, "name": "Rifles", "count": 2, "catalogValue": 10, "valued": true,
     "value": 20, "available": true},
    {"reference": 1999, "name": null, "count": 1, "catalogValue": null, "valued": false,
     "value": 0, "available": false},
    {"reference": 1403, "name": "Oblt", "count": 1, "catalogValue": 15, "valued": false,
     "value": 0, "available": true},
    {"reference": 1602, "name": "Panzer IV", "count": 1, "catalogValue": 40, "valued": true,
     "value": 40, "available": false},
    {"reference": 9101, "name": "Riflemen", "count": 1, "catalogValue": 8, "valued": true,
     "value": 8, "available": true}])"));

  // The date tells which templates the catalog offers; the values stay.
  const json later =
      json::parse(RunIn(folder, {"roster", "--json", "--date", "1/43", "main.org"}).out);
  EXPECT_EQ(later["templates"][3]["available"], true);
  EXPECT_EQ(later["organization"], organization);
}

TEST_F(RosterCommand, CsvReadsBackToTheSameTableAsJson) {
  const auto csv = RunIn(folder, {"roster", "--csv", "main.org"});
  ASSERT_EQ(csv.status, 0) << csv.err;
  const json roster = json::parse(RunIn(folder, {"roster", "--json", "main.org"}).out);
  const Table rows = ParseCsv(csv.out);
  ASSERT_EQ(rows.size(), 1 + 2 + 1 + roster["templates"].size()) << csv.out;
  EXPECT_EQ(rows[0], (std::vector<std::string>{"kind", "reference", "name", "platoons", "units",
                                               "leaders", "catalogValue", "value", "axisValue",
                                               "alliedValue", "available"}));
  const auto number = [](const json& value) { return value.is_null() ? "" : value.dump(); };
  const json formations[] = {roster["items"][0], roster["items"][1], roster["organization"]};
  for (std::size_t i = 0; i < 3; ++i) {
    const json& s = formations[i];
    const std::vector<std::string>& row = rows[1 + i];
    EXPECT_EQ(row[0], i < 2 ? "item" : "organization");
    EXPECT_EQ(row[2], i < 2 ? s["name"].get<std::string>() : "Organization");
    EXPECT_EQ(row[3], number(s["platoons"]));
    EXPECT_EQ(row[4], number(s["units"]));
    EXPECT_EQ(row[5], number(s["leaders"]));
    EXPECT_EQ(row[7], number(s["value"]));
    EXPECT_EQ(row[8], number(s["axisValue"]));
    EXPECT_EQ(row[9], number(s["alliedValue"]));
  }
  EXPECT_EQ(rows[1][1], "C100001");
  EXPECT_EQ(rows[2][1], "P9101");
  for (std::size_t i = 0; i < roster["templates"].size(); ++i) {
    const json& t = roster["templates"][i];
    const std::vector<std::string>& row = rows[4 + i];
    EXPECT_EQ(row[0], "template");
    EXPECT_EQ(row[1], "P" + number(t["reference"]));
    EXPECT_EQ(row[2], t["name"].is_null() ? "" : t["name"].get<std::string>());
    EXPECT_EQ(row[3], number(t["count"]));
    EXPECT_EQ(row[6], number(t["catalogValue"]));
    EXPECT_EQ(row[7], number(t["value"]));
    EXPECT_EQ(row[10], t["name"].is_null() ? "" : t["available"] ? "yes" : "no");
  }
}

TEST_F(RosterCommand, WhatWasReadIsCountedBeforeTheFailureAndNothingCountsZero) {
  folder.Write("broken.org", "1\r\n3\r\n6 41\r\nP1101 0 6 Kept\r\nC2 1 6 Lost\r\n    P3 x\r\n");
  const auto broken = RunIn(folder, {"roster", "broken.org"});
  EXPECT_EQ(broken.status, 1);
  EXPECT_EQ(broken.out.rfind("Kept: 1 platoon, 1 unit, value 10\n", 0), 0u) << broken.out;
  EXPECT_NE(broken.out.find("\nOrganization: 1 platoon, 1 unit, value 10 (Axis 10, Allied 0)\n"),
            std::string::npos);
  EXPECT_EQ(broken.err, "valdren: broken.org: Error reading file\n");

  folder.Write("empty.org", "1\r\n0\r\n6 41\r\n");
  const auto empty = RunIn(folder, {"roster", "empty.org"});
  EXPECT_EQ(empty.status, 0) << empty.err;
  EXPECT_EQ(empty.out.rfind("Organization: 0 platoons, 0 units, value 0 (Axis 0, Allied 0)\n", 0),
            0u)
      << empty.out;

  for (const auto& arguments : {std::vector<std::string>{"roster", "--json", "--csv", "main.org"},
                                std::vector<std::string>{"roster", "--date", "13/41", "main.org"}})
    EXPECT_EQ(RunIn(folder, arguments).status, 2) << arguments[2];
  EXPECT_EQ(RunIn(folder, {"roster", "missing.org"}).status, 1);
}

// The demo's Panzer-Division, counted from main.org by hand: 38 companies, each a unit (every
// platoon directly under a higher group is a leader or the two category 3 columns); 183
// platoons, 53 of them leaders (P1402 x12, P1403 x26, P1404 x10, P1405, P1408 x2 with rating
// digits 8 and P1409 x2 with 9); the value adds up the catalog values of platoon.obx.txt over
// every platoon but the leaders, the columns (P1302) and category 5 (P1501, P1504 x12).
class DemoRoster : public testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy(VALDREN_DEMO, demo.Path(), std::filesystem::copy_options::recursive);
  }
  GameFolder demo;
};

TEST_F(DemoRoster, ThePanzerDivisionAsWorkedOutFromTheFile) {
  const auto result = RunIn(demo, {"roster", "--json", "main.org"});
  ASSERT_EQ(result.status, 0) << result.err;
  const json roster = json::parse(result.out);
  const json& panzer = roster["items"][0];
  EXPECT_EQ(panzer["name"], "16. Panzer-Division");
  EXPECT_EQ(panzer["echelons"], json::parse("[183, 38, 11, 3, 0, 1, 0, 0]"));
  EXPECT_EQ(panzer["units"], 38);
  EXPECT_EQ(panzer["leaders"], 53);
  EXPECT_EQ(panzer["leadersByRating"], json::parse("[0, 12, 28, 12, 1]"));
  EXPECT_EQ(panzer["morale"], json::parse(R"({"lowest": 8, "highest": 8, "mean": 8.0})"));
  const int value = 14 * 14 + 2 * 11 + 11 * 13 + 8 * 9 + 2 * 6 + 18 * 15 + 2 * 5  // infantry
                    + 9 * 18 + 3 * 12 + 1 * 18 + 18 * 20 + 6 * 26                 // guns
                    + 6 * 14 + 3 * 20 + 9 * 40 + 3 * 14;                          // tanks, cars
  EXPECT_EQ(panzer["value"], value);
  EXPECT_EQ(panzer["alliedValue"], 0);
  // The British division is all of the Allied value.
  const json& organization = roster["organization"];
  EXPECT_EQ(organization["platoons"], 183 + 362);
  EXPECT_EQ(organization["axisValue"], value);
  EXPECT_EQ(organization["alliedValue"], roster["items"][1]["value"]);

  const auto text = RunIn(demo, {"roster", "main.org"});
  EXPECT_EQ(text.out.rfind("16. Panzer-Division: 183 platoons, 38 units, value 2,003\n", 0), 0u);
  const auto shown = RunIn(demo, {"show", "--strength", "main.org"});
  EXPECT_NE(shown.out.find("\n  16. Panzer-Division [183 platoons, value 2,003]\n"),
            std::string::npos);
  const json tree = json::parse(RunIn(demo, {"show", "--json", "--strength", "main.org"}).out);
  EXPECT_EQ(tree["items"][0]["platoons"], 183);
  EXPECT_EQ(tree["items"][0]["value"], value);
  EXPECT_FALSE(tree["items"][0]["children"][0].contains("value"));  // the general, a platoon
  // A company of three Panzer III platoons and its leader.
  EXPECT_NE(shown.out.find("\n        6. Kompanie [4 platoons, value 120]\n"), std::string::npos);
}

}  // namespace
}  // namespace valdren::test
