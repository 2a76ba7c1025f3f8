// Unsaved changes kept for a crash and offered back by the next editor in the same game folder.
#include "app/RecoveryFile.h"

#include <fstream>

#include "MainFrameFixture.h"
#include "app/Commands.h"
#include "org/OrgFile.h"

namespace valdren {
namespace {

namespace fs = std::filesystem;

class RecoveryTest : public test::MainFrameFixture {
 protected:
  void SetUp() override { OpenDemoOrganization(); }

  // A change to the demo organization, kept at once: the bytes it has now.
  std::string EditAndKeep() {
    const QAbstractItemModel* model = frame->Created()->model();
    frame->Created()->setCurrentIndex(model->index(1, 0, model->index(0, 0)));
    frame->Commands().Action(kMoveUp)->trigger();
    auto* recovery = frame->findChild<RecoveryFile*>();
    recovery->WriteNow();
    recovery->WaitForWrite();
    return WriteOrganization(frame->Editing().Organization());
  }
  // The recovery files under the user's data folder whose names end so.
  std::vector<fs::path> Copies(std::string_view ending = ".recovery") const {
    std::vector<fs::path> copies;
    for (const auto& entry : fs::recursive_directory_iterator(home.Path()))
      if (entry.path().string().ends_with(ending)) copies.push_back(entry.path());
    return copies;
  }
  // The editor ends without a word, as in a crash, and starts again in the game folder.
  void CrashAndRestart() {
    frame.reset();
    prompter.asked.clear();
    Open();
  }
};

TEST_F(RecoveryTest, AnEditorThatEndedWithoutAWordHasItsChangesOfferedBack) {
  const std::string edited = EditAndKeep();
  ASSERT_EQ(Copies().size(), 1u);
  CrashAndRestart();
  ASSERT_EQ(prompter.Captions(), QStringList({"Recover Unsaved Changes"}));
  EXPECT_TRUE(prompter.asked[0].text.startsWith("Recover the unsaved changes to main.org from "));
  EXPECT_EQ(WriteOrganization(frame->Editing().Organization()), edited);
  EXPECT_EQ(frame->FileName(), PathOf("main.org"));
  EXPECT_TRUE(frame->Modified());

  frame->Commands().Action(kFileSave)->trigger();
  EXPECT_EQ(folder.Read("main.org"), edited);
  EXPECT_TRUE(Copies().empty());
}

// A copy belongs to its game folder, and to its editor while that runs; Discard removes it.
TEST_F(RecoveryTest, OnlyACopyLeftInThisFolderIsOfferedAndDiscardRemovesIt) {
  EditAndKeep();
  std::unique_ptr<MainFrame> running = std::move(frame);
  prompter.asked.clear();
  Open();  // a second editor beside the running one
  test::GameFolder other;
  MainFrame elsewhere(std::string(), other.Path(), prompter);
  elsewhere.show();
  QApplication::processEvents();
  EXPECT_TRUE(prompter.asked.empty());

  running.reset();
  CrashAndRestart();
  ASSERT_EQ(prompter.Captions(), QStringList({"Recover Unsaved Changes"}));
  frame.reset();
  prompter.recoveries = {false};
  CrashAndRestart();
  EXPECT_EQ(prompter.Captions(), QStringList({"Recover Unsaved Changes"}));
  EXPECT_FALSE(frame->Modified());
  EXPECT_TRUE(Copies().empty());
  CrashAndRestart();
  EXPECT_TRUE(prompter.asked.empty());
}

TEST_F(RecoveryTest, TheCopyGoesWhenTheChangesAreSavedOrGivenUp) {
  EditAndKeep();
  frame->Commands().Action(kFileSave)->trigger();
  EXPECT_TRUE(Copies().empty());
  EditAndKeep();
  prompter.answers = {MessageAnswer::kNo};
  frame->Commands().Action(kFileNew)->trigger();
  EXPECT_TRUE(Copies().empty());
}

TEST_F(RecoveryTest, ACopyThatDoesNotReadIsReportedAndKeptAside) {
  EditAndKeep();
  const fs::path copy = Copies().front();
  std::ofstream(copy, std::ios::app) << "D150001 x\r\n";
  const std::string bytes = home.Read(copy.string());
  CrashAndRestart();
  ASSERT_EQ(prompter.Captions(), QStringList({"Recovery Error"}));
  ASSERT_EQ(Copies(".recovery").size(), 0u);
  const std::vector<fs::path> aside = Copies("");
  const auto kept = std::find_if(aside.begin(), aside.end(), [](const fs::path& path) {
    return path.filename().string().find(".unreadable-") != std::string::npos;
  });
  ASSERT_NE(kept, aside.end());
  EXPECT_TRUE(prompter.asked[0].text.contains(QString::fromStdString(kept->string())));
  EXPECT_EQ(home.Read(kept->string()), bytes);
  EXPECT_EQ(frame->Editing().Organization().items.Size(), 0u);
}

}  // namespace
}  // namespace valdren
