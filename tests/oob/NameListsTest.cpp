#include "oob/NameLists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/GameFolder.h"

namespace valdren {
namespace {

std::vector<std::string> Texts(const NameLists::List& list) {
  std::vector<std::string> texts;
  for (const String& name : list)
    texts.emplace_back(name.View());
  return texts;
}

struct ListCase {
  const char* what;
  std::string text;
  std::vector<std::string> entries;
};

TEST(ReadNameList, TakesEveryLineVerbatimInFileOrder) {
  const std::string longLine(1500, 'a');
  const std::vector<ListCase> cases = {
      {"blank line in the middle", "Kurz\n\nLang\n", {"Kurz", "", "Lang"}},
      {"no final line feed", "Kurz\nLang", {"Kurz", "Lang"}},
      {"empty file", "", {}},
      {"a lone line feed", "\n", {""}},
      {"blank last line", "Kurz\n\n", {"Kurz", ""}},
      {"white space kept", "  von Brandt \t\n", {"  von Brandt \t"}},
      {"bytes kept", "M\xfcller\x01\n", {"M\xfcller\x01"}},
      {"long line", longLine + "\nB", {longLine.substr(0, 1023), longLine.substr(1023), "B"}},
      {"exactly the limit", longLine.substr(0, 1023) + "\nB", {longLine.substr(0, 1023), "B"}},
  };
  for (const ListCase& c : cases) {
    NameLists::List list;
    ReadNameList(c.text, list);
    EXPECT_EQ(Texts(list), c.entries) << c.what;
  }
}

TEST(ReadNameList, AppendsToWhatTheListHolds) {
  NameLists::List list{"First"};
  ReadNameList("Second\nThird\n", list);
  EXPECT_EQ(Texts(list), (std::vector<std::string>{"First", "Second", "Third"}));
}

TEST(NameLists, LoadAllReadsEachNationsFilesIntoTheirLists) {
  test::GameFolder folder;
  folder.Write("leader0.oob", "Kurz\r\n\r\nLang\r\n");
  folder.Write("leader19.oob", "Last");
  folder.Write("leader01.oob", "not a nation's file");
  folder.Write("company0.txt",
               "1st\x1a"
               "2nd\n");
  folder.Write("division3.txt", "Mountain\nCavalry\n");
  folder.Write("army19.txt", "First Army");
  folder.Write("platoon0.txt", "never read");
  std::filesystem::create_directory(folder.Path() / "corps2.txt");

  NameLists lists;
  lists.LoadAll(folder.Path());
  EXPECT_EQ(Texts(lists.leaderNames[0]), (std::vector<std::string>{"Kurz", "", "Lang"}));
  EXPECT_EQ(Texts(lists.leaderNames[19]), (std::vector<std::string>{"Last"}));
  EXPECT_TRUE(lists.leaderNames[1].empty());
  EXPECT_EQ(Texts(lists.unitNames[0][kCompany]), (std::vector<std::string>{"1st"}));
  EXPECT_EQ(Texts(lists.unitNames[3][kDivision]),
            (std::vector<std::string>{"Mountain", "Cavalry"}));
  EXPECT_EQ(Texts(lists.unitNames[19][kArmy]), (std::vector<std::string>{"First Army"}));
  EXPECT_TRUE(lists.unitNames[0][kPlatoon].empty());
  EXPECT_TRUE(lists.unitNames[2][kCorps].empty());

  std::size_t filled = 0;
  for (const auto& nation : lists.unitNames)
    for (const auto& list : nation)
      filled += !list.empty();
  EXPECT_EQ(filled, 3u);
}

}  // namespace
}  // namespace valdren
