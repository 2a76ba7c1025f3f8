// The benchmarks' made-up databases must load cleanly, or the benchmarks measure an early stop.
#include "SyntheticGameFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "oob/ErrorLog.h"
#include "oob/OobDatabase.h"
#include "support/GameFolder.h"

namespace valdren {
namespace {

TEST(SyntheticGameFolder, LoadsEveryTemplateWithoutErrorOrWarning) {
  bench::SyntheticShape shape;
  shape.templates = {1500, 30, 20, 0, 6, 5, 3, 2};  // brigades must fall back to battalions
  shape.groupsPerTemplate = 5;
  shape.choicesPerGroup = 3;  // 100 does not split evenly in three
  shape.nations = 1;          // past a thousand platoons in one nation
  shape.dateRanges = 4;
  shape.commentEvery = 2;
  for (const int files : {1, 3}) {
    SCOPED_TRACE("files per echelon: " + std::to_string(files));
    shape.filesPerEchelon = files;
    const test::GameFolder folder;
    std::uintmax_t bytes = bench::WriteSyntheticGameFolder(folder.Path(), shape);
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
      bytes -= entry.file_size();
    EXPECT_EQ(bytes, 0u);

    OobDatabase database;
    std::ostringstream warnings;
    ErrorLog log(warnings);
    ASSERT_EQ(database.LoadDatabase(folder.Path(), log), std::nullopt);
    EXPECT_EQ(warnings.str(), "");
    for (int echelon = 0; echelon < kEchelonCount; ++echelon)
      EXPECT_EQ(database.Count(echelon), static_cast<std::size_t>(shape.templates[echelon]));
    // Every reference is unique, so each template is the one its number finds.
    for (const auto& node : database.Templates())
      ASSERT_EQ(database.Find(node.item->echelon, node.item->reference), node.item)
          << node.item->reference;
  }
}

}  // namespace
}  // namespace valdren
