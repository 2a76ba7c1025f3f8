// The demo game folder is what a new user tries first, so its data is held to the tool's own
// checks: it loads cleanly, the catalog never finds a template without subunits, and every
// organization template builds into a tree without empty groups at the dates it claims.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>

#include "cli/RunTool.h"

namespace valdren::test {
namespace {

// Works on a copy: the tool writes error.log (and the tests their .org files) into the folder it
// works on, and the source tree must stay as committed.
class DemoData : public testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy(VALDREN_DEMO, demo.Path(), std::filesystem::copy_options::recursive);
  }
  GameFolder demo;
};

TEST_F(DemoData, LoadsWithoutWarningsWithEveryEchelonAndFromItsPlatoonSource) {
  // A warning kept on purpose would be explained beside the data; there is none.
  ASSERT_FALSE(std::filesystem::exists(demo.Path() / "WARNINGS.md"));
  const auto result = RunIn(demo, {"check"});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_NE(result.out.find("\nWarnings: 0\n"), std::string::npos) << result.out;
  EXPECT_EQ(demo.Read("error.log"), "");
  // An empty file or a misnamed one would leave a zero here.
  for (const char* echelon : {"Platoons", "Companies", "Battalions", "Regiments", "Brigades",
                              "Divisions", "Corps", "Armies"})
    EXPECT_EQ(result.out.find(std::string(echelon) + ": 0\n"), std::string::npos) << echelon;

  const auto encoded = RunIn(demo, {"obx", "encode", "platoon.obx.txt"});
  ASSERT_EQ(encoded.status, 0) << encoded.err;
  ASSERT_FALSE(demo.Read("platoon.obx").empty());
  EXPECT_TRUE(encoded.out == demo.Read("platoon.obx"))
      << "run valdren obx encode platoon.obx.txt > platoon.obx";
}

TEST_F(DemoData, CatalogFindsSubunitsForEveryTemplateInEveryMonthOfTheWar) {
  // One level is enough: expanding a nation reports every template without subunits.
  for (int year = 39; year <= 45; ++year) {
    for (int month = 1; month <= 12; ++month) {
      const std::string date = std::to_string(month) + "/" + std::to_string(year);
      const auto result = RunIn(demo, {"catalog", "--date", date, "--depth", "1"});
      EXPECT_EQ(result.status, 0) << date;
      // The first message is enough to find the template; there may be hundreds.
      EXPECT_EQ(result.err, "") << date << ": " << result.err.substr(0, result.err.find('\n'));
      EXPECT_NE(result.out.find("\n  Germany\n"), std::string::npos) << date;
    }
  }
}

// Names the first group item without children below item, or gives the empty text.
std::string EmptyGroup(const nlohmann::json& item, const std::string& path) {
  const std::string here = path + " / " + item["name"].get<std::string>();
  if (item["echelon"] == 0) return {};
  if (!item.contains("children") || item["children"].empty()) return here;
  for (const auto& child : item["children"])
    if (const std::string found = EmptyGroup(child, here); !found.empty()) return found;
  return {};
}

// A process for each build is what the run costs, so each organization template is built once,
// in its first month or in its last in turn, so that both ends of the ranges are tried. Each is
// appended to the file of its echelon, so that one `show` reads them all.
TEST_F(DemoData, EveryOrganizationBuildsWithoutEmptyGroups) {
  const auto dump = RunIn(demo, {"dump", "--json"});
  ASSERT_EQ(dump.status, 0) << dump.err;
  std::map<std::string, std::vector<std::string>> built;  // file: REF at DATE
  int count = 0;
  const auto json = nlohmann::json::parse(dump.out);
  for (const auto& t : json["templates"]) {
    if (t["echelon"] == 0) continue;
    const std::string end = count++ % 2 == 1 ? "end" : "start";
    const std::string date = std::to_string(t[end + "Month"].get<int>()) + "/" +
                             std::to_string(t[end + "Year"].get<int>());
    const std::string ref =
        "PCBRGDKA"[t["echelon"].get<int>()] + std::to_string(t["reference"].get<long long>());
    const std::string file = ref.substr(0, 1) + ".org";
    std::vector<std::string> arguments{"build",  ref, "--date",   date,
                                       "--seed", "7", "--output", file};
    if (built.contains(file)) arguments.insert(arguments.end(), {"--into", file});
    const auto result = RunIn(demo, arguments);
    ASSERT_EQ(result.status, 0) << ref << " at " << date << ": " << result.err;
    EXPECT_EQ(result.err, "") << ref << " at " << date;
    built[file].push_back(ref + " at " + date);
  }
  ASSERT_GT(count, 100);

  for (const auto& [file, builds] : built) {
    const auto text = RunIn(demo, {"show", file});
    EXPECT_EQ(text.status, 0) << file << ": " << text.err;
    EXPECT_EQ(text.err, "") << file;
    const auto shown = RunIn(demo, {"show", "--json", file});
    ASSERT_EQ(shown.status, 0) << file << ": " << shown.err;
    const auto items = nlohmann::json::parse(shown.out)["items"];
    ASSERT_EQ(items.size(), builds.size()) << file;
    // The text has a line for the root and for every item, the units below included.
    EXPECT_GT(std::ranges::count(text.out, '\n'), static_cast<std::ptrdiff_t>(2 * items.size()))
        << file;
    for (std::size_t i = 0; i < items.size(); ++i) {
      EXPECT_EQ(builds[i].substr(1, builds[i].find(' ') - 1),
                std::to_string(items[i]["reference"].get<long long>()));
      EXPECT_EQ(EmptyGroup(items[i], builds[i]), "");
    }
  }
}

// The sample file is what the commands in the folder's README build, so that anyone can
// reproduce it, and it stays in step with the templates it was built from.
TEST_F(DemoData, SampleOrganizationIsWhatItsCommandsBuild) {
  for (const auto& build :
       {std::vector<std::string>{"build", "D150003", "--date", "6/41", "--seed", "7", "--output",
                                 "re.org"},
        {"build", "D950001", "--seed", "8", "--into", "re.org", "--output", "re.org"}})
    ASSERT_EQ(RunIn(demo, build).status, 0);
  EXPECT_TRUE(demo.Read("re.org") == demo.Read("main.org"))
      << "main.org differs from what the commands in data/demo/README.md build: run them again";
  const auto shown = RunIn(demo, {"show", "main.org"});
  EXPECT_EQ(shown.status, 0) << shown.err;
  EXPECT_EQ(shown.err, "");
}

}  // namespace
}  // namespace valdren::test
