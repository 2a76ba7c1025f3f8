// The main window as it is made: its bars, menus, layout and popups, the two trees and the
// catalog's messages, and the help.
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QToolButton>
#include <QToolTip>

#include "MainFrameFixture.h"
#include "app/Commands.h"
#include "app/HelpWindow.h"
#include "app/Toolbar.h"
#include "oob/PlatoonFile.h"

namespace valdren {
namespace {

using WindowTest = test::MainFrameFixture;

// Two nations' companies: a skeleton of Russia and Germany with a template each.
constexpr std::string_view kCompanies =
    "39 1 45 12 C10001 6 Rifle Company\n"
    "\n"
    "39 1 45 12 C100001 7 Schuetzenkompanie\n";

QStringList Entries(const QComboBox* box) {
  QStringList entries;
  for (int i = 0; i < box->count(); ++i)
    entries << box->itemText(i);
  return entries;
}

QString Text(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

TEST_F(WindowTest, StartsAtJune1941WithTheSkeletons) {
  folder.Write("company.oob", kCompanies);
  MainFrame& window = Open();
  EXPECT_EQ(window.windowTitle(), "Valdren Organization Editor");
  EXPECT_EQ(Entries(window.Catalog().MonthBox()),
            QStringList({"January", "February", "March", "April", "May", "June", "July", "August",
                         "September", "October", "November", "December"}));
  EXPECT_EQ(Entries(window.Catalog().YearBox()),
            QStringList({"1939", "1940", "1941", "1942", "1943", "1944", "1945"}));
  EXPECT_EQ(window.Catalog().MonthBox()->currentText(), "June");
  EXPECT_EQ(window.Catalog().YearBox()->currentText(), "1941");
  EXPECT_EQ(window.findChild<QLabel*>("PromptPane")->text(), "Ready");

  const QModelIndex catalogRoot = At(window.Catalog().Tree(), {});
  EXPECT_EQ(catalogRoot.data().toString(), "Available Units and Organizations");
  EXPECT_TRUE(catalogRoot.data(Qt::FontRole).value<QFont>().bold());
  EXPECT_EQ(Names(catalogRoot), QStringList({"Russia", "Germany"}));
  const QModelIndex createdRoot = Created({});
  EXPECT_EQ(createdRoot.data().toString(), "Created Units and Organizations");
  EXPECT_TRUE(createdRoot.data(Qt::FontRole).value<QFont>().bold());
  EXPECT_EQ(window.Created()->model()->rowCount(createdRoot), 0);

  EXPECT_TRUE(prompter.asked.empty());
  EXPECT_EQ(window.Catalog().Tree()->objectName(), "1");
  EXPECT_EQ(window.Created()->objectName(), "2");
  EXPECT_FALSE(window.Created()->dragEnabled());
}

TEST_F(WindowTest, DataErrorIsShownBeforeTheWindowAndWhatLoadedStays) {
  // The second record's group line is broken; the first record stays loaded.
  folder.Write("company.oob",
               "39 1 45 12 C10001 6 Rifle Company\n\n39 1 45 12 C20001 6 Co\n39 x\n");
  MainFrame& window = Open();
  ASSERT_EQ(prompter.asked.size(), 1u);
  const auto& box = prompter.asked[0];
  EXPECT_EQ(box.caption, "Data Error");
  EXPECT_TRUE(box.text.startsWith("File company.oob: line 4: ")) << box.text.toStdString();
  EXPECT_EQ(box.icon, MessageIcon::kExclamation);
  EXPECT_FALSE(box.windowShown);
  EXPECT_EQ(Names(At(window.Catalog().Tree(), {})), QStringList({"Russia"}));

  // A folder without a database opens an empty catalog, without a word.
  std::filesystem::remove(PathOf("company.oob"));
  prompter.asked.clear();
  EXPECT_TRUE(Names(At(Open().Catalog().Tree(), {})).isEmpty());
  EXPECT_TRUE(prompter.asked.empty());
}

// The menus are built from the command tables: each menu's entries in order, with their ids and
// separators, what the editor adds after a last separator without an id (Game Folder, Open
// Recent; Undo, Redo, Strength, Find, then Cut, Copy, Paste, Duplicate, then Check Dates, then
// Export Chart), and the Help menu after a separator of the bar. The popups hold the add and the
// editing commands, the organization's then the clipboard's and Export Chart.
TEST_F(WindowTest, MenusAndPopupsFollowTheCommandTables) {
  MainFrame& window = Open();
  EXPECT_EQ(window.menuBar()->objectName(), "FileMenu");
  QStringList shown;
  QStringList expected;
  for (const QAction* title : window.menuBar()->actions()) {
    shown << (title->isSeparator() ? QString("|") : title->text());
    if (title->menu())
      for (const QAction* item : title->menu()->actions())
        shown << (item->isSeparator() ? QString("-") : QString::number(item->data().toInt()));
  }
  for (const MenuLayout& menu : MenuBarLayout()) {
    if (menu.id == MenuId::kHelp) expected << "|";
    expected << Text(menu.title);
    for (const int id : menu.items)
      expected << (id == 0 ? QString("-") : QString::number(id));
    if (menu.id == MenuId::kFile) expected << QStringList({"-", "0", "-", "0"});
    if (menu.id == MenuId::kEdit)
      expected << "-" << QStringList(4, "0") << "-" << QStringList(4, "0") << "-"
               << "0"
               << "-"
               << "0";
  }
  EXPECT_EQ(shown, expected);

  EXPECT_EQ(Action(kFileSaveAs)->statusTip(), "Save current org under different name");
  EXPECT_EQ(window.Catalog().YearBox()->statusTip(), "Select year to filter data");
  EXPECT_EQ(window.Catalog().MonthBox()->toolTip(), "Month Filter");

  const auto ids = [&](const char* name) {
    QList<int> found;
    for (const QAction* action : window.findChild<QMenu*>(name)->actions())
      found << action->data().toInt();
    return found;
  };
  EXPECT_EQ(ids("2"), QList<int>({kAddAuto, kAddUser}));
  // A separator, Cut, Copy, Paste and Duplicate, a separator and Export Chart.
  EXPECT_EQ(ids("3"),
            QList<int>(EditingCommands().begin(), EditingCommands().end()) + QList<int>(7, 0));
  EXPECT_EQ(window.findChild<QMenu*>("3")->actions().back(), window.Commands().ExportChart());
}

// Seventeen slots: the add buttons, a separator, the ten editing buttons, a separator, the month
// box, a separator, the year box.
TEST_F(WindowTest, ToolbarSlotsAndTheirRowsAtNarrowWidths) {
  MainFrame& window = Open();
  Show(1000, 500);
  const auto* toolbar = window.findChild<Toolbar*>("Toolbar");
  ASSERT_EQ(toolbar->SlotCount(), 17);
  const auto children = toolbar->findChildren<QToolButton*>();
  for (int slot = 0; slot < 14; ++slot) {
    const int id = slot < 2 ? kAddAuto + slot : slot > 2 && slot < 13 ? kRename + slot - 3 : 0;
    EXPECT_EQ(toolbar->IsSeparator(slot), id == 0) << slot;
    if (id == 0) continue;
    const auto button = std::find_if(children.begin(), children.end(), [&](QToolButton* b) {
      return b->geometry() == toolbar->SlotRect(slot);
    });
    ASSERT_NE(button, children.end()) << slot;
    EXPECT_EQ((*button)->defaultAction(), Action(id));
    EXPECT_EQ((*button)->size(), QSize(24, 23));
    EXPECT_EQ((*button)->iconSize(), QSize(17, 17));
  }
  EXPECT_EQ(window.Catalog().MonthBox()->geometry().x(), toolbar->SlotRect(14).x());
  EXPECT_EQ(window.Catalog().MonthBox()->width(), 100);
  EXPECT_EQ(window.Catalog().YearBox()->x(), toolbar->SlotRect(16).x());
  EXPECT_EQ(window.Catalog().YearBox()->width(), 60);
  EXPECT_EQ(window.Catalog().MonthBox()->objectName(), "4");
  EXPECT_EQ(window.Catalog().YearBox()->objectName(), "3");

  // One row; the trees share the width below it, each half.
  const int oneRow = toolbar->height();
  window.OnSize(801, 400);
  EXPECT_EQ(window.Catalog().Tree()->geometry(), QRect(0, oneRow, 400, 400 - oneRow));
  EXPECT_EQ(window.Created()->geometry(), QRect(400, oneRow, 400, 400 - oneRow));
  // In one row the last editing button (slot 12) ends at 4 + 2 * 24 + 8 + 10 * 24 = 300. At 300
  // pixels it reaches the edge: the separator after the add buttons ends the first row, and
  // every separator from there on ends one too.
  window.OnSize(300, 400);
  for (int slot = 0; slot < toolbar->SlotCount(); ++slot)
    EXPECT_EQ(toolbar->IsWrapped(slot), slot == 2 || slot >= 13) << slot;
  EXPECT_EQ(toolbar->SlotRect(3).left(), toolbar->SlotRect(0).left());
  EXPECT_GT(toolbar->height(), 3 * oneRow);
  EXPECT_EQ(window.Created()->y(), toolbar->height());
  window.OnSize(1000, 400);
  EXPECT_EQ(toolbar->height(), oneRow);

  // Dragged, the line between the trees gives the catalog a quarter, and that share stays as
  // the window grows.
  auto* splitter = window.findChild<QWidget*>("TreeSplitter");
  const QPoint grip = splitter->rect().center();
  QTest::mousePress(splitter, Qt::LeftButton, {}, grip);
  QMouseEvent drag(QEvent::MouseMove, QPointF(grip - QPoint(250, 0)),
                   splitter->mapToGlobal(QPointF(grip - QPoint(250, 0))), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(splitter, &drag);
  EXPECT_EQ(window.Catalog().Tree()->width(), 250);
  window.OnSize(2000, 400);
  EXPECT_EQ(window.Catalog().Tree()->width(), 500);
  EXPECT_EQ(window.Created()->geometry(), QRect(500, oneRow, 1500, 400 - oneRow));
}

// A name cut short in a narrow tree shows whole as the row's tooltip; one that fits, none.
TEST_F(WindowTest, ACutNameShowsWholeAsItsTooltip) {
  OpenDemoOrganization();
  CreatedTree* tree = frame->Created();
  const auto tipAt = [tree](const QModelIndex& index) {
    QToolTip::hideText();
    const QPoint at = tree->visualRect(index).center();
    QHelpEvent help(QEvent::ToolTip, at, tree->viewport()->mapToGlobal(at));
    QApplication::sendEvent(tree->viewport(), &help);
    return QToolTip::text();
  };
  EXPECT_EQ(tipAt(Created({1})), "");
  frame->OnSize(160, 400);
  EXPECT_EQ(tipAt(Created({1})), "7th Infantry Division");
}

TEST_F(WindowTest, PopupMenusOnlyOverTheTreesAndTheSelectionStays) {
  folder.Write("company.oob", kCompanies);
  MainFrame& window = Open();
  TreeView* catalog = window.Catalog().Tree();
  catalog->setCurrentIndex(At(catalog, {1}));  // Germany
  const QPoint overRussia = catalog->visualRect(At(catalog, {0})).center();
  const auto menuEvent = [](QWidget* widget, QContextMenuEvent::Reason reason, QPoint at) {
    QContextMenuEvent event(reason, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
  };
  // A right click: the press that would select in other views, then the popup's event.
  EXPECT_EQ(PopupOpenedBy([&] {
              QTest::mousePress(catalog->viewport(), Qt::RightButton, {}, overRussia);
              QTest::mouseRelease(catalog->viewport(), Qt::RightButton, {}, overRussia);
              menuEvent(catalog->viewport(), QContextMenuEvent::Mouse, overRussia);
            }),
            "2");
  EXPECT_EQ(catalog->currentIndex(), At(catalog, {1}));
  EXPECT_EQ(PopupOpenedBy([&] {
              menuEvent(window.Created()->viewport(), QContextMenuEvent::Keyboard, {5, 5});
            }),
            "3");
  for (QWidget* elsewhere : {static_cast<QWidget*>(window.findChild<Toolbar*>("Toolbar")),
                             static_cast<QWidget*>(window.statusBar())})
    EXPECT_EQ(PopupOpenedBy([&] {
                menuEvent(elsewhere, QContextMenuEvent::Mouse, elsewhere->rect().center());
              }),
              "");
}

TEST_F(WindowTest, CommandsFollowTheSelections) {
  CopyDemo();
  Open();
  TreeView* catalog = frame->Catalog().Tree();
  EXPECT_FALSE(Action(kAddAuto)->isEnabled());
  catalog->expand(At(catalog, {0}));
  catalog->setCurrentIndex(At(catalog, {0, 1, 0}));  // Russia's first company
  EXPECT_TRUE(Action(kAddAuto)->isEnabled());
  EXPECT_TRUE(Action(kAddUser)->isEnabled());
  catalog->setCurrentIndex(At(catalog, {0, 1}));
  EXPECT_FALSE(Action(kAddUser)->isEnabled());

  // The root and a unit line are no created item: the editing commands stay off.
  prompter.files = {PathOf("main.org")};
  frame->OnFileOpen();
  for (const auto& [index, enabled] :
       {std::pair{Created({}), false}, {Created({0, 0, 0}), false}, {Created({0, 0}), true}}) {
    frame->Created()->setCurrentIndex(index);
    EXPECT_EQ(Action(kDelete)->isEnabled(), enabled);
    EXPECT_EQ(Action(kRename)->isEnabled(), enabled);
  }
}

TEST_F(WindowTest, ExpandingANationShowsItsMessagesInOrderAndALongRunCanBeSkipped) {
  // Russian companies whose only group exists in 1939 alone: at June 1941 each is listed with a
  // "Missing subunits for:" message.
  folder.Write("platoon.obx",
               ScrambleFile("P101 3 0 0 0 0 0 0 0 0 M 0 0 0 0 0 0 0 W 0 0 0 0 0 0 39 1 45 12 0 0 0 "
                            "Rifle\n"));
  std::string companies;
  for (int i = 1; i <= 4; ++i)
    companies += "39 1 45 12 C1000" + std::to_string(i) + " 6 Company " + std::to_string(i) +
                 "\n39 1 39 12 P101 1st Platoon\n\n";
  folder.Write("company.oob", companies);
  MainFrame& window = Open();
  EXPECT_TRUE(prompter.asked.empty());  // nothing is said before a nation is expanded

  prompter.checks = {true};
  TreeView* catalog = window.Catalog().Tree();
  catalog->expand(At(catalog, {0}));
  ASSERT_EQ(prompter.asked.size(), 2u);
  EXPECT_EQ(prompter.asked[0].text, "Missing subunits for: Company 1 (10001)");
  EXPECT_EQ(prompter.asked[0].caption, "Internal Data Error");
  EXPECT_EQ(prompter.asked[0].checkBox, "");
  EXPECT_EQ(prompter.asked[1].text, "Missing subunits for: Company 2 (10002)");
  EXPECT_EQ(prompter.asked[1].checkBox, "Skip the remaining 2 messages");
  EXPECT_EQ(window.statusBar()->currentMessage(), "2 catalog messages skipped");
  EXPECT_EQ(Names(At(catalog, {0, 1})).size(), 4);  // every company is listed

  // Collapsing and expanding again shows nothing: the nation stays filled. A refill (a new date)
  // asks again from the start; unchecked, every box is shown.
  catalog->collapse(At(catalog, {0}));
  catalog->expand(At(catalog, {0}));
  EXPECT_EQ(prompter.asked.size(), 2u);
  prompter.asked.clear();
  Pick(window.Catalog().MonthBox(), 4);
  ASSERT_EQ(prompter.asked.size(), 4u);
  EXPECT_EQ(prompter.asked[2].checkBox, "Skip the remaining message");
  EXPECT_EQ(prompter.asked[3].checkBox, "");  // the last has nothing left to skip
}

TEST_F(WindowTest, CreatedTreeShowsItemsWithTheirEmblemsAndUnitLines) {
  OpenDemoOrganization();
  // D150003 is German and D950001 British: each shows its nation's emblem, as the catalog's
  // nation rows do (Russia, Germany, Italy, Romania, Great Britain, United States).
  const auto icon = [](const QModelIndex& index) {
    return index.data(Qt::DecorationRole).value<QIcon>().cacheKey();
  };
  const TreeView* catalog = frame->Catalog().Tree();
  EXPECT_EQ(icon(Created({0})), icon(At(catalog, {1})));
  EXPECT_EQ(icon(Created({1})), icon(At(catalog, {4})));
  // The leader P1409 "Genmaj Pfeiffer" of morale 8 is a platoon: one unit line below it, its
  // template's name and the morale, and nothing below that.
  EXPECT_EQ(Created({0, 0}).data().toString(), "Genmaj Pfeiffer");
  EXPECT_EQ(frame->Created()->model()->rowCount(Created({0, 0})), 1);
  EXPECT_TRUE(Created({0, 0, 0}).data().toString().endsWith(" (8)"));
  EXPECT_EQ(frame->Created()->model()->rowCount(Created({0, 0, 0})), 0);
}

TEST_F(WindowTest, HelpOpensAtItsContentsOrAKeywordAndAboutNamesTheVersion) {
  MainFrame& window = Open();
  QApplication::setActiveWindow(&window);
  QTest::keyClick(window.Catalog().Tree(), Qt::Key_F1);  // anywhere in the window
  ASSERT_TRUE(window.Help()->isVisible());
  EXPECT_EQ(window.Help()->ShownTitle(), "Contents");
  window.Help()->ShowKeyword("Choice Dialog");
  EXPECT_EQ(window.Help()->ShownTitle(), "Choice Dialog");
  window.Help()->ShowKeyword("No Such Dialog");
  EXPECT_EQ(window.Help()->ShownTitle(), "No help topic");
  Trigger(kHelpContents);
  EXPECT_EQ(window.Help()->ShownTitle(), "Contents");

  Trigger(kAbout);
  ASSERT_EQ(prompter.asked.size(), 1u);
  EXPECT_TRUE(prompter.asked[0].text.contains("Valdren Organization Editor"));
  EXPECT_TRUE(prompter.asked[0].text.contains(VALDREN_VERSION));
}

// The keys the help and the README promise, and the Modified field while there are changes.
TEST_F(WindowTest, KeysWorkAsDocumented) {
  OpenDemoOrganization();
  const auto key = [this](QWidget* widget, QKeySequence sequence) {
    QApplication::setActiveWindow(frame.get());
    widget->setFocus();
    QTest::keySequence(widget, sequence);
  };
  EXPECT_EQ(Action(kRename)->shortcut(), QKeySequence(Qt::Key_F2));
  const auto* modified = frame->findChild<QLabel*>("ModifiedField");
  EXPECT_FALSE(modified->isVisible());

  frame->Created()->setCurrentIndex(Created({1}));
  prompter.answers = {MessageAnswer::kOk};
  key(frame->Created(), QKeySequence::Delete);
  EXPECT_EQ(Names(Created({})), QStringList({"16. Panzer-Division"}));
  EXPECT_TRUE(modified->isVisible());
  key(frame->Created(), QKeySequence(Qt::CTRL | Qt::Key_Z));
  key(frame->Created(), QKeySequence(Qt::CTRL | Qt::Key_Y));
  EXPECT_EQ(Names(Created({})), QStringList({"16. Panzer-Division"}));
  key(frame->Created(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  EXPECT_EQ(prompter.Captions().last(), "Save");
  frame->Created()->setCurrentIndex(Created({0}));
  key(frame->Created(), Qt::Key_F2);
  EXPECT_NE(frame->Created()->indexWidget(Created({0})), nullptr);  // the name is being edited

  for (const QKeySequence& close :
       {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
    frame->Help()->ShowContents();
    QApplication::setActiveWindow(frame->Help());
    QTest::keySequence(frame->Help(), close);
    EXPECT_FALSE(frame->Help()->isVisible()) << close.toString().toStdString();
  }
}

}  // namespace
}  // namespace valdren
