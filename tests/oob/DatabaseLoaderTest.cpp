#include "oob/DatabaseLoader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "oob/ErrorLog.h"
#include "oob/OobDatabase.h"
#include "oob/OobRecordTestSupport.h"
#include "oob/OrgTemplate.h"
#include "support/GameFolder.h"

namespace valdren {
namespace {

using namespace std::string_literals;
using Names = std::vector<std::string>;

// A platoon line as the game stores it, with every item given.
std::string StoredPlatoon(const std::string& reference, const std::string& name) {
  return test::Stored("P" + reference +
                      " 3 0 0 0 0 0 0 0 0 M 0 0 0 0 0 0 0 W 0 0 0 0 0 0 41 6 45 12 0 0 0 " + name);
}

// The names of the templates loaded, in load order.
Names NamesOf(const OobDatabase& database) {
  Names names;
  for (const auto& node : database.Templates())
    names.push_back(node.item->name.Std());
  return names;
}

// Numbered files 00 to 19 replace the plain file and are read in number order, echelon by
// echelon from the platoons up; a folder is no file. Each file holds one record named after the
// file, with CR LF line ends and bytes after a Ctrl-Z that must never be read.
TEST(LoadDatabase, NumberedFilesReplaceThePlainFileAndAreReadInOrderEchelonByEchelon) {
  test::GameFolder folder;
  int reference = 100001;
  for (const std::string file :
       {"army.oob", "platoon.obx", "platoon07.obx", "platoon03.obx", "company.oob", "company07.oob",
        "company05.oob", "company19.oob", "company20.oob", "corps.oob", "battalion00.oob/",
        "battalion.oob", "regiment.oob/"}) {
    const std::string stem = file.substr(0, file.find_first_of("0123456789."));
    int echelon = kPlatoon;
    while (EchelonStem(echelon) != stem)
      ++echelon;
    const std::string number = std::to_string(reference++);
    if (file.ends_with('/'))
      std::filesystem::create_directory(folder.Path() / file);
    else if (echelon == kPlatoon)
      folder.Write(file, StoredPlatoon(number, file) + "\r\n\x1a" + StoredPlatoon(number, "?"));
    else
      folder.Write(file, "41 6 45 12 "s + EchelonLetter(echelon) + number + " 7 " + file +
                             "\r\n\x1a\r\nnever read\r\n");
  }
  OobDatabase database;
  std::ostringstream warnings;
  ErrorLog log(warnings);
  EXPECT_EQ(database.LoadDatabase(folder.Path(), log), std::nullopt);
  EXPECT_EQ(NamesOf(database),
            (Names{"platoon03.obx", "platoon07.obx", "company05.oob", "company07.oob",
                   "company19.oob", "battalion.oob", "corps.oob", "army.oob"}));
}

TEST(LoadDatabase, TheFirstErrorNamesFileAndLineEndsTheLoadAndKeepsWhatCameBefore) {
  test::GameFolder folder;
  folder.Write("platoon.obx", StoredPlatoon("1101", "Rifle Platoon") + "\n");
  const std::string name = "Second \xe9\x00\xff"s;  // names are bytes, kept as they are
  folder.Write("company.oob",
               "41 6 45 12 C100001 7 Rifles\n41 6 45 12 (60) P1101 (60) P1101 Twice\n\n\n"
               "A header without reference drops its record\n41 6 45 12 C100001 Read\n\n"
               "[comment]\n41 6 45 12 C100002 7 " +
                   name + "\n41 6 45 12 C100001 Names an earlier record of its echelon");
  folder.Write("battalion.oob",
               "41 6 45 12 B200001 7 First\n41 6 45 12 C100001\n\n"
               "41 6 45 12 B200002 7 Second\n41 6 45 12 C100009\n");
  folder.Write("regiment.oob", "41 6 45 12 R300001 7 Regiment\n");
  OobDatabase database;
  std::ostringstream warnings;
  ErrorLog log(warnings);
  EXPECT_EQ(database.LoadDatabase(folder.Path(), log),
            "File battalion.oob: line 5: Invalid unit reference number: 100009");
  EXPECT_EQ(NamesOf(database), (Names{"Rifle Platoon", "Rifles", name, "First"}));
  EXPECT_EQ(warnings.str(), "Probabilities do not add to 100:\n    Twice\n    in: 100001 Rifles\n");

  // A long line is read in pieces of 1023 characters: the rest is the next line.
  OobDatabase again;
  folder.Write("company.oob", "41 6 45 12 C100001 7 " + std::string(100000, 'n') + "\n");
  EXPECT_EQ(again.LoadDatabase(folder.Path(), log),
            "File company.oob: line 2: Invalid unit date range");
}

TEST(ErrorLogFile, StartsEmptyAtEveryRunAndIsOptional) {
  test::GameFolder folder;
  folder.Write("error.log", "the last run's warnings\n");
  {
    ErrorLogFile file(folder.Path());
    EXPECT_TRUE(file.IsOpen());
    EXPECT_EQ(folder.Read("error.log"), "");
    file.Log().MissingClosingBracket(3, "[open");
  }
  EXPECT_EQ(folder.Read("error.log"), "Missing closing bracket on line: 3\n    [open\n");

  ErrorLogFile nowhere(folder.Path() / "missing");
  EXPECT_FALSE(nowhere.IsOpen());
  nowhere.Log().MissingClosingBracket(1, "[");  // dropped without harm
}

}  // namespace
}  // namespace valdren
