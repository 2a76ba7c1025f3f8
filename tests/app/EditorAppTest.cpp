#include "app/EditorApp.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "ScriptedPrompter.h"
#include "app/MainFrame.h"
#include "support/GameFolder.h"

namespace valdren {
namespace {

// The editor works in the current folder, the game's.
class EditorAppTest : public testing::Test {
 protected:
  EditorAppTest() : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder_.Path());
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

 private:
  test::GameFolder folder_;
  std::filesystem::path previous_;
  test::ScriptedPrompter prompter_;
};

TEST_F(EditorAppTest, TheGameStartsAgainOnlyWhenItStartedTheEditor) {
  const std::vector<QStringList> game = {{"Tarnholm", "-i"}};
  EXPECT_EQ(StartAndExit("-f"), game);
  EXPECT_EQ(StartAndExit("missing.org"), game);
  EXPECT_TRUE(StartAndExit("").empty());
  EXPECT_TRUE(StartAndExit("-x").empty());
}

}  // namespace
}  // namespace valdren
