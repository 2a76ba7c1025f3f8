#include "app/MainFrame.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

#include "MainFrameFixture.h"
#include "app/HelpWindow.h"
#include "app/Toolbar.h"
#include "app/TreeView.h"

namespace valdren {
namespace {

using MainFrameTest = test::MainFrameFixture;

// Two nations' companies: a skeleton of Russia and Germany with a template each.
constexpr std::string_view kCompanies =
    "39 1 45 12 C10001 6 Rifle Company\n"
    "\n"
    "39 1 45 12 C100001 7 Schuetzenkompanie\n";

void ContextMenu(QWidget* widget, QContextMenuEvent::Reason reason, QPoint at) {
  QContextMenuEvent event(reason, at, widget->mapToGlobal(at));
  QApplication::sendEvent(widget, &event);
}

QStringList Entries(const QComboBox* box) {
  QStringList entries;
  for (int i = 0; i < box->count(); ++i)
    entries << box->itemText(i);
  return entries;
}

TEST_F(MainFrameTest, StartsAtJune1941WithTheSkeletons) {
  folder.Write("company.oob", kCompanies);
  MainFrame& window = Open();
  EXPECT_EQ(window.windowTitle(), "Valdren Organization Editor");
  EXPECT_EQ(Entries(window.MonthBox()),
            QStringList({"January", "February", "March", "April", "May", "June", "July", "August",
                         "September", "October", "November", "December"}));
  EXPECT_EQ(Entries(window.YearBox()),
            QStringList({"1939", "1940", "1941", "1942", "1943", "1944", "1945"}));
  EXPECT_EQ(window.MonthBox()->currentText(), "June");
  EXPECT_EQ(window.YearBox()->currentText(), "1941");
  EXPECT_EQ(window.PromptPane()->text(), "Ready");

  const QAbstractItemModel* catalog = window.AvailableTree()->model();
  const QModelIndex catalogRoot = catalog->index(0, 0);
  EXPECT_EQ(catalogRoot.data().toString(), "Available Units and Organizations");
  EXPECT_TRUE(catalogRoot.data(Qt::FontRole).value<QFont>().bold());
  ASSERT_EQ(catalog->rowCount(catalogRoot), 2);
  EXPECT_EQ(catalog->index(0, 0, catalogRoot).data().toString(), "Russia");
  EXPECT_EQ(catalog->index(1, 0, catalogRoot).data().toString(), "Germany");

  const QAbstractItemModel* created = window.CreatedTree()->model();
  ASSERT_EQ(created->rowCount(), 1);
  EXPECT_EQ(created->index(0, 0).data().toString(), "Created Units and Organizations");
  EXPECT_TRUE(created->index(0, 0).data(Qt::FontRole).value<QFont>().bold());
  EXPECT_EQ(created->rowCount(created->index(0, 0)), 0);

  EXPECT_TRUE(prompter.asked.empty());
  EXPECT_FALSE(window.AvailableTree()->dragEnabled());
  EXPECT_FALSE(window.CreatedTree()->dragEnabled());
  EXPECT_EQ(window.AvailableTree()->objectName(), "1");
  EXPECT_EQ(window.CreatedTree()->objectName(), "2");
}

TEST_F(MainFrameTest, DataErrorIsShownBeforeTheWindowAndWhatLoadedStays) {
  // The second record's group line is broken; the first record stays loaded.
  folder.Write("company.oob",
               "39 1 45 12 C10001 6 Rifle Company\n\n39 1 45 12 C20001 6 Co\n39 x\n");
  MainFrame& window = Open();
  ASSERT_EQ(prompter.asked.size(), 1u);
  const auto& box = prompter.asked[0];
  EXPECT_EQ(box.caption, "Data Error");
  EXPECT_TRUE(box.text.startsWith("File company.oob: line 4: ")) << box.text.toStdString();
  EXPECT_EQ(box.icon, MessageIcon::kExclamation);
  EXPECT_EQ(box.buttons, MessageButtons::kOk);
  EXPECT_FALSE(box.windowShown);

  const QAbstractItemModel* catalog = window.AvailableTree()->model();
  ASSERT_EQ(catalog->rowCount(catalog->index(0, 0)), 1);
  EXPECT_EQ(catalog->index(0, 0, catalog->index(0, 0)).data().toString(), "Russia");
}

TEST_F(MainFrameTest, AFolderWithoutDatabaseOpensAnEmptyCatalog) {
  MainFrame& window = Open();
  EXPECT_TRUE(prompter.asked.empty());
  const QAbstractItemModel* catalog = window.AvailableTree()->model();
  EXPECT_EQ(catalog->rowCount(catalog->index(0, 0)), 0);
}

TEST_F(MainFrameTest, MenuBarTextsIdsAndSeparators) {
  MainFrame& window = Open();
  EXPECT_EQ(window.menuBar()->objectName(), "FileMenu");
  QStringList shown;
  for (const QAction* title : window.menuBar()->actions()) {
    if (title->isSeparator()) continue;
    shown << title->text();
    for (const QAction* item : title->menu()->actions())
      shown << (item->isSeparator() ? QString("-")
                                    : QString("%1 %2").arg(item->data().toInt()).arg(item->text()));
  }
  EXPECT_EQ(shown, QStringList({"&File",
                                "101 &New",
                                "102 &Open...",
                                "103 &Append...",
                                "104 &Save",
                                "105 &Save As...",
                                "106 E&xit",
                                "&Edit",
                                "201 &Add Unit or Organization (Auto choices)",
                                "202 &Add Unit or Organization (User choices)",
                                "-",
                                "203 &Rename Unit or Organization",
                                "204 &Change Morale of Unit or Organization",
                                "205 &Change Command Rating of Leaders",
                                "206 &Move Unit or Organization up in list",
                                "207 &Move Unit or Organization down in list",
                                "208 &Move Unit or Organization to top of list",
                                "209 &Move Unit or Organization to bottom of list",
                                "210 &Delete Unit or Organization",
                                "211 &Raise Unit in Organization",
                                "212 &Lower Unit in Organization",
                                "-",  // what the editor adds comes after, without an id
                                "0 &Undo",
                                "0 &Redo",
                                "0 &Strength of Selection...",
                                "0 &Find in Catalog...",
                                "&Help",
                                "1001 &Contents (F1)",
                                "1002 &About"}));
}

TEST_F(MainFrameTest, PromptsAndTooltips) {
  MainFrame& window = Open();
  struct Expected {
    int id;
    const char* prompt;
    const char* tooltip;
  };
  const Expected commands[] = {
      {101, "Create new organization", "New Org"},
      {102, "Open existing organization", "Old Org"},
      {103, "Append file to current organization", "Append Org"},
      {104, "Save current organization", "Save Org"},
      {105, "Save current org under different name", "Save Org As"},
      {106, "Exit organization editor", "Exit"},
      {201, "Add selected unit or organization with automatic choices", "Add Unit/Org (Auto)"},
      {202, "Add selected unit or organization with user choices", "Add Unit/Org (User)"},
      {203, "Rename selected unit or organization", "Rename Unit/Org"},
      {204, "Change morale of selected unit or organization", "Change Morale"},
      {205, "Change command rating of leaders", "Change Command Rating"},
      {206, "Move selected unit or organization up in list", "Move Unit/Org Up"},
      {207, "Move selected unit or organization down in list", "Move Unit/Org Down"},
      {208, "Move selected unit or organization to top of list", "Unit/Org to Top"},
      {209, "Move selected unit or organization to bottom of list", "Unit/Org to Bottom"},
      {210, "Delete selected unit or organization from list", "Delete Unit/Org"},
      {211, "Raise selected unit or organization in hierarchy", "Raise Unit/Org"},
      {212, "Lower selected unit or organization in hierarchy", "Lower Unit/Org"},
      {1001, "Display help file contents", "Help File"},
      {1002, "Display info about program", "About"},
  };
  for (const Expected& command : commands) {
    const QAction* action = window.Action(command.id);
    ASSERT_NE(action, nullptr) << command.id;
    EXPECT_EQ(action->statusTip(), command.prompt) << command.id;
    EXPECT_EQ(action->toolTip(), command.tooltip) << command.id;
  }
  EXPECT_EQ(window.YearBox()->statusTip(), "Select year to filter data");
  EXPECT_EQ(window.YearBox()->toolTip(), "Year Filter");
  EXPECT_EQ(window.MonthBox()->statusTip(), "Select month to filter data");
  EXPECT_EQ(window.MonthBox()->toolTip(), "Month Filter");
}

TEST_F(MainFrameTest, PromptCoversReadyWhileThePointerIsOverACommand) {
  MainFrame& window = Open();
  Show(801, 500);
  QStatusTipEvent over(window.Action(210)->statusTip());
  QApplication::sendEvent(&window, &over);
  EXPECT_EQ(window.statusBar()->currentMessage(), "Delete selected unit or organization from list");
  EXPECT_FALSE(window.PromptPane()->isVisible());
  QStatusTipEvent gone{QString()};
  QApplication::sendEvent(&window, &gone);
  EXPECT_TRUE(window.PromptPane()->isVisible());
  EXPECT_EQ(window.PromptPane()->text(), "Ready");
}

TEST_F(MainFrameTest, ToolbarSlots) {
  MainFrame& window = Open();
  const Toolbar* toolbar = window.ToolbarWidget();
  ASSERT_EQ(toolbar->SlotCount(), 17);
  const int buttons[] = {201, 202, 0, 203, 204, 205, 206, 207, 208, 209, 210, 211, 212, 0};
  const auto children = toolbar->findChildren<QToolButton*>();
  for (int slot = 0; slot < 14; ++slot) {
    EXPECT_EQ(toolbar->IsSeparator(slot), buttons[slot] == 0) << slot;
    if (buttons[slot] == 0) continue;
    const auto button = std::find_if(children.begin(), children.end(), [&](QToolButton* b) {
      return b->geometry() == toolbar->SlotRect(slot);
    });
    ASSERT_NE(button, children.end()) << slot;
    EXPECT_EQ((*button)->defaultAction()->data().toInt(), buttons[slot]);
    EXPECT_EQ((*button)->size(), QSize(24, 23));
    EXPECT_EQ((*button)->iconSize(), QSize(17, 17));
  }
  EXPECT_TRUE(toolbar->IsSeparator(14));
  EXPECT_TRUE(toolbar->IsSeparator(15));
  EXPECT_TRUE(toolbar->IsSeparator(16));
  EXPECT_EQ(toolbar->SlotRect(14).width(), 100);
  EXPECT_EQ(toolbar->SlotRect(16).width(), 60);
  EXPECT_EQ(window.MonthBox()->objectName(), "4");
  EXPECT_EQ(window.MonthBox()->width(), 100);
  EXPECT_EQ(window.MonthBox()->x(), toolbar->SlotRect(14).x());
  EXPECT_EQ(window.YearBox()->objectName(), "3");
  EXPECT_EQ(window.YearBox()->width(), 60);
  EXPECT_EQ(window.YearBox()->x(), toolbar->SlotRect(16).x());
}

TEST_F(MainFrameTest, TreesShareTheClientWidthBelowTheToolbar) {
  MainFrame& window = Open();
  Show(801, 500);
  ASSERT_EQ(window.centralWidget()->width(), 801);
  const int top = window.ToolbarWidget()->height();
  const int height = window.centralWidget()->height() - top;
  EXPECT_EQ(window.AvailableTree()->geometry(), QRect(0, top, 400, height));
  EXPECT_EQ(window.CreatedTree()->geometry(), QRect(400, top, 400, height));
}

TEST_F(MainFrameTest, NarrowWindowWrapsTheToolbarAtSeparators) {
  MainFrame& window = Open();
  Show(1000, 500);
  const Toolbar* toolbar = window.ToolbarWidget();
  const int oneRow = toolbar->height();
  for (int slot = 0; slot < toolbar->SlotCount(); ++slot)
    EXPECT_FALSE(toolbar->IsWrapped(slot));

  // In one row the last editing button (slot 12) ends at 4 + 2 * 24 + 8 + 10 * 24 = 300 and the
  // year box at 476. At 300 pixels slot 12 reaches the edge: the separator after the add
  // buttons ends the first row, and every separator from there on ends one too.
  window.OnSize(300, 400);
  for (int slot = 0; slot < toolbar->SlotCount(); ++slot)
    EXPECT_EQ(toolbar->IsWrapped(slot), slot == 2 || slot >= 13) << slot;
  EXPECT_EQ(toolbar->SlotRect(3).left(), toolbar->SlotRect(0).left());
  EXPECT_GT(toolbar->SlotRect(3).top(), toolbar->SlotRect(0).top());
  EXPECT_GT(toolbar->SlotRect(16).top(), toolbar->SlotRect(14).top());
  EXPECT_EQ(window.YearBox()->x(), toolbar->SlotRect(16).x());
  EXPECT_GT(toolbar->height(), 3 * oneRow);
  EXPECT_EQ(window.AvailableTree()->y(), toolbar->height());
  EXPECT_EQ(window.CreatedTree()->y(), toolbar->height());

  window.OnSize(1000, 400);
  EXPECT_EQ(toolbar->height(), oneRow);
  EXPECT_EQ(window.AvailableTree()->y(), oneRow);
}

TEST_F(MainFrameTest, PopupMenusOnlyOverTheTreesAndTheSelectionStays) {
  folder.Write("company.oob", kCompanies);
  MainFrame& window = Open();
  Show(801, 500);
  TreeView* catalog = window.AvailableTree();
  const QModelIndex root = catalog->model()->index(0, 0);
  const QModelIndex russia = catalog->model()->index(0, 0, root);
  const QModelIndex germany = catalog->model()->index(1, 0, root);
  catalog->setCurrentIndex(germany);

  // A right click: the press that would select in other views, then the popup's event.
  const QPoint overRussia = catalog->visualRect(russia).center();
  EXPECT_EQ(PopupOpenedBy([&] {
              QTest::mousePress(catalog->viewport(), Qt::RightButton, {}, overRussia);
              QTest::mouseRelease(catalog->viewport(), Qt::RightButton, {}, overRussia);
              ContextMenu(catalog->viewport(), QContextMenuEvent::Mouse, overRussia);
            }),
            "2");
  EXPECT_EQ(catalog->currentIndex(), germany);

  EXPECT_EQ(PopupOpenedBy([&] {
              ContextMenu(window.CreatedTree()->viewport(), QContextMenuEvent::Keyboard, {5, 5});
            }),
            "3");
  for (QWidget* elsewhere :
       {static_cast<QWidget*>(window.ToolbarWidget()), static_cast<QWidget*>(window.statusBar())}) {
    EXPECT_EQ(PopupOpenedBy([&] {
                ContextMenu(elsewhere, QContextMenuEvent::Mouse, elsewhere->rect().center());
              }),
              "");
  }
}

TEST_F(MainFrameTest, PopupMenusHoldTheirCommands) {
  MainFrame& window = Open();
  const auto ids = [&](const char* name) {
    QList<int> found;
    for (const QAction* action : window.findChild<QMenu*>(name)->actions())
      found << action->data().toInt();
    return found;
  };
  EXPECT_EQ(ids("2"), QList<int>({201, 202}));
  EXPECT_EQ(ids("3"), QList<int>({203, 204, 205, 206, 207, 208, 209, 210, 211, 212}));
}

TEST_F(MainFrameTest, AddCommandsFollowTheCatalogSelection) {
  folder.Write("company.oob", kCompanies);
  MainFrame& window = Open();
  TreeView* catalog = window.AvailableTree();
  const QModelIndex root = catalog->model()->index(0, 0);
  const QModelIndex russia = catalog->model()->index(0, 0, root);
  EXPECT_FALSE(window.Action(201)->isEnabled());
  catalog->expand(russia);
  const QModelIndex companies = catalog->model()->index(1, 0, russia);
  ASSERT_EQ(companies.data().toString(), "Companies");
  catalog->setCurrentIndex(catalog->model()->index(0, 0, companies));
  EXPECT_TRUE(window.Action(201)->isEnabled());
  EXPECT_TRUE(window.Action(202)->isEnabled());
  catalog->setCurrentIndex(companies);
  EXPECT_FALSE(window.Action(201)->isEnabled());
  EXPECT_FALSE(window.Action(203)->isEnabled());  // nothing created is selected
}

TEST_F(MainFrameTest, F1OpensTheHelpContentsFromAnywhere) {
  MainFrame& window = Open();
  Show(801, 500);
  QApplication::setActiveWindow(&window);
  QTest::keyClick(window.AvailableTree(), Qt::Key_F1);
  ASSERT_TRUE(window.Help()->isVisible());
  EXPECT_EQ(window.Help()->ShownTitle(), "Contents");
  window.Help()->hide();
  window.Action(1001)->trigger();
  EXPECT_TRUE(window.Help()->isVisible());
}

TEST_F(MainFrameTest, HelpFindsPagesByKeywordAndSaysWhenThereIsNone) {
  MainFrame& window = Open();
  window.Help()->ShowKeyword("Choice Dialog");
  EXPECT_EQ(window.Help()->ShownTitle(), "Choice Dialog");
  window.Help()->ShowKeyword("Description Dialog");
  EXPECT_EQ(window.Help()->ShownTitle(), "Description Dialog");
  window.Help()->ShowKeyword("No Such Dialog");
  EXPECT_EQ(window.Help()->ShownTitle(), "No help topic");
}

TEST_F(MainFrameTest, AboutNamesTheProgramAndItsVersion) {
  MainFrame& window = Open();
  window.Action(1002)->trigger();
  ASSERT_EQ(prompter.asked.size(), 1u);
  EXPECT_TRUE(prompter.asked[0].text.contains("Valdren Organization Editor"));
  EXPECT_TRUE(prompter.asked[0].text.contains(VALDREN_VERSION));
}

}  // namespace
}  // namespace valdren
