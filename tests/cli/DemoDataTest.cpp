// The demo game folder is what a new user tries first, so its data is held to the tool's own
// checks: it loads cleanly, the catalog never finds a template without subunits, and every
// organization template builds into a tree without empty groups at the dates it claims.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/RunTool.h"
#include "support/GameFolder.h"

namespace valdren {
namespace {

using test::RunTool;

// A copy of the demo folder: the tool writes error.log (and the tests their .org files) into the
// folder it works on, and the source tree must stay as committed.
class DemoFolder {
 public:
  DemoFolder() {
    std::filesystem::copy(VALDREN_DEMO, folder_.Path(), std::filesystem::copy_options::recursive);
  }
  std::string Path() const { return folder_.Path().string(); }
  std::string Read(std::string_view name) const { return folder_.Read(name); }
  bool Exists(std::string_view name) const {
    return std::filesystem::exists(folder_.Path() / name);
  }

 private:
  test::GameFolder folder_;
};

TEST(DemoData, LoadsWithoutWarnings) {
  const DemoFolder demo;
  // A warning kept on purpose would be explained beside the data; there is none.
  ASSERT_FALSE(demo.Exists("WARNINGS.md"));
  const auto result = RunTool({"-C", demo.Path(), "check"});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_NE(result.out.find("\nWarnings: 0\n"), std::string::npos) << result.out;
  EXPECT_EQ(demo.Read("error.log"), "");
  // Every echelon is present: an empty file or a misnamed one would leave a zero here.
  for (const char* echelon : {"Platoons", "Companies", "Battalions", "Regiments", "Brigades",
                              "Divisions", "Corps", "Armies"}) {
    EXPECT_EQ(result.out.find(std::string(echelon) + ": 0\n"), std::string::npos) << echelon;
  }
}

TEST(DemoData, ReadablePlatoonSourceScramblesToThePlatoonFile) {
  const DemoFolder demo;
  const auto result = RunTool({"-C", demo.Path(), "obx", "encode", "platoon.obx.txt"});
  ASSERT_EQ(result.status, 0) << result.err;
  const std::string scrambled = demo.Read("platoon.obx");
  ASSERT_FALSE(scrambled.empty());
  EXPECT_TRUE(result.out == scrambled) << "platoon.obx is not platoon.obx.txt scrambled: run "
                                          "valdren obx encode platoon.obx.txt > platoon.obx";
}

TEST(DemoData, CatalogFindsSubunitsForEveryTemplateInEveryMonthOfTheWar) {
  const DemoFolder demo;
  // One level is enough: expanding a nation reports every template without subunits, whatever
  // the number of rows printed.
  for (int year = 39; year <= 45; ++year) {
    for (int month = 1; month <= 12; ++month) {
      const std::string date = std::to_string(month) + "/" + std::to_string(year);
      const auto result = RunTool({"-C", demo.Path(), "catalog", "--date", date, "--depth", "1"});
      EXPECT_EQ(result.status, 0) << date;
      // The first message is enough to find the template; there may be hundreds.
      EXPECT_TRUE(result.err.empty())
          << date << ": " << result.err.substr(0, result.err.find('\n'));
      EXPECT_NE(result.out.find("\n  Germany\n"), std::string::npos) << date;
    }
  }
}

struct Build {
  std::string reference;  // with its type prefix, as the tool takes it
  std::string date;
};

// Every organization template with a date inside its range. A process for each build is what
// the run costs, so each template is built once: in its first month or in its last, in turn, so
// that both ends of the ranges are tried across the data.
std::vector<Build> OrganizationBuilds(const DemoFolder& demo) {
  const auto dump = RunTool({"-C", demo.Path(), "dump", "--json"});
  EXPECT_EQ(dump.status, 0) << dump.err;
  std::vector<Build> builds;
  static constexpr std::array<char, 8> kPrefix = {'P', 'C', 'B', 'R', 'G', 'D', 'K', 'A'};
  const auto json = nlohmann::json::parse(dump.out);
  for (const auto& t : json["templates"]) {
    const int echelon = t["echelon"];
    if (echelon == 0) continue;
    const bool atEnd = builds.size() % 2 == 1;
    const int month = atEnd ? t["endMonth"] : t["startMonth"];
    const int year = atEnd ? t["endYear"] : t["startYear"];
    builds.push_back({kPrefix.at(echelon) + std::to_string(t["reference"].get<long long>()),
                      std::to_string(month) + "/" + std::to_string(year)});
  }
  return builds;
}

// Names the first group item without children below item, or gives the empty text.
std::string EmptyGroup(const nlohmann::json& item, const std::string& path) {
  const std::string here = path + " / " + item["name"].get<std::string>();
  if (item["echelon"] == 0) return {};
  if (!item.contains("children") || item["children"].empty()) return here;
  for (const auto& child : item["children"]) {
    const std::string found = EmptyGroup(child, here);
    if (!found.empty()) return found;
  }
  return {};
}

// Each template is appended to the file of its echelon, so that one `show` reads them all.
TEST(DemoData, EveryOrganizationBuildsWithoutEmptyGroups) {
  const DemoFolder demo;
  const std::vector<Build> builds = OrganizationBuilds(demo);
  ASSERT_GT(builds.size(), 100u);

  std::map<std::string, std::vector<const Build*>> builtInto;
  for (const Build& build : builds) {
    const std::string file = build.reference.substr(0, 1) + ".org";
    std::vector<const Build*>& built = builtInto[file];
    std::vector<std::string> arguments = {"-C",       demo.Path(), "build",  build.reference,
                                          "--date",   build.date,  "--seed", "7",
                                          "--output", file};
    if (!built.empty()) arguments.insert(arguments.end(), {"--into", file});
    const auto result = RunTool(arguments);
    ASSERT_EQ(result.status, 0) << build.reference << " at " << build.date << ": " << result.err;
    EXPECT_EQ(result.err, "") << build.reference << " at " << build.date;
    built.push_back(&build);
  }

  for (const auto& [file, built] : builtInto) {
    const auto text = RunTool({"-C", demo.Path(), "show", file});
    EXPECT_EQ(text.status, 0) << file << ": " << text.err;
    EXPECT_EQ(text.err, "") << file;
    const auto shown = RunTool({"-C", demo.Path(), "show", "--json", file});
    ASSERT_EQ(shown.status, 0) << file << ": " << shown.err;
    const auto items = nlohmann::json::parse(shown.out)["items"];
    ASSERT_EQ(items.size(), built.size()) << file;
    // The text has a line for the root and for every item, the units below included.
    EXPECT_GT(std::count(text.out.begin(), text.out.end(), '\n'),
              static_cast<std::ptrdiff_t>(2 * items.size()))
        << file;
    for (std::size_t i = 0; i < items.size(); ++i) {
      const Build& build = *built[i];
      EXPECT_EQ(build.reference.substr(1), std::to_string(items[i]["reference"].get<long long>()));
      EXPECT_EQ(EmptyGroup(items[i], build.reference + " at " + build.date), "");
    }
  }
}

// The sample file is what the commands in the folder's README build, so that anyone can
// reproduce it, and it stays in step with the templates it was built from.
TEST(DemoData, SampleOrganizationIsWhatItsCommandsBuild) {
  const DemoFolder demo;
  const auto german = RunTool({"-C", demo.Path(), "build", "D150003", "--date", "6/41", "--seed",
                               "7", "--output", "rebuilt.org"});
  ASSERT_EQ(german.status, 0) << german.err;
  const auto british = RunTool({"-C", demo.Path(), "build", "D950001", "--seed", "8", "--into",
                                "rebuilt.org", "--output", "rebuilt.org"});
  ASSERT_EQ(british.status, 0) << british.err;
  EXPECT_TRUE(demo.Read("rebuilt.org") == demo.Read("main.org"))
      << "main.org differs from what the commands in data/demo/README.md build: run them again";

  const auto shown = RunTool({"-C", demo.Path(), "show", "main.org"});
  EXPECT_EQ(shown.status, 0) << shown.err;
  EXPECT_EQ(shown.err, "");
}

}  // namespace
}  // namespace valdren
