// The two trees over the core: the catalog's messages on expansion, and the created tree's rows.
#include <QComboBox>
#include <QStatusBar>

#include "MainFrameFixture.h"
#include "app/TreeView.h"
#include "oob/PlatoonFile.h"

namespace valdren {
namespace {

using TreesTest = test::MainFrameFixture;

std::string PlatoonLine(const std::string& reference, const std::string& name) {
  std::string line =
      "P" + reference + " 3 0 0 0 0 0 0 0 0 M 0 0 0 0 0 0 0 W 0 0 0 0 0 0 39 1 45 12 0 0 0 " + name;
  Scramble(line);
  return line + "\n";
}

// Russian companies whose only group exists in 1939 alone: at June 1941 each is listed with a
// "Missing subunits for:" message.
std::string BrokenCompanies(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i)
    text += "39 1 45 12 C1000" + std::to_string(i) + " 6 Company " + std::to_string(i) +
            "\n39 1 39 12 P101 1st Platoon\n\n";
  return text;
}

TEST_F(TreesTest, ExpandingANationShowsItsMessagesInOrderAndALongRunCanBeSkipped) {
  folder.Write("platoon.obx", PlatoonLine("101", "Rifle Platoon"));
  folder.Write("company.oob", BrokenCompanies(4));
  MainFrame& window = Open();
  EXPECT_TRUE(prompter.asked.empty());  // nothing is said before a nation is expanded

  prompter.checks = {true};
  const QAbstractItemModel* model = window.AvailableTree()->model();
  const QModelIndex russia = model->index(0, 0, model->index(0, 0));
  window.AvailableTree()->expand(russia);
  ASSERT_EQ(prompter.asked.size(), 2u);
  EXPECT_EQ(prompter.asked[0].text, "Missing subunits for: Company 1 (10001)");
  EXPECT_EQ(prompter.asked[0].caption, "Internal Data Error");
  EXPECT_EQ(prompter.asked[0].icon, MessageIcon::kNone);
  EXPECT_EQ(prompter.asked[0].checkBox, "");
  EXPECT_EQ(prompter.asked[1].text, "Missing subunits for: Company 2 (10002)");
  EXPECT_EQ(prompter.asked[1].checkBox, "Skip the remaining 2 messages");
  EXPECT_EQ(window.statusBar()->currentMessage(), "2 catalog messages skipped");
  EXPECT_EQ(model->rowCount(model->index(1, 0, russia)), 4);  // every company is listed

  // Collapsing and expanding again shows nothing: the nation stays filled. A refill (a new date)
  // asks again from the start; unchecked, every box is shown.
  window.AvailableTree()->collapse(russia);
  window.AvailableTree()->expand(russia);
  EXPECT_EQ(prompter.asked.size(), 2u);
  prompter.asked.clear();
  window.MonthBox()->setCurrentIndex(4);
  window.MonthBox()->activated(4);
  ASSERT_EQ(prompter.asked.size(), 4u);
  EXPECT_EQ(prompter.asked[2].checkBox, "Skip the remaining message");
  EXPECT_EQ(prompter.asked[3].checkBox, "");  // the last has nothing left to skip
}

TEST_F(TreesTest, CreatedTreeShowsItemsWithTheirEmblemsAndUnitLines) {
  CopyDemo();
  MainFrame& window = Open();
  prompter.files = {PathOf("main.org")};
  window.OnFileOpen();

  const QAbstractItemModel* model = window.CreatedTree()->model();
  const QModelIndex root = model->index(0, 0);
  const QModelIndex panzer = model->index(0, 0, root);
  const QModelIndex british = model->index(1, 0, root);
  // D150003 is German and D950001 British: each shows its nation's emblem, as the catalog's
  // nation rows do (Russia, Germany, Italy, Romania, Great Britain, United States).
  const auto icon = [](const QModelIndex& index) {
    return index.data(Qt::DecorationRole).value<QIcon>().cacheKey();
  };
  const QAbstractItemModel* catalog = window.AvailableTree()->model();
  const QModelIndex nations = catalog->index(0, 0);
  EXPECT_EQ(icon(panzer), icon(catalog->index(1, 0, nations)));
  EXPECT_EQ(icon(british), icon(catalog->index(4, 0, nations)));

  // The leader P1409 "Genmaj Pfeiffer" of morale 8 is a platoon: one unit line below it, its
  // template's name and the morale.
  const QModelIndex leader = model->index(0, 0, panzer);
  EXPECT_EQ(leader.data().toString(), "Genmaj Pfeiffer");
  ASSERT_EQ(model->rowCount(leader), 1);
  EXPECT_TRUE(model->index(0, 0, leader).data().toString().endsWith(" (8)"));
  EXPECT_EQ(model->rowCount(model->index(0, 0, leader)), 0);

  // The root and a unit line are no created item: the editing commands stay off.
  window.CreatedTree()->setCurrentIndex(model->index(0, 0, leader));
  EXPECT_FALSE(window.Action(210)->isEnabled());
  window.CreatedTree()->setCurrentIndex(root);
  EXPECT_FALSE(window.Action(210)->isEnabled());
  window.CreatedTree()->setCurrentIndex(leader);
  EXPECT_TRUE(window.Action(210)->isEnabled());
  window.CreatedTree()->setCurrentIndex(panzer);
  EXPECT_TRUE(window.Action(210)->isEnabled());
}

}  // namespace
}  // namespace valdren
