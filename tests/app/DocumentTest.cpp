// The window as a document: the file commands, the save question, the title, Append and the
// command-line file, each answered through the scripted prompter.
#include <QMenu>
#include <QSettings>
#include <QWheelEvent>

#include "MainFrameFixture.h"
#include "app/Commands.h"
#include "app/RecentFiles.h"

namespace valdren {
namespace {

class DocumentTest : public test::MainFrameFixture {
 protected:
  void SetUp() override { CopyDemo(); }

  QStringList TopLevel() const { return Names(Created({})); }
  // Any change marks the document modified; a filter change is the simplest one.
  void Edit() const {
    QComboBox* month = frame->Catalog().MonthBox();
    Pick(month, month->currentIndex() == 6 ? 7 : 6);
    ASSERT_TRUE(frame->Modified());
  }
  QString Title() const { return frame->windowTitle(); }

  const QStringList demoDivisions = {"16. Panzer-Division", "7th Infantry Division"};
};

TEST_F(DocumentTest, OpenShowsTheFileAndItsDateAndNamesTheTitle) {
  Open();  // the title without a file is the window's test
  Edit();
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

  EXPECT_EQ(TopLevel(), demoDivisions);
  EXPECT_FALSE(frame->Modified());
  EXPECT_EQ(frame->FileName(), PathOf("main.org"));
  EXPECT_EQ(Title(), "Valdren Organization Editor - main.org");
  EXPECT_EQ(frame->Catalog().MonthBox()->currentText(), "June");  // the file's date, 6 41
  // Every group collapsed, the root expanded.
  EXPECT_TRUE(frame->Created()->isExpanded(Created({})));
  EXPECT_FALSE(frame->Created()->isExpanded(Created({0})));

  // A file that vanished after the dialog (the core tells a folder the same way): nothing read,
  // nothing lost, and the chosen name kept. Cancelling the dialog changes nothing, not even the
  // name.
  prompter.asked.clear();
  prompter.files = {PathOf("vanished.org")};
  Trigger(kFileOpen);
  ASSERT_EQ(prompter.Captions(), QStringList({"Open", "File Read Error"}));
  EXPECT_EQ(prompter.asked[1].text, "Unable to open file");
  EXPECT_EQ(prompter.asked[1].icon, MessageIcon::kExclamation);
  EXPECT_EQ(TopLevel(), demoDivisions);
  EXPECT_EQ(frame->FileName(), PathOf("vanished.org"));
  Trigger(kFileOpen);
  EXPECT_EQ(frame->FileName(), PathOf("vanished.org"));
}

TEST_F(DocumentTest, APartlyReadFileIsShownAndReplacedOnlyWhenTheUserSaysSo) {
  // The first division whole, then the second broken off in its first line.
  const std::string whole = folder.Read("main.org");
  const std::string partial = whole.substr(0, whole.find("\nD", whole.find("\nD") + 1) + 1);
  folder.Write("partial.org", partial + "D150001 x\r\n");
  Open();
  prompter.files = {PathOf("partial.org")};
  Trigger(kFileOpen);
  EXPECT_EQ(prompter.Captions(), QStringList({"Open", "File Read Error"}));
  EXPECT_EQ(prompter.asked[1].text, "Error reading file");
  EXPECT_EQ(TopLevel().front(), "16. Panzer-Division");
  EXPECT_FALSE(TopLevel().contains("7th Infantry Division"));
  EXPECT_EQ(Title(), "Valdren Organization Editor - partial.org");

  // Saving would put the part read in place of the whole file: No keeps the file and the
  // changes; Yes replaces it, and the next save asks no more.
  Edit();
  prompter.asked.clear();
  prompter.answers = {MessageAnswer::kNo};
  Trigger(kFileSave);
  ASSERT_EQ(prompter.Captions(), QStringList({"File Read in Part"}));
  EXPECT_EQ(prompter.asked[0].text,
            "partial.org was not read completely when it was opened.\nSaving now replaces the "
            "whole file with what was read.\n\nReplace partial.org?");
  EXPECT_EQ(prompter.asked[0].buttons, MessageButtons::kYesNo);
  EXPECT_EQ(folder.Read("partial.org"), partial + "D150001 x\r\n");
  EXPECT_TRUE(frame->Modified());
  prompter.answers = {MessageAnswer::kYes};
  Trigger(kFileSave);
  EXPECT_EQ(folder.Read("partial.org"), Saved());
  EXPECT_FALSE(frame->Modified());
  prompter.asked.clear();
  Edit();
  Trigger(kFileSave);
  EXPECT_TRUE(prompter.asked.empty());
}

// A file of another version opens as an empty organization without a word, and a command-line
// file that breaks off is read in part: neither is replaced by a save without the question, nor
// by the save the save question runs.
TEST_F(DocumentTest, AFileReadInPartIsNeverReplacedSilently) {
  folder.Write("other.org", "2\r\n0\r\n6 41\r\n");
  prompter.files = {PathOf("other.org")};
  Open();
  Trigger(kFileOpen);
  EXPECT_EQ(prompter.Captions(), QStringList({"Open"}));
  Edit();
  prompter.answers = {MessageAnswer::kYes, MessageAnswer::kNo};
  Trigger(kFileNew);  // Yes, save; No, do not replace: the New stops
  EXPECT_EQ(prompter.Captions().mid(1), QStringList({"File Has Changed", "File Read in Part"}));
  EXPECT_EQ(folder.Read("other.org"), "2\r\n0\r\n6 41\r\n");
  EXPECT_EQ(frame->FileName(), PathOf("other.org"));

  folder.Write("broken.org", "1\r\n0\r\n6 41\r\nD150001 x\r\n");
  prompter.asked.clear();
  Open((folder.Path() / "broken.org").string());
  Show(801, 500);
  Trigger(kFileSave);
  EXPECT_EQ(prompter.Captions(), QStringList({"File Read Error", "File Read in Part"}));
  EXPECT_EQ(folder.Read("broken.org"), "1\r\n0\r\n6 41\r\nD150001 x\r\n");
}

TEST_F(DocumentTest, SaveWithoutANameAsksForOneAndAFailedSaveKeepsTheChanges) {
  Open();
  Edit();  // July
  prompter.files = {PathOf("new.org")};
  Trigger(kFileSave);
  ASSERT_EQ(prompter.Captions(), QStringList({"Save"}));
  EXPECT_EQ(prompter.dialogs.back().fileName, "main.org");
  EXPECT_TRUE(prompter.dialogs.back().overwritePrompt);
  EXPECT_FALSE(frame->Modified());
  EXPECT_EQ(Title(), "Valdren Organization Editor - new.org");
  EXPECT_EQ(folder.Read("new.org"), "1\r\n0\r\n7 41\r\n");

  std::filesystem::create_directory(PathOf("folder.org"));
  Edit();
  prompter.asked.clear();
  prompter.files = {PathOf("folder.org")};
  Trigger(kFileSaveAs);
  EXPECT_EQ(prompter.Captions(), QStringList({"Save", "File Write Error"}));
  EXPECT_EQ(prompter.asked[1].text, "Unable to open file");
  EXPECT_TRUE(frame->Modified());
}

// The save question before New, Open and closing the window: Cancel, or a cancelled Save As
// after Yes, stops what asked, and the changes stay; No gives them up.
TEST_F(DocumentTest, TheSaveQuestionCanStopWhatAskedIt) {
  constexpr int kClose = 0;
  const struct {
    int command;
    MessageAnswer answer;
    QStringList asked;
  } cases[] = {{kClose, MessageAnswer::kCancel, {"File Has Changed"}},
               {kFileNew, MessageAnswer::kYes, {"File Has Changed", "Save"}},
               {kFileOpen, MessageAnswer::kYes, {"File Has Changed", "Save"}},
               {kClose, MessageAnswer::kNo, {"File Has Changed"}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    Open();
    Edit();
    prompter.asked.clear();
    prompter.answers = {c.answer};
    const bool goesOn = c.answer == MessageAnswer::kNo;
    if (c.command == kClose)
      EXPECT_EQ(frame->close(), goesOn);
    else
      Trigger(c.command);
    EXPECT_EQ(prompter.Captions(), c.asked);
    EXPECT_EQ(frame->Modified(), !goesOn);
  }
}

TEST_F(DocumentTest, AppendAddsItemsWithFreshIdsAndKeepsNameDateAndFilter) {
  Open();
  prompter.files = {PathOf("main.org")};
  Trigger(kFileOpen);
  Pick(frame->Catalog().YearBox(), 4);  // 1943
  prompter.files = {PathOf("main.org")};
  Trigger(kFileAppend);
  EXPECT_EQ(prompter.dialogs.back().fileName, "");
  EXPECT_EQ(TopLevel(), demoDivisions + demoDivisions);
  EXPECT_EQ(frame->FileName(), PathOf("main.org"));
  EXPECT_EQ(frame->Catalog().YearBox()->currentText(), "1943");
  EXPECT_EQ(frame->Editing().Organization().year, 43);
  EXPECT_TRUE(frame->Modified());
  // The file's ids run 0..689 and its next id is 690: the copies continue from there.
  EXPECT_EQ(frame->Editing().Organization().nextId, 2 * 690);
  // A file without items appends nothing; done again, it changes nothing either.
  folder.Write("empty.org", "1\r\n5\r\n6 41\r\n");
  prompter.files = {PathOf("empty.org")};
  Trigger(kFileAppend);
  frame->Editing().Undo();
  frame->Editing().Redo();
  EXPECT_EQ(frame->Editing().Organization().nextId, 2 * 690);

  prompter.asked.clear();
  prompter.files = {PathOf("gone.org")};
  Trigger(kFileAppend);
  ASSERT_EQ(prompter.Captions(), QStringList({"Open", "Open Error"}));
  EXPECT_EQ(prompter.asked[1].text, "Error opening file");
  EXPECT_EQ(prompter.asked[1].icon, MessageIcon::kNone);
  EXPECT_EQ(TopLevel().size(), 4);
}

TEST_F(DocumentTest, TheCommandLineFileOpensOnceWhenTheWindowIsFirstShown) {
  Open("main.org");
  EXPECT_TRUE(TopLevel().isEmpty());  // not before the window is shown
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(folder.Path());  // a command-line name is the game folder's
  Show(801, 500);
  std::filesystem::current_path(previous);
  EXPECT_EQ(TopLevel(), demoDivisions);
  EXPECT_FALSE(frame->Modified());
  EXPECT_EQ(Title(), "Valdren Organization Editor - main.org");
  EXPECT_TRUE(prompter.asked.empty());

  folder.Write("broken.org", "x");
  const struct {
    const char* file;
    const char* text;
    const char* caption;
  } cases[] = {{"missing.org", "Error opening file", "Open Error"},
               {"broken.org", "Error reading map file", "File Read Error"}};
  for (const auto& c : cases) {
    prompter.asked.clear();
    Open((folder.Path() / c.file).string());
    Show(801, 500);
    frame->hide();
    Show(801, 500);  // reported once
    ASSERT_EQ(prompter.asked.size(), 1u) << c.file;
    EXPECT_EQ(prompter.asked[0].text, c.text);
    EXPECT_EQ(prompter.asked[0].caption, c.caption);
    EXPECT_EQ(prompter.asked[0].icon, MessageIcon::kExclamation);
    EXPECT_TRUE(prompter.asked[0].windowShown);
    EXPECT_FALSE(frame->Modified());
  }
}

TEST_F(DocumentTest, FilterChangesRefillExpandedNationsAndMarkTheDocument) {
  Open();
  TreeView* catalog = frame->Catalog().Tree();
  catalog->expand(At(catalog, {1}));
  // The demo's German platoons: 37 in June 1941, 35 in June 1939. The second, listed in both,
  // stays selected.
  ASSERT_EQ(Names(At(catalog, {1, 0})).size(), 37);
  catalog->setCurrentIndex(At(catalog, {1, 0, 1}));
  const QString selected = catalog->currentIndex().data().toString();
  Pick(frame->Catalog().MonthBox(), frame->Catalog().MonthBox()->currentIndex());
  EXPECT_FALSE(frame->Modified());  // picking the shown month again does nothing
  // The wheel turned over a box without the focus passes it by.
  QWheelEvent wheel({5, 5}, {5, 5}, {}, {0, -120}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                    false);
  QApplication::sendEvent(frame->Catalog().YearBox(), &wheel);
  EXPECT_EQ(frame->Catalog().YearBox()->currentText(), "1941");
  EXPECT_FALSE(frame->Modified());
  Pick(frame->Catalog().YearBox(), 0);
  EXPECT_TRUE(frame->Modified());
  EXPECT_EQ(frame->Editing().Organization().year, 39);
  EXPECT_TRUE(catalog->isExpanded(At(catalog, {1})));
  EXPECT_EQ(Names(At(catalog, {1, 0})).size(), 35);
  EXPECT_EQ(catalog->currentIndex().data().toString(), selected);
  // A step of its own: undone, the box, the organization and the catalog are at 1941 again.
  EXPECT_EQ(frame->Commands().Undo()->statusTip(), "Undo Change Date");
  frame->Editing().Undo();
  EXPECT_EQ(frame->Catalog().YearBox()->currentText(), "1941");
  EXPECT_EQ(frame->Editing().Organization().year, 41);
  EXPECT_EQ(Names(At(catalog, {1, 0})).size(), 37);
  frame->Editing().Redo();
  EXPECT_EQ(Names(At(catalog, {1, 0})).size(), 35);
}

// The files opened or saved last, newest first: each opens after the save question; one that is
// gone is reported and dropped, and nothing else happens.
TEST_F(DocumentTest, RecentFilesOpenAsOpenDoesAndDropWhatIsGone) {
  QSettings().remove("recentFiles");
  Open();
  RecentFiles& recent = frame->Commands().Recent();
  const auto entries = [&recent] {
    QStringList texts;
    for (const QAction* entry : recent.Menu()->actions())
      texts << entry->text();
    return texts;
  };
  EXPECT_FALSE(recent.Menu()->menuAction()->isEnabled());
  prompter.files = {PathOf("main.org"), PathOf("new.org")};
  Trigger(kFileOpen);
  Trigger(kFileSaveAs);
  const QString here = QString::fromStdString(folder.Path().string());
  ASSERT_EQ(entries(), QStringList({"&1 new.org  (" + here + ")", "&2 main.org  (" + here + ")"}));

  Edit();
  prompter.asked.clear();
  prompter.answers = {MessageAnswer::kNo};
  recent.Menu()->actions()[1]->trigger();
  EXPECT_EQ(prompter.Captions(), QStringList({"File Has Changed"}));
  EXPECT_EQ(frame->FileName(), PathOf("main.org"));
  EXPECT_EQ(TopLevel(), demoDivisions);
  EXPECT_TRUE(entries()[0].startsWith("&1 main.org"));

  std::filesystem::remove(PathOf("new.org"));
  Edit();
  prompter.asked.clear();
  recent.Menu()->actions()[1]->trigger();
  EXPECT_EQ(prompter.Captions(), QStringList({"Open Recent"}));
  EXPECT_EQ(entries().size(), 1);
  EXPECT_EQ(frame->FileName(), PathOf("main.org"));
  EXPECT_TRUE(frame->Modified());

  for (int i = 0; i < 10; ++i)
    recent.Add(PathOf(std::to_string(i) + ".org"));
  EXPECT_EQ(recent.Files().size(), 8);
  EXPECT_TRUE(recent.Files()[0].endsWith("/9.org"));
}

}  // namespace
}  // namespace valdren
