#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "cli/RunTool.h"
#include "oob/PlatoonFile.h"
#include "support/GameFolder.h"

namespace valdren {
namespace {

using test::RunTool;

// A platoon line: reference, catalog value, 8 values, mark, 7 values, word, 6 values, the date
// range as start year, start month, end year, end month, 3 values, one separator and the name.
std::string PlatoonLine(const char* reference, int catalogValue, const char* range,
                        const char* name) {
  return std::string(reference) + " " + std::to_string(catalogValue) +
         " 0 0 0 0 0 0 0 0 W 0 0 0 0 0 0 0 x 0 0 0 0 0 0 " + range + " 0 0 0 " + name + "\n";
}

// Germany with a leader (category 4), a platoon offered only as a choice (category 5), a platoon
// of 1943; companies whose groups or choices are missing in 1941; a battalion offering one of them
// at 35 percent. Great Britain with one company.
void WriteDatabase(const test::GameFolder& folder) {
  folder.Write("platoon.obx", ScrambleFile(PlatoonLine("P1101", 10, "39 1 45 12", "Schuetzen") +
                                           PlatoonLine("P1403", 0, "39 1 45 12", "Leader") +
                                           PlatoonLine("P1501", 3, "39 1 45 12", "Pioneer") +
                                           PlatoonLine("P1102", 4, "43 1 45 12", "Late Gun") +
                                           PlatoonLine("P9101", 8, "39 1 45 12", "Rifles")));
  folder.Write("company.oob",
               "39 1 45 12 C100001 7 Sch\xfctzen Kompanie\n"
               "39 1 45 12 P1403 Command\n"
               "39 1 45 12 (50) P1101 (50) P1501 Zug\n"
               "\n"
               "39 1 45 12 C100002 7 Pak Kompanie\n"
               "43 1 45 12 P1102 Guns\n"
               "\n"
               "39 1 45 12 C100003 7 Support Kompanie\n"
               "39 1 45 12 P1102 Late\n"
               "\n"
               "43 1 45 12 C100004 7 Spaet Kompanie\n"
               "39 1 45 12 P1101 Zug\n"
               "\n"
               "39 1 45 12 C900001 5 Rifle Company\n"
               "39 1 45 12 P9101 Riflemen\n");
  folder.Write("battalion.oob",
               "39 1 45 12 B100010 6 Bataillon\n"
               "39 1 45 12 (35) C100003 (65) C100001 Kompanien\n");
}

const char* const kEmptyGroups =
    "    Regiments\n"
    "    Brigades\n"
    "    Divisions\n"
    "    Corps\n"
    "    Armies\n";

TEST(CatalogCommand, PrintsEveryNationExpandedWithItsMessagesInOrder) {
  test::GameFolder folder;
  WriteDatabase(folder);
  const auto result = RunTool({"-C", folder.Path().string(), "catalog"});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, std::string("Available Units and Organizations\n"
                                    "  Germany\n"
                                    "    Platoons\n"
                                    "      Schuetzen [10]\n"
                                    "      Leader\n"
                                    "    Companies\n"
                                    "      Sch\xfctzen Kompanie\n"
                                    "        Command\n"
                                    "          Leader\n"
                                    "        Zug\n"
                                    "          (50%) Schuetzen\n"
                                    "          (50%) Pioneer\n"
                                    "      Pak Kompanie\n"
                                    "      Support Kompanie\n"
                                    "        Late\n"
                                    "    Battalions\n"
                                    "      Bataillon\n"
                                    "        Kompanien\n"
                                    "          (35%) Support Kompanie\n"
                                    "            Late\n"
                                    "          (65%) Sch\xfctzen Kompanie\n"
                                    "            Command\n"
                                    "              Leader\n"
                                    "            Zug\n"
                                    "              (50%) Schuetzen\n"
                                    "              (50%) Pioneer\n") +
                            kEmptyGroups +
                            "  Great Britain\n"
                            "    Platoons\n"
                            "      Rifles [8]\n"
                            "    Companies\n"
                            "      Rifle Company\n"
                            "        Riflemen\n"
                            "          Rifles\n"
                            "    Battalions\n" +
                            kEmptyGroups);
  EXPECT_EQ(result.err,
            "Missing subunits for: Pak Kompanie (100002)\n"
            "Missing subunits for: Late, Support Kompanie\n"
            "Missing subunits for: Late, (35%) Support Kompanie\n");
  EXPECT_TRUE(std::filesystem::exists(folder.Path() / "error.log"));
}

TEST(CatalogCommand, ExpandsOnlyTheNamedNationsAtTheDateAndDepthGiven) {
  test::GameFolder folder;
  WriteDatabase(folder);
  const auto result = RunTool(
      {"-C", folder.Path().string(), "catalog", "--date", "02/43", "--depth", "3", "Germany"});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, std::string("Available Units and Organizations\n"
                                    "  Germany\n"
                                    "    Platoons\n"
                                    "      Schuetzen [10]\n"
                                    "      Leader\n"
                                    "      Late Gun [4]\n"
                                    "    Companies\n"
                                    "      Sch\xfctzen Kompanie\n"
                                    "      Pak Kompanie\n"
                                    "      Support Kompanie\n"
                                    "      Spaet Kompanie\n"
                                    "    Battalions\n"
                                    "      Bataillon\n") +
                            kEmptyGroups +
                            "  Great Britain\n"
                            "    Platoons\n"
                            "    Companies\n"
                            "    Battalions\n" +
                            kEmptyGroups);
  EXPECT_EQ(result.err, "");  // in 1943 nothing is missing

