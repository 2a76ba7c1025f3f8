#pragma once

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <filesystem>
#include <memory>

#include "ScriptedPrompter.h"
#include "UserHome.h"
#include "app/CreatedTree.h"
#include "app/MainFrame.h"
#include "org/OrgFile.h"

// Texts in the tests' failure messages as text.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace valdren::test {

// A main window over a game folder of the test's own; the folder's files are written first.
// Both trees' models are watched by testers that end the test at the first fault, and no
// question may be asked under the hourglass.
class MainFrameFixture : public testing::Test {
 protected:
  MainFrameFixture() { UseAsHome(home); }
  void TearDown() override {
    for (const ScriptedPrompter::Asked& question : prompter.asked)
      EXPECT_FALSE(question.underWaitCursor) << question.caption.toStdString();
  }

  // The window, shown at a usual size so that its views paint whenever a question is asked. A
  // window with a command-line file is left for the test to show: the file opens then.
  MainFrame& Open(std::string commandFile = {}) {
    const bool show = commandFile.empty();
    testers.clear();
    frame = std::make_unique<MainFrame>(std::move(commandFile), folder.Path(), prompter);
    for (const QTreeView* tree : {static_cast<QTreeView*>(frame->Catalog().Tree()),
                                  static_cast<QTreeView*>(frame->Created())})
      testers.push_back(std::make_unique<QAbstractItemModelTester>(
          tree->model(), QAbstractItemModelTester::FailureReportingMode::Fatal));
    if (show) Show(900, 600);
    return *frame;
  }
  // The demo game folder's files in the test's folder.
  void CopyDemo() {
    std::filesystem::copy(VALDREN_DEMO, folder.Path(),
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
  }
  std::filesystem::path PathOf(std::string_view name) const { return folder.Path() / name; }
  // A window over the demo folder with its main.org open.
  void OpenDemoOrganization() {
    CopyDemo();
    Open();
    prompter.files = {PathOf("main.org")};
    frame->OnFileOpen();
    prompter.asked.clear();
  }
  // Shows the window with a client area of the size (offscreen windows have no frame).
  void Show(int width, int height) {
    frame->show();
    frame->resize(width, height + frame->menuBar()->sizeHint().height() +
                             frame->statusBar()->sizeHint().height());
    QApplication::processEvents();
  }

  QAction* Action(int id) const { return frame->Commands().Action(id); }
  void Trigger(int id) const { Action(id)->trigger(); }
  // A filter box closed on the entry, as the user picks it.
  static void Pick(QComboBox* box, int entry) {
    box->setCurrentIndex(entry);
    box->activated(entry);
  }
  // The row reached from the tree's root through the rows given.
  static QModelIndex At(const QTreeView* tree, std::initializer_list<int> rows) {
    QModelIndex index = tree->model()->index(0, 0);
    for (const int row : rows)
      index = tree->model()->index(row, 0, index);
    return index;
  }
  static QStringList Names(const QModelIndex& parent) {
    QStringList names;
    for (int row = 0; row < parent.model()->rowCount(parent); ++row)
      names << parent.model()->index(row, 0, parent).data().toString();
    return names;
  }
  QModelIndex Created(std::initializer_list<int> rows) const { return At(frame->Created(), rows); }
  std::string Saved() const { return WriteOrganization(frame->Editing().Organization()); }

  // The object name of the popup menu that the action opens, or empty when none opens; the
  // popup is closed at once.
  static QString PopupOpenedBy(const std::function<void()>& action) {
    QString opened;
    QTimer::singleShot(0, [&opened] {
      if (QWidget* popup = QApplication::activePopupWidget()) {
        opened = popup->objectName();
        popup->close();
      }
    });
    action();
    QApplication::processEvents();
    return opened;
  }

  GameFolder folder;
  GameFolder home;  // the user's data and settings
  ScriptedPrompter prompter;
  std::unique_ptr<MainFrame> frame;
  std::vector<std::unique_ptr<QAbstractItemModelTester>> testers;
};

}  // namespace valdren::test
