#include "oob/NameLists.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/GameFolder.h"

namespace valdren {
namespace {

using Texts = std::vector<std::string>;

Texts TextsOf(const NameLists::List& list) {
  Texts texts;
  for (const String& name : list)
    texts.emplace_back(name.View());
  return texts;
}

// Every line is an entry, blank ones too, kept byte for byte; the last needs no line end.
TEST(NameLists, LoadAllReadsEachNationsFilesIntoTheirLists) {
  test::GameFolder folder;
  folder.Write("leader0.oob", "Kurz\r\n\r\n  von M\xfcller \t\r\nLang");
  folder.Write("leader01.oob", "not a nation's file");
  folder.Write("company0.txt", "1st\x1a\n2nd\n");
  folder.Write("army19.txt", "First Army");
  folder.Write("platoon0.txt", "never read");
  std::filesystem::create_directory(folder.Path() / "corps2.txt");

  NameLists lists;
  lists.LoadAll(folder.Path());
  EXPECT_EQ(TextsOf(lists.leaderNames[0]), (Texts{"Kurz", "", "  von M\xfcller \t", "Lang"}));
  EXPECT_EQ(TextsOf(lists.unitNames[0][kCompany]), Texts{"1st"});
  EXPECT_EQ(TextsOf(lists.unitNames[19][kArmy]), Texts{"First Army"});
  // Not the files of nation 1's leaders, of platoons, nor a folder.
  EXPECT_TRUE(lists.leaderNames[1].empty());
  EXPECT_TRUE(lists.unitNames[0][kPlatoon].empty());
  EXPECT_TRUE(lists.unitNames[2][kCorps].empty());
}

TEST(Nations, NamesAndSides) {
  EXPECT_EQ(NationName(0), "Russia");
  EXPECT_EQ(NationName(16), "Vichy France");
  EXPECT_EQ(NationName(19), "Free France");
  EXPECT_EQ(NationName(20), "Unknown");
  EXPECT_EQ(NationName(-1), "Unknown");
  std::string sides;
  for (int nation = 0; nation <= 25; ++nation)
    sides += IsAxis(nation) ? 'A' : '-';
  EXPECT_EQ(sides, "-" + std::string(6, 'A') + std::string(13, '-') + std::string(6, 'A'));
}

}  // namespace
}  // namespace valdren