  // Nations by index and by name, in any order, are expanded in ascending order.
  const auto both = RunTool({"-C", folder.Path().string(), "catalog", "9", "Germany"});
  const auto all = RunTool({"-C", folder.Path().string(), "catalog"});
  EXPECT_EQ(both.out, all.out);
  EXPECT_EQ(both.err, all.err);

  // A nation without templates has no row to expand: said, but the tree is still right.
  const auto absent = RunTool({"-C", folder.Path().string(), "catalog", "--depth", "1", "Poland"});
  EXPECT_EQ(absent.status, 0);
  EXPECT_EQ(absent.out, "Available Units and Organizations\n  Germany\n  Great Britain\n");
  EXPECT_EQ(absent.err, "valdren: the database holds no templates of Poland\n");
}

TEST(CatalogCommand, JsonHoldsTheRowsImagesTemplatesAndMessages) {
  test::GameFolder folder;
  WriteDatabase(folder);
  const auto result = RunTool({"-C", folder.Path().string(), "catalog", "--json", "1"});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  const auto json = nlohmann::json::parse(result.out);
  const auto& root = json["tree"];
  EXPECT_EQ(root["text"], "Available Units and Organizations");
  EXPECT_EQ(root["image"], 0);
  EXPECT_TRUE(root["template"].is_null());
  ASSERT_EQ(root["children"].size(), 2u);
  const auto& germany = root["children"][0];
  EXPECT_EQ(germany["image"], 10);
  EXPECT_EQ(root["children"][1]["children"][0]["children"].size(), 0u);  // not expanded
  const auto& companies = germany["children"][1];
  EXPECT_EQ(companies["text"], "Companies");
  EXPECT_EQ(companies["image"], 2);
  const auto& company = companies["children"][0];
  EXPECT_EQ(company["text"], "Sch\u00fctzen Kompanie");
  EXPECT_EQ(company["template"], "C100001");
  EXPECT_EQ(company["image"], 10);
  const auto& group = company["children"][1];
  EXPECT_EQ(group["text"], "Zug");
  EXPECT_EQ(group["image"], 1);
  EXPECT_TRUE(group["template"].is_null());
  EXPECT_EQ(group["children"][1]["text"], "(50%) Pioneer");
  EXPECT_EQ(group["children"][1]["template"], "P1501");
  EXPECT_EQ(germany["children"][2]["children"][0]["children"][0]["image"], 2);
  EXPECT_EQ(json["messages"], nlohmann::json::array({
                                  "Missing subunits for: Pak Kompanie (100002)",
                                  "Missing subunits for: Late, Support Kompanie",
                                  "Missing subunits for: Late, (35%) Support Kompanie",
                              }));
  EXPECT_EQ(result.out.rfind("{\"tree\":{\"text\":", 0), 0u);
}

TEST(CatalogCommand, ALoadErrorIsReportedAndWhatWasLoadedIsShown) {
  test::GameFolder folder;
  WriteDatabase(folder);
  folder.Write("regiment.oob", "39 1 45 12 R100020 6 Regiment\n39 1 45 12 B999 Nothing\n");
  const auto result = RunTool({"-C", folder.Path().string(), "catalog", "--depth", "1"});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "Available Units and Organizations\n  Germany\n  Great Britain\n");
  // As every command that loads the database: the error after the output.
  EXPECT_EQ(result.err,
            "Missing subunits for: Pak Kompanie (100002)\n"
            "Missing subunits for: Late, Support Kompanie\n"
            "Missing subunits for: Late, (35%) Support Kompanie\n"
            "File regiment.oob: line 2: Invalid unit reference number: 999\n");
}

TEST(CatalogCommand, MalformedValuesAreUsageErrors) {
  test::GameFolder folder;
  WriteDatabase(folder);
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"catalog", "--date", "13/41"},
        {"catalog", "--date", "6/46"},
        {"catalog", "--date", "6/1941"},
        {"catalog", "--date", "6-41"},
        {"catalog", "--depth", "-1"},
        {"catalog", "20"},
        {"catalog", "germany"}}) {
    std::vector<std::string> withFolder{"-C", folder.Path().string()};
    withFolder.insert(withFolder.end(), arguments.begin(), arguments.end());
    const auto usage = RunTool(withFolder);
    EXPECT_EQ(usage.status, 2) << testing::PrintToString(arguments);
    EXPECT_EQ(usage.out, "");
    EXPECT_NE(usage.err.find("--help"), std::string::npos);
  }
}

}  // namespace
}  // namespace valdren
