#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "cli/RunTool.h"
#include "oob/PlatoonFile.h"

namespace valdren::test {
namespace {

using nlohmann::json;

// One stored platoon line with values 1 to 24 in their places, mark M and word Tiger.
std::string Platoon(const std::string& reference, int value, const std::string& name) {
  std::string line = reference + " " + std::to_string(value) +
                     " 1 2 3 4 5 6 7 8 M 9 10 11 12 13 14 15 Tiger 16 17 18 19 20 21 41 6 45 12 "
                     "22 23 24 " +
                     name;
  Scramble(line);
  return line + "\r\n";
}

// Five platoons and a blank line, which is a platoon too.
const std::string kPlatoons = Platoon("P1101", 3, "Headquarters Platoon, HQ Plt, HQ") +
                              Platoon("P1102", 4, "Rifle A") + Platoon("P1103", 4, "Rifle B") +
                              Platoon("P1104", 4, "Rifle C") + Platoon("P1105", 5, "Mortar") +
                              "\r\n";

std::string CheckOutput(const std::vector<int>& counts, int warnings) {
  const char* const labels[] = {"Platoons", "Companies", "Battalions", "Regiments",
                                "Brigades", "Divisions", "Corps",      "Armies"};
  std::string text;
  for (std::size_t i = 0; i < 8; ++i)
    text += std::string(labels[i]) + ": " + std::to_string(counts[i]) + "\n";
  return text + "Warnings: " + std::to_string(warnings) + "\n";
}

TEST(CheckCommand, CountsTheTemplatesOfEachEchelonAndTheWarnings) {
  GameFolder folder;
  folder.Write("platoon.obx", kPlatoons);
  // The first record loads without a warning; the second has probabilities adding up to 90.
  folder.Write("company.oob",
               "[Rifle company]\n"
               "41 6 45 12 C100001 7 Rifle Company\n"
               "41 06 43 12 P1101 Headquarters\n"
               "41 6 45 12 (70) P1102 (30) P1103 Rifle Platoon\n"
               "41 6 45 12 + P01104\n"
               "41 6 45 12 P1105 [support]\n"
               "\n"
               "41 6 45 12 C100002 5 Rifle Company (reduced)\n"
               "41 6 45 12 (70) P1102 (20) P1103 Rifle Platoon\n");
  folder.Write("battalion.oob", "this file is never read, as battalion02.oob exists\n");
  folder.Write("battalion02.oob", "41 6 45 12 B100100 6 Battalion\n41 6 45 12 C100001 One\n");
  folder.Write("error.log", "from an earlier run\n");
  const auto result = RunIn(folder, {"check"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, CheckOutput({6, 2, 1, 0, 0, 0, 0, 0}, 1));
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(folder.Read("error.log"),
            "Probabilities do not add to 100:\n    Rifle Platoon\n    in: 100002 Rifle Company "
            "(reduced)\n");

  GameFolder empty;
  empty.Write("error.log", "from an earlier run\n");
  const auto nothing = RunIn(empty, {"check"});
  EXPECT_EQ(nothing.status, 0);
  EXPECT_EQ(nothing.out, CheckOutput({0, 0, 0, 0, 0, 0, 0, 0}, 0));
  EXPECT_TRUE(std::filesystem::exists(empty.Path() / "error.log"));
  EXPECT_EQ(empty.Read("error.log"), "");
}

// Every command that loads: the error after what was loaded, and status 1.
TEST(DatabaseCommands, ALoadErrorIsReportedAfterWhatWasLoaded) {
  GameFolder folder;
  folder.Write("platoon.obx", kPlatoons);
  folder.Write("company00.oob",
               "41 6 45 12 C100001 7 Rifle Company\n41 6 45 12 P1101\n\n"
               "41 6 45 12 C100002 7 Broken Company\n41 6 45 12 (x) P1101 Ghost\n");
  folder.Write("battalion.oob", "41 6 45 12 B100100 6 Battalion\n41 6 45 12 C100001 One\n");
  const char* const error = "File company00.oob: line 5: Invalid unit probability value\n";
  const auto check = RunIn(folder, {"check"});
  EXPECT_EQ(check.status, 1);
  EXPECT_EQ(check.out, CheckOutput({6, 1, 0, 0, 0, 0, 0, 0}, 0));
  EXPECT_EQ(check.err, error);

  const auto text = RunIn(folder, {"dump"});
  EXPECT_EQ(text.status, 1);
  int templates = 0;  // a line each, what belongs to it indented below
  for (std::size_t i = 0; i < text.out.size(); ++i)
    templates += (i == 0 || text.out[i - 1] == '\n') && text.out[i] != ' ';
  EXPECT_EQ(templates, 7) << text.out;
  EXPECT_EQ(text.out.rfind("P1101 ", 0), 0u) << text.out;
  EXPECT_NE(text.out.find("\nC100001 "), std::string::npos) << text.out;
  EXPECT_EQ(text.err, error);
  const auto asJson = RunIn(folder, {"dump", "--json"});
  EXPECT_EQ(asJson.status, 1);
  EXPECT_EQ(json::parse(asJson.out)["templates"].size(), 7u);
  EXPECT_EQ(asJson.err, error);
}

TEST(DumpCommand, JsonHoldsEveryTemplateInLoadOrderWithItsFields) {
  GameFolder folder;
  folder.Write("platoon.obx",
               Platoon("P01403", 0x10, "Oberst M\xfcller") + Platoon("P1101", 2, "HQ"));
  folder.Write("company.oob",
               "41 6 45 12 C100001 7 Caf\xe9 Company\n"
               "42 3 44 11 + (60) P1101 (40) P1403 Pair\n");
  const auto result = RunIn(folder, {"dump", "--json"});
  ASSERT_EQ(result.status, 0) << result.err;
  const json templates = json::parse(result.out).at("templates");
  ASSERT_EQ(templates.size(), 3u);
  EXPECT_EQ(templates[0], json::parse(R"({"echelon":0,"reference":1403,"name":"Oberst M\u00fcller",
      "secondName":"Oberst M\u00fcller","thirdName":"Oberst M\u00fcller","catalogValue":16,
      "values":[1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24],"mark":"M",
      "word":"Tiger","startMonth":6,"startYear":41,"endMonth":12,"endYear":45})"));
  EXPECT_EQ(templates[2], json::parse(R"({"echelon":1,"reference":100001,"name":"Caf\u00e9 Company",
      "startMonth":6,"startYear":41,"endMonth":12,"endYear":45,"morale":7,"groups":[{"name":"Pair",
      "startMonth":3,"startYear":42,"endMonth":11,"endYear":44,"promotion":true,"choices":[
      {"echelon":0,"reference":1101,"probability":60},
      {"echelon":0,"reference":1403,"probability":40}]}]})"));
}

TEST(DumpCommand, EveryByteOfANameComesBackFromTheJson) {
  std::string name;
  for (int code = 33; code < 256; ++code)
    if (code != ',' && code != 127) name += static_cast<char>(code);
  GameFolder folder;
  folder.Write("platoon.obx", Platoon("P1101", 0, name));
  const auto result = RunIn(folder, {"dump", "--json"});
  ASSERT_EQ(result.status, 0) << result.err;
  std::string utf8;  // each byte as the character of the same code
  for (const unsigned char byte : name) {
    if (byte >= 0x80) utf8 += static_cast<char>(0xC0 | byte >> 6);
    utf8 += static_cast<char>(byte < 0x80 ? byte : 0x80 | (byte & 0x3F));
  }
  EXPECT_EQ(json::parse(result.out)["templates"][0]["name"], utf8);
}

}  // namespace
}  // namespace valdren::test
