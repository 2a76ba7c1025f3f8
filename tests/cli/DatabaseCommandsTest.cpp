// The commands that print the database: check, dump and catalog, on the shared sample folder.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <regex>

#include "cli/RunTool.h"

namespace valdren::test {
namespace {

using nlohmann::json;

using DatabaseCommands = SampleFolderTest;
using CatalogCommand = SampleFolderTest;

TEST_F(DatabaseCommands, CheckCountsTheTemplatesOfEachEchelonAndTheWarnings) {
  folder.Write("error.log", "from an earlier run\n");
  const auto result = RunIn(folder, {"check"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out,
            "Platoons: 2\nCompanies: 3\nBattalions: 1\nRegiments: 0\nBrigades: 0\nDivisions: 0\n"
            "Corps: 0\nArmies: 0\nWarnings: 1\n");
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(folder.Read("error.log").rfind("List of suborganizations ends in promotion:\n", 0), 0u);
}

TEST_F(DatabaseCommands, DumpPrintsEveryTemplateInLoadOrderAsTextOrJson) {
  const auto text = RunIn(folder, {"dump"});
  EXPECT_EQ(text.status, 0);
  EXPECT_EQ(text.err, "");
  // A template a line, its group indented below it.
  EXPECT_TRUE(std::regex_match(text.out, std::regex("P1101 .*\nP9101 .*\nC100001 .*\n +.*\n"
                                                    "C100002 .*\n +.*\nC900001 .*\n +.*\n"
                                                    "B100010 .*\n +.*\n")))
      << text.out;

  const auto result = RunIn(folder, {"dump", "--json"});
  ASSERT_EQ(result.status, 0) << result.err;
  const json templates = json::parse(result.out).at("templates");
  ASSERT_EQ(templates.size(), 6u);
  EXPECT_EQ(templates[0], json::parse(R"({"echelon":0,"reference":1101,"name":"Rifles",
      "secondName":"Rifles","thirdName":"Rifles","catalogValue":10,
      "values":[1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24],"mark":"W",
      "word":"x","startMonth":1,"startYear":39,"endMonth":12,"endYear":45})"));
  EXPECT_EQ(templates[5], json::parse(R"({"echelon":2,"reference":100010,"name":"$ Battalion",
      "startMonth":1,"startYear":39,"endMonth":12,"endYear":45,"morale":6,"groups":[{
      "name":"# Company","startMonth":1,"startYear":39,"endMonth":12,"endYear":45,
      "promotion":true,"choices":[{"echelon":1,"reference":100001,"probability":50},
      {"echelon":1,"reference":100002,"probability":50}]}]})"));
}

const std::string kLaterGroups =
    "    Regiments\n    Brigades\n    Divisions\n    Corps\n    Armies\n";

// Nations, echelon groups and templates, each level two blanks further in; the messages are all
// that expanding Germany shows, also for the rows below the depth.
TEST_F(CatalogCommand, PrintsTheTreeWithTheNamedNationsExpandedAndTheirMessages) {
  const auto result = RunIn(folder, {"catalog", "--depth", "3", "Germany"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out,
            "Available Units and Organizations\n  Germany\n    Platoons\n      Rifles [10]\n"
            "    Companies\n      Rifle Company\n      Gun Company\n    Battalions\n"
            "      $ Battalion\n" +
                kLaterGroups + "  Great Britain\n    Platoons\n    Companies\n    Battalions\n" +
                kLaterGroups);
  const std::string gunCompany = "Missing subunits for: Gun Company (100002)\n";
  EXPECT_EQ(result.err, gunCompany + gunCompany);

  // Every nation, or the named ones in any order, expanded in ascending order.
  const auto all = RunIn(folder, {"catalog", "--depth", "1"});
  EXPECT_EQ(all.status, 0);
  EXPECT_EQ(all.out, "Available Units and Organizations\n  Germany\n  Great Britain\n");
  EXPECT_EQ(all.err, kSampleMessages);
  const auto named = RunIn(folder, {"catalog", "--depth", "1", "9", "Germany"});
  EXPECT_EQ(named.out, all.out);
  EXPECT_EQ(named.err, all.err);
  EXPECT_EQ(RunIn(folder, {"catalog", "--date", "02/43", "--depth", "1"}).err, "");

  const auto absent = RunIn(folder, {"catalog", "--depth", "1", "Poland"});
  EXPECT_EQ(absent.status, 0);
  EXPECT_EQ(absent.out, all.out);
  EXPECT_EQ(absent.err, "valdren: the database holds no templates of Poland\n");
}

TEST_F(CatalogCommand, JsonHoldsTheRowsImagesTemplatesAndMessages) {
  const auto result = RunIn(folder, {"catalog", "--json", "1"});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out.rfind("{\"tree\":{\"text\":", 0), 0u);
  const json tree = json::parse(result.out);
  const std::string company = "/tree/children/0/children/1/children/0";
  const struct {
    std::string pointer;
    json value;
  } cases[] = {
      {"/tree/text", "Available Units and Organizations"},
      {"/tree/image", 0},
      {"/tree/template", nullptr},
      {"/tree/children/0/image", 10},
      {"/tree/children/1/children/0/children", json::array()},  // not expanded
      {company + "/template", "C100001"},
      {company + "/children/0/text", "Zug"},
      {company + "/children/0/template", nullptr},
      {company + "/children/0/children/0/template", "P1101"},
      {"/messages",
       {"Missing subunits for: Gun Company (100002)",
        "Missing subunits for: Gun Company (100002)"}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(tree.at(json::json_pointer(c.pointer)), c.value) << c.pointer;
}

}  // namespace
}  // namespace valdren::test
