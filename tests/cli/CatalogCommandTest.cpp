#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "cli/RunTool.h"
#include "oob/PlatoonFile.h"

namespace valdren::test {
namespace {

// Germany with a leader (category 4), a platoon offered only as a choice (category 5), a platoon
// of 1943; companies whose groups or choices are missing in 1941; a battalion offering one of them
// at 35 percent. Great Britain with one company.
class CatalogCommand : public testing::Test {
 protected:
  void SetUp() override {
    folder.Write("platoon.obx", ScrambleFile(PlatoonLine("P1101", 10, "Schuetzen") +
                                             PlatoonLine("P1403", 0, "Leader") +
                                             PlatoonLine("P1501", 3, "Pioneer") +
                                             PlatoonLine("P1102", 4, "Late Gun", "43 1 45 12") +
                                             PlatoonLine("P9101", 8, "Rifles")));
    folder.Write("company.oob",
                 "39 1 45 12 C100001 7 Sch\xfctzen Kompanie\n"
                 "39 1 45 12 P1403 Command\n"
                 "39 1 45 12 (50) P1101 (50) P1501 Zug\n\n"
                 "39 1 45 12 C100002 7 Pak Kompanie\n"
                 "43 1 45 12 P1102 Guns\n\n"
                 "39 1 45 12 C100003 7 Support Kompanie\n"
                 "39 1 45 12 P1102 Late\n\n"
                 "43 1 45 12 C100004 7 Spaet Kompanie\n"
                 "39 1 45 12 P1101 Zug\n\n"
                 "39 1 45 12 C900001 5 Rifle Company\n"
                 "39 1 45 12 P9101 Riflemen\n");
    folder.Write("battalion.oob",
                 "39 1 45 12 B100010 6 Bataillon\n"
                 "39 1 45 12 (35) C100003 (65) C100001 Kompanien\n");
  }
  GameFolder folder;
};

const std::string kEmptyGroups =
    "    Regiments\n    Brigades\n    Divisions\n    Corps\n    Armies\n";
const std::string kMessages =
    "Missing subunits for: Pak Kompanie (100002)\n"
    "Missing subunits for: Late, Support Kompanie\n"
    "Missing subunits for: Late, (35%) Support Kompanie\n";

TEST_F(CatalogCommand, PrintsEveryNationExpandedWithItsMessagesInOrder) {
  const auto result = RunIn(folder, {"catalog"});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out,
            "Available Units and Organizations\n"
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
            "              (50%) Pioneer\n" +
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
  EXPECT_EQ(result.err, kMessages);
  EXPECT_TRUE(std::filesystem::exists(folder.Path() / "error.log"));
  // Nations by index and by name, in any order, are expanded in ascending order.
  const auto both = RunIn(folder, {"catalog", "9", "Germany"});
  EXPECT_EQ(both.out, result.out);
  EXPECT_EQ(both.err, result.err);
}

TEST_F(CatalogCommand, ExpandsOnlyTheNamedNationsAtTheDateAndDepthGiven) {
  const auto result = RunIn(folder, {"catalog", "--date", "02/43", "--depth", "3", "Germany"});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out,
            "Available Units and Organizations\n"
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
            "      Bataillon\n" +
                kEmptyGroups + "  Great Britain\n    Platoons\n    Companies\n" +
                "    Battalions\n" + kEmptyGroups);
  EXPECT_EQ(result.err, "");  // in 1943 nothing is missing

  // A nation without templates has no row to expand: said, but the tree is still right.
  const auto absent = RunIn(folder, {"catalog", "--depth", "1", "Poland"});
  EXPECT_EQ(absent.status, 0);
  EXPECT_EQ(absent.out, "Available Units and Organizations\n  Germany\n  Great Britain\n");
  EXPECT_EQ(absent.err, "valdren: the database holds no templates of Poland\n");
}

TEST_F(CatalogCommand, JsonHoldsTheRowsImagesTemplatesAndMessages) {
  const auto result = RunIn(folder, {"catalog", "--json", "1"});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out.rfind("{\"tree\":{\"text\":", 0), 0u);
  const auto json = nlohmann::json::parse(result.out);
  const struct {
    const char* pointer;
    nlohmann::json value;
  } cases[] = {
      {"/tree/text", "Available Units and Organizations"},
      {"/tree/image", 0},
      {"/tree/template", nullptr},
      {"/tree/children/0/image", 10},
      {"/tree/children/1/children/0/children", nlohmann::json::array()},  // not expanded
      {"/tree/children/0/children/1/text", "Companies"},
      {"/tree/children/0/children/1/image", 2},
      {"/tree/children/0/children/1/children/0/text", "Sch\u00fctzen Kompanie"},
      {"/tree/children/0/children/1/children/0/template", "C100001"},
      {"/tree/children/0/children/1/children/0/image", 10},
      {"/tree/children/0/children/1/children/0/children/1/text", "Zug"},
      {"/tree/children/0/children/1/children/0/children/1/image", 1},
      {"/tree/children/0/children/1/children/0/children/1/template", nullptr},
      {"/tree/children/0/children/1/children/0/children/1/children/1/text", "(50%) Pioneer"},
      {"/tree/children/0/children/1/children/0/children/1/children/1/template", "P1501"},
      {"/tree/children/0/children/2/children/0/children/0/image", 2},
      {"/messages",
       {"Missing subunits for: Pak Kompanie (100002)",
        "Missing subunits for: Late, Support Kompanie",
        "Missing subunits for: Late, (35%) Support Kompanie"}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(json.at(nlohmann::json::json_pointer(c.pointer)), c.value) << c.pointer;
}

TEST_F(CatalogCommand, ALoadErrorIsReportedAfterTheMessagesAndWhatWasLoadedIsShown) {
  folder.Write("regiment.oob", "39 1 45 12 R100020 6 Regiment\n39 1 45 12 B999 Nothing\n");
  const auto result = RunIn(folder, {"catalog", "--depth", "1"});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "Available Units and Organizations\n  Germany\n  Great Britain\n");
  EXPECT_EQ(result.err,
            kMessages + "File regiment.oob: line 2: Invalid unit reference number: 999\n");
}

}  // namespace
}  // namespace valdren::test
