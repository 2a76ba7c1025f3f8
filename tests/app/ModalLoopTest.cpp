// The window under the real boxes and dialogs, each answered from a timer inside its own modal
// loop, while the views behind it paint: what the scripted prompter cannot show.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "BoxAnswerer.h"
#include "app/Commands.h"
#include "app/CreatedTree.h"
#include "app/HelpWindow.h"
#include "app/MainFrame.h"
#include "app/QtPrompter.h"
#include "support/GameFolder.h"

namespace valdren {
namespace {

// Whether a modal window keeps input from the widget's window, as Qt last told the window.
class BlockedWatch : public QObject {
 public:
  explicit BlockedWatch(QWidget* widget) { widget->installEventFilter(this); }
  bool blocked = false;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::WindowBlocked) blocked = true;
    if (event->type() == QEvent::WindowUnblocked) blocked = false;
    return false;
  }
};

// The demo folder with a German company whose only platoon left the lists in 1939, so that
// expanding Germany at the demo organization's date says "Missing subunits for: ...".
class ModalLoopTest : public testing::Test {
 protected:
  ModalLoopTest() {
    std::filesystem::copy(VALDREN_DEMO, folder.Path(), std::filesystem::copy_options::recursive);
    const std::string companies = folder.Read("company.oob");
    folder.Write("company.oob", companies +
                                    "\n39 1 45 12 C110099 7 Broken Kompanie\n"
                                    "39 1 39 12 P1101 1. Zug\n");
  }

  // The window shown with main.org open and its first division expanded.
  void OpenDemo() {
    frame =
        std::make_unique<MainFrame>((folder.Path() / "main.org").string(), folder.Path(), prompter);
    prompter.SetOwner(frame.get());
    frame->resize(900, 600);
    frame->show();
    QApplication::processEvents();
    TreeView* created = frame->Created();
    created->expand(created->model()->index(0, 0, created->model()->index(0, 0)));
  }
  void ExpandGermany() {
    const QAbstractItemModel* catalog = frame->Catalog().Tree()->model();
    frame->Catalog().Tree()->expand(catalog->index(1, 0, catalog->index(0, 0)));
  }

  test::GameFolder folder;
  QtPrompter prompter;
  test::BoxAnswerer boxes;
  std::unique_ptr<MainFrame> frame;
};

// Each command replaces or refills what the trees show, then the catalog asks about Germany
// again while both trees paint behind its box.
TEST_F(ModalLoopTest, CommandsThatRefillTheTreesKeepThemWholeWhileTheCatalogAsks) {
  OpenDemo();
  ExpandGermany();
  const QString missing = "Missing subunits for: Broken Kompanie (110099)";
  ASSERT_EQ(boxes.shown, QStringList({missing}));
  const QAbstractItemModel* created = frame->Created()->model();
  const QModelIndex root = created->index(0, 0);

  frame->Commands().Action(kFileNew)->trigger();
  EXPECT_EQ(boxes.shown.size(), 2);
  EXPECT_EQ(created->rowCount(root), 0);

  boxes.answers = {test::BoxAnswerer::File(folder.Path() / "main.org")};
  frame->Commands().Action(kFileOpen)->trigger();
  EXPECT_EQ(created->rowCount(root), 2);
  frame->Created()->expand(created->index(0, 0, root));

  boxes.answers = {test::BoxAnswerer::File(folder.Path() / "main.org")};
  frame->Commands().Action(kFileAppend)->trigger();
  EXPECT_EQ(created->rowCount(root), 4);

  frame->Catalog().YearBox()->setCurrentIndex(3);
  frame->Catalog().YearBox()->activated(3);
  EXPECT_EQ(boxes.shown.last(), missing);  // 1942

  // Open after its question, with a division expanded again.
  frame->Created()->expand(created->index(3, 0, root));
  boxes.answers = {test::BoxAnswerer::Button("No"),
                   test::BoxAnswerer::File(folder.Path() / "main.org")};
  frame->Commands().Action(kFileOpen)->trigger();
  EXPECT_EQ(created->rowCount(root), 2);
  EXPECT_FALSE(frame->Modified());
}

// A name being typed when a command comes is taken first, as one step of its own; the command
// then finds the document changed.
TEST_F(ModalLoopTest, ANameBeingTypedIsTakenBeforeACommandReplacesItsItem) {
  OpenDemo();
  TreeView* tree = frame->Created();
  const QModelIndex division = tree->model()->index(0, 0, tree->model()->index(0, 0));
  const auto type = [tree, division](const QString& name) {
    tree->setCurrentIndex(division);
    tree->edit(division);
    auto* editor = qobject_cast<QLineEdit*>(tree->indexWidget(division));
    ASSERT_NE(editor, nullptr);
    editor->setFocus();
    editor->setText(name);
  };
  type("Kampfgruppe");
  ExpandGermany();  // the catalog's box takes the focus from the editor: the name is taken
  EXPECT_EQ(frame->Editing().Organization().items.begin()->item->name.View(), "Kampfgruppe");

  type("Kampfgruppe Nord");
  boxes.answers = {test::BoxAnswerer::Button("No")};
  frame->Commands().Action(kFileNew)->trigger();
  EXPECT_EQ(boxes.shown.mid(1, 1), QStringList({"Do you want to save the current file?"}));
  EXPECT_EQ(tree->model()->rowCount(tree->model()->index(0, 0)), 0);
}

// The dialogs block the main window alone: the help their Help button opens takes input.
TEST_F(ModalLoopTest, HelpOpenedFromADialogTakesInputWhileTheDialogWaits) {
  OpenDemo();
  prompter.SetHelp([this](const QString& keyword) { frame->Help()->ShowKeyword(keyword); });
  BlockedWatch help(frame->Help());
  BlockedWatch window(frame.get());
  bool helpShownBeside = false;
  boxes.answers = {[&](QWidget* dialog) {
    dialog->findChild<QAbstractButton*>("9")->click();
    QApplication::processEvents();
    helpShownBeside = QApplication::activeModalWidget() == dialog && frame->Help()->isVisible() &&
                      !help.blocked && window.blocked;
    dialog->close();
  }};
  prompter.AskDescription("Regiment");
  EXPECT_TRUE(helpShownBeside);
  EXPECT_EQ(frame->Help()->ShownTitle(), "Description Dialog");
}

}  // namespace
}  // namespace valdren
