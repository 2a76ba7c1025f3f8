#include "app/EditorApp.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <QApplication>

#include "ScriptedPrompter.h"
#include "UserHome.h"
#include "app/CatalogPane.h"
#include "app/MainFrame.h"
#include "app/TreeView.h"
#include "support/GameFolder.h"

namespace valdren {
namespace {

// The editor works in the current folder, the game's.
class EditorAppTest : public testing::Test {
 protected:
  EditorAppTest() : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder_.Path());
    test::UseAsHome(home_);
  }
  ~EditorAppTest() override { std::filesystem::current_path(previous_); }

  // Runs the application's start and end as the program does; what it started is recorded.
  std::vector<QStringList> StartAndExit(std::string_view commandLine) {
    std::vector<QStringList> started;
    EditorApp editor(ParseEditorCommandLine(commandLine), prompter_,
                     [&](const QString& program, const QStringList& arguments) {
                       started.push_back(QStringList(program) + arguments);
                     });
    editor.InitInstance();
    EXPECT_TRUE(editor.Window()->isMaximized());
    EXPECT_EQ(QCoreApplication::organizationName(), "Corvane");
    editor.Window()->close();
    editor.ExitInstance();
    return started;
  }

 protected:
  test::GameFolder folder_;
  test::GameFolder home_;
  test::GameFolder game_;
  std::filesystem::path previous_;
  test::ScriptedPrompter prompter_;
};

TEST_F(EditorAppTest, TheGameStartsAgainOnlyWhenItStartedTheEditor) {
  const std::vector<QStringList> game = {{"Tarnholm", "-i"}};
  EXPECT_EQ(StartAndExit("-f"), game);
  EXPECT_TRUE(StartAndExit("").empty());
}

// Started where there is no database (from the desktop's menu), the editor says so once the window
// is up and offers the choice; the folder chosen is remembered, and where the next start finds no
// database either, it works in that folder at once.
TEST_F(EditorAppTest, AStartWithoutADatabaseOffersTheGameFolderAndRemembersIt) {
  std::filesystem::copy(VALDREN_DEMO, game_.Path(), std::filesystem::copy_options::recursive);
  std::filesystem::remove(game_.Path() / "error.log");
  const auto nations = [](EditorApp& editor) {
    const TreeView* catalog = editor.Window()->Catalog().Tree();
    return catalog->model()->rowCount(catalog->model()->index(0, 0));
  };
  {
    EditorApp editor(ParseEditorCommandLine(""), prompter_, {});
    editor.InitInstance();
    prompter_.answers = {MessageAnswer::kYes};
    prompter_.folders = {game_.Path()};
    for (int turn = 0; turn < 3; ++turn)
      QApplication::processEvents();
    ASSERT_EQ(prompter_.Captions(), QStringList({"Game Folder", "Choose the Game Folder"}));
    EXPECT_EQ(prompter_.asked[0].text,
              QString("No game database was found in %1.\n\nChoose the game folder?")
                  .arg(QString::fromStdString(folder_.Path().string())));
    EXPECT_EQ(nations(editor), 6);
    EXPECT_TRUE(std::filesystem::exists(game_.Path() / "error.log"));
    EXPECT_FALSE(std::filesystem::exists(folder_.Path() / "error.log"));
    // The game folder is the current one: the file dialogs start there.
    EXPECT_TRUE(std::filesystem::equivalent(std::filesystem::current_path(), game_.Path()));
  }
  std::filesystem::current_path(folder_.Path());
  prompter_.asked.clear();
  EditorApp again(ParseEditorCommandLine(""), prompter_, {});
  again.InitInstance();
  QApplication::processEvents();
  EXPECT_TRUE(prompter_.asked.empty());
  EXPECT_EQ(nations(again), 6);
}

}  // namespace
}  // namespace valdren
