// The benchmarks' made-up databases must load cleanly, or the benchmarks measure an early stop.
#include "SyntheticGameFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "oob/ErrorLog.h"
#include "oob/OobDatabase.h"
#include "oob/OrgTemplate.h"
#include "support/GameFolder.h"

namespace valdren {
namespace {

struct Loaded {
  OobDatabase database;
  std::ostringstream warnings;
  ErrorText error;
};

void Load(const test::GameFolder& folder, Loaded& loaded) {
  ErrorLog log(loaded.warnings);
  loaded.error = loaded.database.LoadDatabase(folder.Path(), log);
}

std::uintmax_t FolderBytes(const test::GameFolder& folder) {
  std::uintmax_t bytes = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
    bytes += entry.file_size();
  return bytes;
}

bench::SyntheticShape SmallShape() {
  bench::SyntheticShape shape;
  shape.templates = {50, 30, 20, 10, 6, 5, 3, 2};
  shape.groupsPerTemplate = 5;
  shape.choicesPerGroup = 3;  // 100 does not split evenly in three
  shape.nations = 4;
  shape.dateRanges = 4;
  shape.commentEvery = 2;
  return shape;
}

TEST(SyntheticGameFolder, LoadsEveryTemplateWithoutErrorOrWarning) {
  for (const int files : {1, 3}) {
    SCOPED_TRACE("files per echelon: " + std::to_string(files));
    bench::SyntheticShape shape = SmallShape();
    shape.filesPerEchelon = files;
    const test::GameFolder folder;
    const std::uintmax_t bytes = bench::WriteSyntheticGameFolder(folder.Path(), shape);
    EXPECT_EQ(bytes, FolderBytes(folder));

    Loaded loaded;
    Load(folder, loaded);
    EXPECT_EQ(loaded.error, std::nullopt);
    EXPECT_EQ(loaded.warnings.str(), "");
    for (int echelon = 0; echelon < kEchelonCount; ++echelon)
      EXPECT_EQ(loaded.database.Count(echelon), static_cast<std::size_t>(shape.templates[echelon]))
          << "echelon " << echelon;
  }
}

TEST(SyntheticGameFolder, GroupsNameLowerTemplatesExistingOverTheirRange) {
  const test::GameFolder folder;
  bench::SyntheticShape shape = SmallShape();
  shape.templates[kRegiment] = 0;  // brigades then fall back to battalions
  bench::WriteSyntheticGameFolder(folder.Path(), shape);
  Loaded loaded;
  Load(folder, loaded);
  ASSERT_EQ(loaded.error, std::nullopt);

  int groups = 0;
  for (const auto& node : loaded.database.Templates()) {
    const auto* org = dynamic_cast<const OrgTemplate*>(node.item);
    if (!org) continue;
    ASSERT_EQ(org->groups.size(), 5u);
    for (const SubunitGroup& group : org->groups) {
      ++groups;
      int sum = 0;
      for (const auto& choice : group.choices) {
        sum += choice.weight;
        EXPECT_LT(choice.item->echelon, org->echelon);
        EXPECT_NE(choice.item->echelon, static_cast<int>(kRegiment));
        EXPECT_TRUE(choice.item->InDateRange(group.startMonth, group.startYear));
        EXPECT_TRUE(choice.item->InDateRange(group.endMonth, group.endYear));
      }
      EXPECT_EQ(sum, 100);
    }
  }
  EXPECT_EQ(groups, 5 * (30 + 20 + 6 + 5 + 3 + 2));
}

TEST(SyntheticGameFolder, PlatoonFileIsStoredScrambled) {
  const test::GameFolder folder;
  bench::SyntheticShape shape = SmallShape();
  shape.templates = {5, 0, 0, 0, 0, 0, 0, 0};
  bench::WriteSyntheticGameFolder(folder.Path(), shape);
  EXPECT_EQ(folder.Read("platoon.obx").find("Platoon"), std::string::npos);

  Loaded loaded;
  Load(folder, loaded);
  ASSERT_EQ(loaded.database.Count(kPlatoon), 5u);
  EXPECT_EQ(loaded.database.Templates().First()->item->name, "Rifle Platoon");
}

TEST(SyntheticGameFolder, ReferencesAreUniqueAcrossNations) {
  const test::GameFolder folder;
  bench::SyntheticShape shape = SmallShape();
  shape.templates = {3000, 1500, 0, 0, 0, 0, 0, 0};  // past a thousand platoons per nation
  shape.nations = 2;
  bench::WriteSyntheticGameFolder(folder.Path(), shape);
  Loaded loaded;
  Load(folder, loaded);
  ASSERT_EQ(loaded.error, std::nullopt);
  for (const auto& node : loaded.database.Templates()) {
    const UnitTemplate& unit = *node.item;
    ASSERT_EQ(loaded.database.Find(unit.echelon, unit.reference), &unit)
        << EchelonLetter(unit.echelon) << unit.reference << " is not the first of its number";
  }
}

}  // namespace
}  // namespace valdren
