// The commands that print the database: check, dump and catalog, on the shared sample folder.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/RunTool.h"

namespace valdren::test {
namespace {

using nlohmann::json;

class DatabaseCommands : public testing::Test {
 protected:
  void SetUp() override { WriteSampleData(folder); }
  GameFolder folder;
};
using CatalogCommand = DatabaseCommands;

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
  std::vector<std::string> references;  // a template a line, what belongs to it indented below
  std::istringstream lines(text.out);
  for (std::string line; std::getline(lines, line);)
    if (!line.starts_with(' ')) references.push_back(line.substr(0, line.find(' ')));
  EXPECT_EQ(references, (std::vector<std::string>{"P1101", "P9101", "C100001", "C100002", "C900001",
                                                  "B100010"}));

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

TEST_F(CatalogCommand, PrintsTheTreeWithTheNamedNationsExpandedAndTheirMessages) {
  const auto result = RunIn(folder, {"catalog", "Germany"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out,
            "Available Units and Organizations\n"
            "  Germany\n"
            "    Platoons\n"
            "      Rifles [10]\n"
            "    Companies\n"
            "      Rifle Company\n"
            "        Zug\n"
            "          Rifles\n"
            "      Gun Company\n"
            "    Battalions\n"
            "      $ Battalion\n"
            "        # Company\n"
            "          (50%) Rifle Company\n"
            "            Zug\n"
            "              Rifles\n"
            "          (50%) Gun Company\n" +
                kLaterGroups + "  Great Britain\n    Platoons\n    Companies\n    Battalions\n" +
                kLaterGroups);
  const std::string gunCompany = "Missing subunits for: Gun Company (100002)\n";
  EXPECT_EQ(result.err, gunCompany + gunCompany);

  // Every nation, or the named ones in any order, expanded in ascending order; the depth cuts the
  // rows, not the messages.
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
      {"/tree/children/0/text", "Germany"},
      {"/tree/children/0/image", 10},
      {"/tree/children/0/children/1/image", 2},
      {"/tree/children/1/children/0/children", json::array()},  // not expanded
      {company + "/template", "C100001"},
      {company + "/children/0/text", "Zug"},
      {company + "/children/0/image", 1},
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
