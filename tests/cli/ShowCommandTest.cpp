#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "cli/RunTool.h"
#include "oob/PlatoonFile.h"

namespace valdren::test {
namespace {

const std::string kExample =
    "1\r\n6\r\n6 41\r\n"
    "B200123 0 6 1st Battalion\r\n"
    "    C200045 1 6 1st Company\r\n"
    "        P2403 2 6 Company Leader\r\n"
    "        End\r\n"
    "    P2101 4 5 Rifle Platoon\r\n"
    "    End\r\n"
    "P2102 5 7 Caf\xe9 Unit\r\n";

TEST(ShowCommand, PrintsTheTreeWithAUnitLineBelowEachPlatoonWhenTheFolderHasADatabase) {
  GameFolder folder;
  folder.Write("main.org", kExample);
  const auto plain = RunIn(folder, {"show", "main.org"});
  EXPECT_EQ(plain.status, 0) << plain.err;
  EXPECT_EQ(plain.err, "");
  EXPECT_EQ(plain.out,
            "Created Units and Organizations\n"
            "  1st Battalion\n"
            "    1st Company\n"
            "      Company Leader\n"
            "    Rifle Platoon\n"
            "  Caf\xe9 Unit\n");

  folder.Write("platoon.obx",
               ScrambleFile(PlatoonLine("P2403", 0, "Company HQ, HQ, HQ") +
                            PlatoonLine("P2101", 0, "Rifle Platoon, Rifle Plt, RP")));
  const auto result = RunIn(folder, {"show", "main.org"});
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

TEST(ShowCommand, PrintsJsonWithEveryByteOfTheNames) {
  GameFolder folder;
  folder.Write("main.org", kExample);
  const auto result = RunIn(folder, {"show", "--json", "main.org"});
  ASSERT_EQ(result.status, 0) << result.err;
  // The keys come in the documented order.
  EXPECT_EQ(result.out.rfind("{\"version\":1,\"nextId\":6,\"month\":6,\"year\":41,\"items\":", 0),
            0u);
  EXPECT_EQ(nlohmann::json::parse(result.out), nlohmann::json::parse(R"({"version":1,"nextId":6,
      "month":6,"year":41,"items":[
      {"echelon":2,"reference":200123,"id":0,"morale":6,"name":"1st Battalion","children":[
        {"echelon":1,"reference":200045,"id":1,"morale":6,"name":"1st Company","children":[
          {"echelon":0,"reference":2403,"id":2,"morale":6,"name":"Company Leader"}]},
        {"echelon":0,"reference":2101,"id":4,"morale":5,"name":"Rifle Platoon"}]},
      {"echelon":0,"reference":2102,"id":5,"morale":7,"name":"Caf\u00e9 Unit"}]})"));
}

TEST(ShowCommand, PrintsWhatWasReadBeforeAFailure) {
  GameFolder folder;
  folder.Write("broken.org", "1\r\n3\r\n6 41\r\nP1 0 6 Kept\r\nC2 1 6 Lost\r\n    P3 x\r\n");
  const auto result = RunIn(folder, {"show", "broken.org"});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "Created Units and Organizations\n  Kept\n");
  EXPECT_EQ(result.err, "valdren: broken.org: Error reading file\n");

  folder.Write("main.org", "1\r\n1\r\n6 41\r\nP2101 0 6 Alone\r\n");
  folder.Write("company.oob", "41 6 45 12 C100001 7 " + std::string(100000, 'n') + "\n");
  const auto database = RunIn(folder, {"show", "main.org"});
  EXPECT_EQ(database.status, 1);
  EXPECT_EQ(database.out, "Created Units and Organizations\n  Alone\n");
  EXPECT_EQ(database.err, "File company.oob: line 2: Invalid unit date range\n");
}

}  // namespace
}  // namespace valdren::test
