#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "cli/RunTool.h"
#include "oob/PlatoonFile.h"
#include "support/GameFolder.h"

namespace valdren {
namespace {

using test::RunTool;

const std::string kExample =
    "1\r\n6\r\n6 41\r\n"
    "B200123 0 6 1st Battalion\r\n"
    "    C200045 1 6 1st Company\r\n"
    "        P2403 2 6 Company Leader\r\n"
    "        End\r\n"
    "    P2101 4 5 Rifle Platoon\r\n"
    "    End\r\n"
    "P2102 5 7 Caf\xe9 Unit\r\n";

TEST(ShowCommand, PrintsTheTreeOfCreatedUnits) {
  test::GameFolder folder;
  folder.Write("main.org", kExample);
  const auto result = RunTool({"-C", folder.Path().string(), "show", "main.org"});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            "Created Units and Organizations\n"
            "  1st Battalion\n"
            "    1st Company\n"
            "      Company Leader\n"
            "    Rifle Platoon\n"
            "  Caf\xe9 Unit\n");
}

TEST(ShowCommand, PrintsJsonWithEveryByteOfTheNames) {
  test::GameFolder folder;
  folder.Write("main.org", kExample);
  const auto result = RunTool({"-C", folder.Path().string(), "show", "--json", "main.org"});
  ASSERT_EQ(result.status, 0) << result.err;
  const auto json = nlohmann::json::parse(result.out);
  EXPECT_EQ(json["version"], 1);
  EXPECT_EQ(json["nextId"], 6);
  EXPECT_EQ(json["month"], 6);
  EXPECT_EQ(json["year"], 41);
  ASSERT_EQ(json["items"].size(), 2u);
  const auto& battalion = json["items"][0];
  EXPECT_EQ(battalion["echelon"], 2);
  EXPECT_EQ(battalion["reference"], 200123);
  EXPECT_EQ(battalion["name"], "1st Battalion");
  ASSERT_EQ(battalion["children"].size(), 2u);
  EXPECT_EQ(battalion["children"][0]["children"][0]["reference"], 2403);
  const auto& rifle = battalion["children"][1];
  EXPECT_EQ(rifle["id"], 4);
  EXPECT_EQ(rifle["morale"], 5);
  EXPECT_FALSE(rifle.contains("children"));
  EXPECT_EQ(json["items"][1]["name"], "Caf\u00e9 Unit");
  // The keys come in the documented order.
  EXPECT_EQ(result.out.rfind("{\"version\":1,\"nextId\":6,\"month\":6,\"year\":41,\"items\":", 0),
            0u);
}

TEST(ShowCommand, PrintsWhatWasReadBeforeAFailure) {
  test::GameFolder folder;
  folder.Write("broken.org", "1\r\n3\r\n6 41\r\nP1 0 6 Kept\r\nC2 1 6 Lost\r\n    P3 x\r\n");
  const auto result = RunTool({"-C", folder.Path().string(), "show", "broken.org"});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "Created Units and Organizations\n  Kept\n");
  EXPECT_EQ(result.err, "valdren: broken.org: Error reading file\n");
}

TEST(ShowCommand, MissingFilesAndUsageErrors) {
  test::GameFolder folder;
  const auto missing = RunTool({"-C", folder.Path().string(), "show", "none.org"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_EQ(missing.err, "valdren: none.org: Unable to open file\n");
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"show"}, {"show", "a.org", "b.org"}, {"show", "--xml", "a.org"}}) {
    const auto usage = RunTool(arguments);
    EXPECT_EQ(usage.status, 2) << testing::PrintToString(arguments);
    EXPECT_NE(usage.err.find("--help"), std::string::npos);
  }
}

std::string PlatoonLine(std::string_view reference, std::string_view names) {
  return std::string(reference) +
         " 10 36 0 100 100 100 6 1 5 F 4 12 0 0 7 0 3 inf_rifle 0 0 0 0 0 0 39 1 45 12 1 2 0 " +
         std::string(names) + "\r\n";
}

TEST(ShowCommand, FollowsEveryPlatoonWithItsUnitLineWhenTheFolderHasADatabase) {
  test::GameFolder folder;
  folder.Write("platoon.obx", ScrambleFile(PlatoonLine("P2403", "Company HQ, HQ, HQ") +
                                           PlatoonLine("P2101", "Rifle Platoon, Rifle Plt, RP")));
  folder.Write("main.org", kExample);
  const auto result = RunTool({"-C", folder.Path().string(), "show", "main.org"});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out,
            "Created Units and Organizations\n"
            "  1st Battalion\n"
            "    1st Company\n"
            "      Company Leader\n"
            "        Company HQ (6)\n"
            "    Rifle Platoon\n"
            "      Rifle Platoon (5)\n"
            "  Caf\xe9 Unit\n");  // P2102 names no template
  EXPECT_TRUE(std::filesystem::exists(folder.Path() / "error.log"));
}

TEST(ShowCommand, ADatabaseErrorIsReportedAfterTheTree) {
  test::GameFolder folder;
  folder.Write("main.org", "1\r\n1\r\n6 41\r\nP2101 0 6 Alone\r\n");
  folder.Write("company.oob", "41 6 45 12 C100001 7 " + std::string(100000, 'n') + "\n");
  const auto result = RunTool({"-C", folder.Path().string(), "show", "main.org"});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "Created Units and Organizations\n  Alone\n");
  EXPECT_EQ(result.err, "File company.oob: line 2: Invalid unit date range\n");
}

}  // namespace
}  // namespace valdren
