// The window as a document: the file commands, the save question, the title, Append and the
// command-line file, each answered through the scripted prompter.
#include <QComboBox>
#include <QStatusBar>

#include "MainFrameFixture.h"
#include "app/Commands.h"
#include "app/CreatedTree.h"
#include "org/OrgFile.h"
#include "org/OrgRoot.h"

namespace valdren {
namespace {

using test::ScriptedPrompter;

class DocumentTest : public test::MainFrameFixture {
 protected:
  void SetUp() override { CopyDemo(); }

  // The demo organization's two divisions, as the tree shows them.
  static QStringList TopLevel(const MainFrame& window) {
    const QAbstractItemModel* model = window.Created()->model();
    const QModelIndex root = model->index(0, 0);
    QStringList names;
    for (int row = 0; row < model->rowCount(root); ++row)
      names << model->index(row, 0, root).data().toString();
    return names;
  }
  // Any change marks the document modified; a filter change is the simplest one.
  static void Edit(MainFrame& window) {
    Pick(window.Catalog().MonthBox(), window.Catalog().MonthBox()->currentIndex() == 6 ? 7 : 6);
    ASSERT_TRUE(window.Modified());
  }

  const QStringList demoDivisions = {"16. Panzer-Division", "7th Infantry Division"};
};

TEST_F(DocumentTest, OpenShowsTheFileAndItsDateAndNamesTheTitle) {
  MainFrame& window = Open();
  EXPECT_EQ(window.windowTitle(), "Valdren Organization Editor");
  Edit(window);
  prompter.answers = {MessageAnswer::kNo};  // give the change up
  prompter.files = {PathOf("main.org")};
  Trigger(kFileOpen);
  EXPECT_EQ(prompter.Captions(), QStringList({"File Has Changed", "Open"}));
  EXPECT_EQ(prompter.asked[0].text, "Do you want to save the current file?");
  EXPECT_EQ(prompter.asked[0].icon, MessageIcon::kQuestion);
  EXPECT_EQ(prompter.asked[0].buttons, MessageButtons::kYesNoCancel);
  const FileDialogSettings& dialog = prompter.dialogs[0];
  EXPECT_EQ(dialog.filter, "Org Files (*.org)");
  EXPECT_EQ(dialog.defaultExtension, "org");
  EXPECT_EQ(dialog.fileName, "*.org");
  EXPECT_TRUE(dialog.fileMustExist);

  EXPECT_EQ(TopLevel(window), demoDivisions);
  EXPECT_FALSE(window.Modified());
  EXPECT_EQ(window.FileName(), PathOf("main.org"));
  EXPECT_EQ(window.windowTitle(), "Valdren Organization Editor - main.org");
  EXPECT_EQ(window.Catalog().MonthBox()->currentText(), "June");  // the file's date, 6 41
  // Every group collapsed, the root expanded.
  const QModelIndex root = window.Created()->model()->index(0, 0);
  EXPECT_TRUE(window.Created()->isExpanded(root));
  EXPECT_FALSE(window.Created()->isExpanded(window.Created()->model()->index(0, 0, root)));
}

TEST_F(DocumentTest, OpenFailuresKeepWhatTheWindowHad) {
  MainFrame& window = Open();
  prompter.files = {PathOf("main.org")};
  Trigger(kFileOpen);

  // A file that vanished after the dialog, and a folder: nothing read, nothing lost.
  for (const char* name : {"vanished.org", "."}) {
    prompter.asked.clear();
    prompter.files = {PathOf(name)};
    Trigger(kFileOpen);
    ASSERT_EQ(prompter.Captions(), QStringList({"Open", "File Read Error"})) << name;
    EXPECT_EQ(prompter.asked[1].text, "Unable to open file");
    EXPECT_EQ(prompter.asked[1].icon, MessageIcon::kExclamation);
    EXPECT_EQ(TopLevel(window), demoDivisions);
    EXPECT_EQ(window.FileName(), PathOf(name));  // the chosen name, as the table has it
  }

  // Cancelling the dialog changes nothing, not even the name.
  prompter.asked.clear();
  Trigger(kFileOpen);
  EXPECT_EQ(prompter.Captions(), QStringList({"Open"}));
  EXPECT_EQ(window.FileName(), PathOf("."));
}

TEST_F(DocumentTest, APartlyReadFileIsShownAndReplacedOnlyWhenTheUserSaysSo) {
  // The first division whole, then the second broken off in its first line.
  const std::string whole = folder.Read("main.org");
  const std::size_t second = whole.find("\nD", whole.find("\nD") + 1) + 1;
  ASSERT_GT(second, 0u);
  folder.Write("partial.org", whole.substr(0, second) + "D150001 x\r\n");

  MainFrame& window = Open();
  prompter.files = {PathOf("partial.org")};
  Trigger(kFileOpen);
  EXPECT_EQ(prompter.Captions(), QStringList({"Open", "File Read Error"}));
  EXPECT_EQ(prompter.asked[1].text, "Error reading file");
  EXPECT_EQ(TopLevel(window).front(), "16. Panzer-Division");
  EXPECT_FALSE(TopLevel(window).contains("7th Infantry Division"));
  EXPECT_EQ(window.windowTitle(), "Valdren Organization Editor - partial.org");

  // Saving would put the part read in place of the whole file: No keeps the file and the
  // changes; Yes replaces it, and the next save asks no more.
  Edit(window);
  prompter.asked.clear();
  prompter.answers = {MessageAnswer::kNo};
  Trigger(kFileSave);
  ASSERT_EQ(prompter.Captions(), QStringList({"File Read in Part"}));
  EXPECT_EQ(prompter.asked[0].text,
            "partial.org was not read completely when it was opened.\nSaving now replaces the "
            "whole file with what was read.\n\nReplace partial.org?");
  EXPECT_EQ(prompter.asked[0].buttons, MessageButtons::kYesNo);
  EXPECT_EQ(folder.Read("partial.org"), whole.substr(0, second) + "D150001 x\r\n");
  EXPECT_TRUE(window.Modified());
  prompter.answers = {MessageAnswer::kYes};
  Trigger(kFileSave);
  EXPECT_EQ(folder.Read("partial.org"), WriteOrganization(window.Editing().Organization()));
  EXPECT_FALSE(window.Modified());
  prompter.asked.clear();
  Edit(window);
  Trigger(kFileSave);
  EXPECT_TRUE(prompter.asked.empty());
}

// A file of another version opens as an empty organization without a word, and a command-line
// file that breaks off is read in part: neither is replaced by a save without the question, nor
// by the save the save question runs.
TEST_F(DocumentTest, AFileReadInPartIsNeverReplacedSilently) {
  folder.Write("other.org", "2\r\n0\r\n6 41\r\n");
  prompter.files = {PathOf("other.org")};
  MainFrame& window = Open();
  Trigger(kFileOpen);
  EXPECT_EQ(prompter.Captions(), QStringList({"Open"}));
  Edit(window);
  prompter.answers = {MessageAnswer::kYes, MessageAnswer::kNo};
  Trigger(kFileNew);  // Yes, save; No, do not replace: the New stops
  EXPECT_EQ(prompter.Captions().mid(1), QStringList({"File Has Changed", "File Read in Part"}));
  EXPECT_EQ(folder.Read("other.org"), "2\r\n0\r\n6 41\r\n");
  EXPECT_EQ(window.FileName(), PathOf("other.org"));

  folder.Write("broken.org", "1\r\n0\r\n6 41\r\nD150001 x\r\n");
  prompter.asked.clear();
  Open((folder.Path() / "broken.org").string());
  Show(801, 500);
  Trigger(kFileSave);
  EXPECT_EQ(prompter.Captions(), QStringList({"File Read Error", "File Read in Part"}));
  EXPECT_EQ(folder.Read("broken.org"), "1\r\n0\r\n6 41\r\nD150001 x\r\n");
}

TEST_F(DocumentTest, SaveOfAnUnnamedDocumentAsksForANameThenWritesWithoutAsking) {
  MainFrame& window = Open();
  prompter.files = {PathOf("main.org")};
  Trigger(kFileOpen);
  prompter.asked.clear();
  Trigger(kFileNew);
  EXPECT_TRUE(prompter.asked.empty());  // nothing to save
  EXPECT_TRUE(TopLevel(window).isEmpty());
  EXPECT_EQ(window.windowTitle(), "Valdren Organization Editor");

  Edit(window);
  prompter.files = {PathOf("new.org")};
  Trigger(kFileSave);
  ASSERT_EQ(prompter.Captions(), QStringList({"Save"}));
  EXPECT_EQ(prompter.dialogs.back().fileName, "main.org");
  EXPECT_TRUE(prompter.dialogs.back().overwritePrompt);
  EXPECT_FALSE(window.Modified());
  EXPECT_EQ(window.windowTitle(), "Valdren Organization Editor - new.org");
  EXPECT_EQ(folder.Read("new.org"), "1\r\n0\r\n7 41\r\n");  // July, from the edit

  window.Catalog().MonthBox()->setCurrentIndex(0);
  window.Catalog().MonthBox()->activated(0);
  Trigger(kFileSave);
  EXPECT_EQ(prompter.Captions(), QStringList({"Save"}));  // no second dialog
  EXPECT_EQ(folder.Read("new.org"), "1\r\n0\r\n1 41\r\n");
}

TEST_F(DocumentTest, AFailedSaveKeepsTheOldFileAndTheChanges) {
  MainFrame& window = Open();
  std::filesystem::create_directory(PathOf("folder.org"));
  Edit(window);
  prompter.files = {PathOf("folder.org")};
  Trigger(kFileSaveAs);
  EXPECT_EQ(prompter.Captions(), QStringList({"Save", "File Write Error"}));
  EXPECT_EQ(prompter.asked[1].text, "Unable to open file");
  EXPECT_TRUE(window.Modified());
  EXPECT_TRUE(std::filesystem::is_directory(PathOf("folder.org")));
}

TEST_F(DocumentTest, TheSaveQuestionCanCancelWhatAskedIt) {
  MainFrame& window = Open();
  Show(801, 500);
  Edit(window);

  // Cancel keeps the window open with its changes.
  prompter.answers = {MessageAnswer::kCancel};
  EXPECT_FALSE(window.close());
  EXPECT_TRUE(window.Modified());

  // Yes for an unnamed document asks for a name; cancelling that cancels the New.
  prompter.answers = {MessageAnswer::kYes};
  Trigger(kFileNew);
  EXPECT_EQ(prompter.Captions().mid(1), QStringList({"File Has Changed", "Save"}));
  EXPECT_TRUE(window.Modified());
  EXPECT_EQ(window.Catalog().MonthBox()->currentText(), "July");

  // ... and the Open.
  prompter.asked.clear();
  prompter.answers = {MessageAnswer::kYes};
  Trigger(kFileOpen);
  EXPECT_EQ(prompter.Captions(), QStringList({"File Has Changed", "Save"}));

  // No gives the changes up and closes without writing.
  prompter.answers = {MessageAnswer::kNo};
  EXPECT_TRUE(window.close());
  EXPECT_FALSE(window.Modified());
  EXPECT_FALSE(std::filesystem::exists(PathOf("new.org")));
}

TEST_F(DocumentTest, AppendAddsItemsWithFreshIdsAndKeepsNameDateAndFilter) {
  MainFrame& window = Open();
  prompter.files = {PathOf("main.org")};
  Trigger(kFileOpen);
  window.Catalog().YearBox()->setCurrentIndex(4);
  window.Catalog().YearBox()->activated(4);  // 1943
  prompter.files = {PathOf("main.org")};
  Trigger(kFileAppend);
  EXPECT_EQ(prompter.dialogs.back().fileName, "");
  EXPECT_EQ(TopLevel(window), demoDivisions + demoDivisions);
  EXPECT_EQ(window.FileName(), PathOf("main.org"));
  EXPECT_EQ(window.Catalog().YearBox()->currentText(), "1943");
  EXPECT_EQ(window.Editing().Organization().year, 43);
  EXPECT_TRUE(window.Modified());
  // The file's ids run 0..689 and its next id is 690: the copies continue from there.
  EXPECT_EQ(window.Editing().Organization().nextId, 2 * 690);

  prompter.asked.clear();
  prompter.files = {PathOf("gone.org")};
  Trigger(kFileAppend);
  ASSERT_EQ(prompter.Captions(), QStringList({"Open", "Open Error"}));
  EXPECT_EQ(prompter.asked[1].text, "Error opening file");
  EXPECT_EQ(prompter.asked[1].icon, MessageIcon::kNone);
  EXPECT_EQ(TopLevel(window).size(), 4);
}

TEST_F(DocumentTest, TheCommandLineFileOpensOnceWhenTheWindowIsFirstShown) {
  MainFrame& window = Open("main.org");
  EXPECT_TRUE(TopLevel(window).isEmpty());  // not before the window is shown
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(folder.Path());  // a command-line name is the game folder's
  Show(801, 500);
  std::filesystem::current_path(previous);
  EXPECT_EQ(TopLevel(window), demoDivisions);
  EXPECT_FALSE(window.Modified());
  EXPECT_EQ(window.windowTitle(), "Valdren Organization Editor - main.org");
  EXPECT_TRUE(prompter.asked.empty());
}

TEST_F(DocumentTest, AMissingOrBrokenCommandLineFileIsReportedOnce) {
  folder.Write("broken.org", "x");
  const struct {
    const char* file;
    const char* text;
    const char* caption;
  } cases[] = {{"missing.org", "Error opening file", "Open Error"},
               {"broken.org", "Error reading map file", "File Read Error"}};
  for (const auto& c : cases) {
    prompter.asked.clear();
    MainFrame& window = Open((folder.Path() / c.file).string());
    Show(801, 500);
    window.hide();
    Show(801, 500);
    ASSERT_EQ(prompter.asked.size(), 1u) << c.file;
    EXPECT_EQ(prompter.asked[0].text, c.text);
    EXPECT_EQ(prompter.asked[0].caption, c.caption);
    EXPECT_EQ(prompter.asked[0].icon, MessageIcon::kExclamation);
    EXPECT_TRUE(prompter.asked[0].windowShown);
    EXPECT_FALSE(window.Modified());
  }
}

TEST_F(DocumentTest, FilterChangesRefillExpandedNationsAndMarkTheDocument) {
  MainFrame& window = Open();
  TreeView* catalog = window.Catalog().Tree();
  const QAbstractItemModel* model = catalog->model();
  const QModelIndex root = model->index(0, 0);
  const QModelIndex germany = model->index(1, 0, root);
  ASSERT_EQ(germany.data().toString(), "Germany");
  catalog->expand(germany);
  // The demo's German platoons: 37 in June 1941, 35 in June 1939.
  const QModelIndex platoons = model->index(0, 0, germany);
  ASSERT_EQ(model->rowCount(platoons), 37);

  // Picking the shown month again does nothing.
  window.Catalog().MonthBox()->activated(window.Catalog().MonthBox()->currentIndex());
  EXPECT_FALSE(window.Modified());

  window.Catalog().YearBox()->setCurrentIndex(0);  // 1939
  window.Catalog().YearBox()->activated(0);
  EXPECT_TRUE(window.Modified());
  EXPECT_EQ(window.Editing().Organization().year, 39);
  EXPECT_TRUE(catalog->isExpanded(germany));
  EXPECT_EQ(model->rowCount(platoons), 35);

  prompter.files = {PathOf("main.org")};
  prompter.answers = {MessageAnswer::kNo};
  window.Commands().Action(kFileOpen)->trigger();  // back to the file's June 1941
  EXPECT_EQ(window.Catalog().YearBox()->currentText(), "1941");
  EXPECT_EQ(model->rowCount(platoons), 37);
  prompter.files = {PathOf("main.org")};
  window.Commands().Action(kFileAppend)->trigger();
  window.Commands().Action(kFileNew)->trigger();
  prompter.answers = {MessageAnswer::kNo};
}

}  // namespace
}  // namespace valdren
