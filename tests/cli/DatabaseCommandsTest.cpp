#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/RunTool.h"
#include "oob/PlatoonFile.h"
#include "support/GameFolder.h"

namespace valdren {
namespace {

using nlohmann::json;
using test::RunTool;

// One stored platoon line with the given reference, catalog value and name text.
std::string Platoon(const std::string& reference, int value, const std::string& name) {
  std::string line = reference + " " + std::to_string(value) +
                     " 1 2 3 4 5 6 7 8 M 9 10 11 12 13 14 15 Tiger 16 17 18 19 20 21 41 6 45 12 "
                     "22 23 24 " +
                     name;
  Scramble(line);
  return line + "\r\n";
}

std::string Platoons() {
  return Platoon("P1101", 3, "Headquarters Platoon, HQ Plt, HQ") + Platoon("P1102", 4, "Rifle A") +
         Platoon("P1103", 4, "Rifle B") + Platoon("P1104", 4, "Rifle C") +
         Platoon("P1105", 5, "Mortar") + "\r\n";  // the blank line is a platoon too
}

// The first record loads without a warning; the second has probabilities adding up to 90.
const char* const kCompanies =
    "[Rifle company]\n"
    "41 6 45 12 C100001 7 Rifle Company\n"
    "41 06 43 12 P1101 Headquarters\n"
    "41 6 45 12 (70) P1102 (30) P1103 Rifle Platoon\n"
    "41 6 45 12 + P01104\n"
    "41 6 45 12 P1105 [support]\n"
    "\n"
    "41 6 45 12 C100002 5 Rifle Company (reduced)\n"
    "41 6 45 12 (70) P1102 (20) P1103 Rifle Platoon\n";

// The bytes of a JSON text whose characters all lie below 256: the reverse of the tool's mapping.
std::string Latin1(const std::string& utf8) {
  std::string bytes;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {
      bytes += static_cast<char>(lead);
    } else {
      EXPECT_TRUE(lead == 0xC2 || lead == 0xC3) << "not Latin-1: " << int{lead};
      bytes += static_cast<char>((lead & 0x03) << 6 | (utf8.at(++i) & 0x3F));
    }
  }
  return bytes;
}

std::string CheckOutput(const std::vector<int>& counts, int warnings) {
  const char* const labels[] = {"Platoons", "Companies", "Battalions", "Regiments",
                                "Brigades", "Divisions", "Corps",      "Armies"};
  std::string text;
  for (std::size_t i = 0; i < counts.size(); ++i)
    text += std::string(labels[i]) + ": " + std::to_string(counts[i]) + "\n";
  return text + "Warnings: " + std::to_string(warnings) + "\n";
}

TEST(CheckCommand, CountsTheTemplatesOfEachEchelonAndTheWarnings) {
  test::GameFolder folder;
  folder.Write("platoon.obx", Platoons());
  folder.Write("company.oob", kCompanies);
  folder.Write("battalion.oob", "this file is never read, as battalion02.oob exists\n");
  folder.Write("battalion02.oob", "41 6 45 12 B100100 6 Battalion\n41 6 45 12 C100001 One\n");
  folder.Write("error.log", "from an earlier run\n");

  const auto result = RunTool({"-C", folder.Path().string(), "check"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, CheckOutput({6, 2, 1, 0, 0, 0, 0, 0}, 1));
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(folder.Read("error.log"),
            "Probabilities do not add to 100:\n    Rifle Platoon\n    in: 100002 Rifle Company "
            "(reduced)\n");
}

TEST(CheckCommand, AnEmptyFolderHoldsNothingAndGetsAnEmptyErrorLog) {
  test::GameFolder folder;
  folder.Write("error.log", "from an earlier run\n");
  const auto result = RunTool({"-C", folder.Path().string(), "check"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, CheckOutput({0, 0, 0, 0, 0, 0, 0, 0}, 0));
  EXPECT_TRUE(std::filesystem::exists(folder.Path() / "error.log"));
  EXPECT_EQ(folder.Read("error.log"), "");
}

TEST(CheckCommand, ALoadErrorIsReportedAfterWhatWasLoaded) {
  test::GameFolder folder;
  folder.Write("platoon.obx", Platoons());
  folder.Write("company00.oob",
               "41 6 45 12 C100001 7 Rifle Company\n41 6 45 12 P1101\n\n"
               "41 6 45 12 C100002 7 Broken Company\n41 6 45 12 P1199 Ghost\n");
  folder.Write("battalion.oob", "41 6 45 12 B100100 6 Battalion\n41 6 45 12 C100001 One\n");

  const auto result = RunTool({"-C", folder.Path().string(), "check"});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, CheckOutput({6, 1, 0, 0, 0, 0, 0, 0}, 0));
  EXPECT_EQ(result.err, "File company00.oob: line 5: Invalid unit reference number: 1199\n");
}

TEST(DumpCommand, JsonHoldsEveryTemplateInLoadOrderWithItsFields) {
  test::GameFolder folder;
  folder.Write("platoon.obx",
               Platoon("P01403", 0x10, "Oberst M\xfcller") + Platoon("P1101", 2, "HQ"));
  folder.Write("company.oob",
               "41 6 45 12 C100001 7 Caf\xe9 Company\n"
               "42 3 44 11 + (60) P1101 (40) P1403 Pair\n");

  const auto result = RunTool({"-C", folder.Path().string(), "dump", "--json"});
  ASSERT_EQ(result.status, 0) << result.err;
  const json dump = json::parse(result.out);
  const json& templates = dump.at("templates");
  ASSERT_EQ(templates.size(), 3u);

  const json& leader = templates[0];
  EXPECT_EQ(leader.at("echelon"), 0);
  EXPECT_EQ(leader.at("reference"), 1403);
  EXPECT_EQ(leader.at("name"), "Oberst M\u00fcller");
  EXPECT_EQ(leader.at("secondName"), "Oberst M\u00fcller");
  EXPECT_EQ(leader.at("thirdName"), "Oberst M\u00fcller");
  EXPECT_EQ(leader.at("catalogValue"), 16);
  std::vector<int> values;
  for (int i = 1; i <= 24; ++i)
    values.push_back(i);
  EXPECT_EQ(leader.at("values"), json(values));
  EXPECT_EQ(leader.at("mark"), "M");
  EXPECT_EQ(leader.at("word"), "Tiger");
  EXPECT_EQ(leader.at("startMonth"), 6);
  EXPECT_EQ(leader.at("startYear"), 41);
  EXPECT_EQ(leader.at("endMonth"), 12);
  EXPECT_EQ(leader.at("endYear"), 45);
  EXPECT_FALSE(leader.contains("morale"));

  const json& company = templates[2];
  EXPECT_EQ(company.at("echelon"), 1);
  EXPECT_EQ(company.at("reference"), 100001);
  EXPECT_EQ(company.at("name"), "Caf\u00e9 Company");
  EXPECT_EQ(company.at("morale"), 7);
  EXPECT_FALSE(company.contains("values"));
  const json expectedGroup = {{"name", "Pair"},
                              {"startMonth", 3},
                              {"startYear", 42},
                              {"endMonth", 11},
                              {"endYear", 44},
                              {"promotion", true},
                              {"choices",
                               {{{"echelon", 0}, {"reference", 1101}, {"probability", 60}},
                                {{"echelon", 0}, {"reference", 1403}, {"probability", 40}}}}};
  EXPECT_EQ(company.at("groups"), json::array({expectedGroup}));
}

TEST(DumpCommand, EveryByteOfANameComesBackFromTheJson) {
  std::string name;
  for (int code = 33; code < 256; ++code)
    if (code != ',' && code != 127) name += static_cast<char>(code);
  test::GameFolder folder;
  folder.Write("platoon.obx", Platoon("P1101", 0, name));
  const auto result = RunTool({"-C", folder.Path().string(), "dump", "--json"});
  ASSERT_EQ(result.status, 0) << result.err;
  const std::string text = json::parse(result.out)["templates"][0]["name"];
  EXPECT_EQ(Latin1(text), name);
}

TEST(DumpCommand, TextListsATemplateALineAndReportsALoadErrorAfterIt) {
  test::GameFolder folder;
  folder.Write("platoon.obx", Platoon("P1101", 2, "HQ"));
  folder.Write("company.oob", "41 6 45 12 C100001 7 Company\n41 6 45 12 (x) P1101\n");
  folder.Write("battalion.oob", "41 6 45 12 B100100 6 Battalion\n41 6 45 12 P1101\n");
  const auto result = RunTool({"-C", folder.Path().string(), "dump"});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out.rfind("P1101 ", 0), 0u) << result.out;
  EXPECT_EQ(result.out.find('\n'), result.out.size() - 1) << result.out;
  EXPECT_EQ(result.err, "File company.oob: line 2: Invalid unit probability value\n");

  const auto asJson = RunTool({"-C", folder.Path().string(), "dump", "--json"});
  EXPECT_EQ(asJson.status, 1);
  EXPECT_EQ(json::parse(asJson.out)["templates"].size(), 1u);
  EXPECT_EQ(asJson.err, result.err);
}

}  // namespace
}  // namespace valdren
