#include "oob/DatabaseLoader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "oob/ErrorLog.h"
#include "oob/OobDatabase.h"
#include "oob/OrgTemplate.h"
#include "oob/PlatoonFile.h"
#include "support/GameFolder.h"

namespace valdren {
namespace {

class Loader : public testing::Test {
 protected:
  ErrorText Load() { return database.LoadDatabase(folder.Path(), log); }

  // Every template loaded, in load order, as "C100001 Name".
  std::vector<std::string> Loaded() const {
    std::vector<std::string> loaded;
    for (const auto& node : database.Templates())
      loaded.push_back(EchelonLetter(node.item->echelon) + std::to_string(node.item->reference) +
                       " " + node.item->name.Std());
    return loaded;
  }

  test::GameFolder folder;
  OobDatabase database;
  std::ostringstream logText;
  ErrorLog log{logText};
};

using Names = std::vector<std::string>;

TEST_F(Loader, DropsRecordsWithoutReferenceAndIgnoresWhatFollowsTheLast) {
  EXPECT_EQ(LoadOobFile(database, kCompany, "company.oob",
                        "41 6 45 12 C100001 7 First\n"
                        "\n\n"
                        "A header without reference\n"
                        "41 6 45 12 C100001 Read but dropped\n"
                        "\n"
                        "41 6 45 12 C100002 7 Second\n"
                        "41 6 45 12 C100001 Uses the first\n"
                        "\n\n[the end]\n   \n",
                        log),
            std::nullopt);
  EXPECT_EQ(Loaded(), (Names{"C100001 First", "C100002 Second"}));
  const auto* second = dynamic_cast<const OrgTemplate*>(database.Find(kCompany, 100002));
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->groups.at(0).choices.First()->item, database.Find(kCompany, 100001));
  EXPECT_EQ(logText.str(), "");
}

TEST_F(Loader, TheFirstErrorNamesFileAndLineAndKeepsWhatCameBefore) {
  EXPECT_EQ(LoadOobFile(database, kCompany, "company00.oob",
                        "41 6 45 12 C100001 7 First\n"
                        "\n"
                        "41 6 45 12 C100002 7 Second\n"
                        "41 6 45 12 P1199\n"
                        "\n"
                        "41 6 45 12 C100003 7 Third\n",
                        log),
            "File company00.oob: line 4: Invalid unit reference number: 1199");
  EXPECT_EQ(Loaded(), Names{"C100001 First"});
}

TEST_F(Loader, AnEmptyFolderLoadsNothingWithoutError) {
  EXPECT_EQ(Load(), std::nullopt);
  EXPECT_TRUE(database.Templates().Empty());
}

TEST_F(Loader, NumberedFilesReplaceThePlainFile) {
  folder.Write("company.oob", "41 6 45 12 C100001 7 Plain\n");
  folder.Write("company03.oob", "41 6 45 12 C100003 7 Three\n");
  folder.Write("battalion.oob", "41 6 45 12 B200001 7 Plain battalion\n");
  EXPECT_EQ(Load(), std::nullopt);
  EXPECT_EQ(Loaded(), (Names{"C100003 Three", "B200001 Plain battalion"}));
}

TEST_F(Loader, NumberedFilesAreReadInIncreasingNumberAcrossGaps) {
  folder.Write("company07.oob", "41 6 45 12 C100007 7 Seven\n");
  folder.Write("company05.oob", "41 6 45 12 C100005 7 Five\n");
  folder.Write("company19.oob", "41 6 45 12 C100019 7 Nineteen\n");
  folder.Write("company20.oob", "41 6 45 12 C100020 7 Not a file of the set\n");
  EXPECT_EQ(Load(), std::nullopt);
  EXPECT_EQ(Loaded(), (Names{"C100005 Five", "C100007 Seven", "C100019 Nineteen"}));
}

TEST_F(Loader, FoldersAreNotFiles) {
  std::filesystem::create_directory(folder.Path() / "company.oob");
  std::filesystem::create_directory(folder.Path() / "battalion00.oob");
  folder.Write("battalion.oob", "41 6 45 12 B200001 7 Plain battalion\n");
  EXPECT_EQ(Load(), std::nullopt);
  EXPECT_EQ(Loaded(), Names{"B200001 Plain battalion"});
}

TEST_F(Loader, AnErrorEndsTheWholeLoadAndKeepsWhatCameBefore) {
  std::string platoon =
      "P1101 3 0 0 0 0 0 0 0 0 M 0 0 0 0 0 0 0 W 0 0 0 0 0 0 41 6 45 12 0 0 0 Rifles";
  Scramble(platoon);
  folder.Write("platoon.obx", platoon + "\n");
  folder.Write("company.oob",
               "41 6 45 12 C100001 7 Rifles\n41 6 45 12 P1101\n\n41 6 45 12 C100002 7 Guards\n");
  folder.Write("battalion.oob",
               "41 6 45 12 B200001 7 First\n41 6 45 12 C100001\n\n"
               "41 6 45 12 B200002 7 Second\n41 6 45 12 C100009\n");
  folder.Write("regiment.oob", "41 6 45 12 R300001 7 Regiment\n");
  folder.Write("army.oob", "41 6 45 12 A700001 7 Army\n");
  EXPECT_EQ(Load(), "File battalion.oob: line 5: Invalid unit reference number: 100009");
  EXPECT_EQ(Loaded(), (Names{"P1101 Rifles", "C100001 Rifles", "C100002 Guards", "B200001 First"}));
}

TEST_F(Loader, RecordsNameLowerEchelonsButNeverHigherOnes) {
  folder.Write("regiment.oob", "41 6 45 12 R300001 7 Regiment\n");
  folder.Write("division.oob", "41 6 45 12 D500001 7 Division\n41 6 45 12 R300001\n");
  folder.Write("corps.oob", "41 6 45 12 K600001 7 Corps\n");
  EXPECT_EQ(Load(), std::nullopt);
  EXPECT_EQ(Loaded(), (Names{"R300001 Regiment", "D500001 Division", "K600001 Corps"}));

  OobDatabase again;
  folder.Write("division.oob", "41 6 45 12 D500001 7 Division\n41 6 45 12 K600001\n");
  EXPECT_EQ(again.LoadDatabase(folder.Path(), log),
            "File division.oob: line 2: Invalid unit reference number: 600001");
  EXPECT_EQ(again.Count(kRegiment), 1u);
  EXPECT_EQ(again.Count(kDivision), 0u);
  EXPECT_EQ(again.Count(kCorps), 0u);
}

TEST_F(Loader, FilesAreReadAsText) {
  folder.Write("company.oob",
               "41 6 45 12 C100001 7 Rifles\r\n\r\n"
               "41 6 45 12 C100002 7 Lone\rreturn\n\n"
               "41 6 45 12 C100003 7 Last\x1a\n\n41 6 45 12 C100004 7 After the end\n");
  EXPECT_EQ(Load(), std::nullopt);
  EXPECT_EQ(Loaded(), (Names{"C100001 Rifles", "C100002 Lone\rreturn", "C100003 Last"}));
}

TEST_F(Loader, WarningsGoToTheLogAndDoNotStopTheLoad) {
  folder.Write("company.oob", "41 6 45 12 C100001 7 Rifles\n\n41 6 45 12 C100002 7 Guards\n");
  folder.Write("battalion.oob",
               "41 6 45 12 B200001 7 Battalion\n41 6 45 12 (60) C100001 (60) C100002 Companies\n");
  EXPECT_EQ(Load(), std::nullopt);
  EXPECT_EQ(database.Count(kBattalion), 1u);
  EXPECT_EQ(logText.str(),
            "Probabilities do not add to 100:\n    Companies\n    in: 200001 Battalion\n");
}

TEST_F(Loader, BinaryBytesAreTextLikeAnyOther) {
  using namespace std::string_literals;
  const std::string garbage = "\x00\x01\xfe\xff\x7f x \x00 C"s;
  const std::string name = "Name \xe9\x00\xff"s;
  folder.Write("company.oob", garbage + "\n\n41 6 45 12 C100001 7 " + name + "\n\n" + garbage +
                                  "\n41 6 45 12 C100001 " + garbage + "\n");
  EXPECT_EQ(Load(), std::nullopt);
  EXPECT_EQ(Loaded(), Names{"C100001 " + name});
}

TEST_F(Loader, LongLinesAreReadInPiecesOf1023Characters) {
  const std::string header = "41 6 45 12 C100001 7 ";
  folder.Write("company.oob", header + std::string(100000, 'n') + "\n");
  EXPECT_EQ(Load(), "File company.oob: line 2: Invalid unit date range");

  OobDatabase again;
  folder.Write("company.oob", header + "Rifles\n" + std::string(100000, ' ') +
                                  "\n41 6 45 12 C100002 7 " + std::string(100000, '[') + "\n");
  EXPECT_EQ(again.LoadDatabase(folder.Path(), log), std::nullopt);
  EXPECT_EQ(again.Count(kCompany), 2u);  // every piece after the first is a comment-only line
}

TEST_F(Loader, HugeNumbersFailTheirReadWithoutHarm) {
  folder.Write("company.oob",
               "41 6 45 12 C4294967295 7 Largest\n\n"
               "41 6 45 12 C4294967296 7 Too large: no reference\n\n"
               "99999999999 6 45 12 C100001 7 Year too large\n\n"
               "41 6 45 12 C100002 99999999999 Morale too large\n");
  EXPECT_EQ(Load(), std::nullopt);
  EXPECT_EQ(Loaded(), (Names{"C4294967295 Largest", "C100002 "}));
}

TEST(ErrorLogFile, StartsEmptyAtEveryRun) {
  test::GameFolder folder;
  folder.Write("error.log", "the last run's warnings\n");
  { ErrorLogFile quiet(folder.Path()); }
  EXPECT_TRUE(std::filesystem::exists(folder.Path() / "error.log"));
  EXPECT_EQ(folder.Read("error.log"), "");
  {
    ErrorLogFile file(folder.Path());
    EXPECT_TRUE(file.IsOpen());
    file.Log().MissingClosingBracket(3, "[open");
  }
  EXPECT_EQ(folder.Read("error.log"), "Missing closing bracket on line: 3\n    [open\n");
}

TEST(ErrorLogFile, AFolderThatCannotHoldTheLogLeavesItClosed) {
  test::GameFolder folder;
  ErrorLogFile file(folder.Path() / "missing");
  EXPECT_FALSE(file.IsOpen());
  file.Log().MissingClosingBracket(1, "[");  // dropped without harm
  EXPECT_EQ(file.Log().Entries(), 1);
}

}  // namespace
}  // namespace valdren
