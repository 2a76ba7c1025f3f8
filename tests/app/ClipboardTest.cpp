// Cut, Copy, Paste and Duplicate of created items through the clipboard.
#include <QClipboard>
#include <QMimeData>

#include "MainFrameFixture.h"
#include "app/OrgClipboard.h"

namespace valdren {
namespace {

class ClipboardTest : public test::MainFrameFixture {
 protected:
  void SetUp() override { OpenDemoOrganization(); }
  void Run(int command, std::initializer_list<int> selected) {
    frame->Created()->setCurrentIndex(Created(selected));
    frame->Commands().Clipboard()[command]->trigger();
  }
  static QClipboard& Clipboard() { return *QGuiApplication::clipboard(); }
  enum { kCut, kCopy, kPaste, kDuplicate };
  // The demo's staff, the second item of its first division: its lines in main.org, where they
  // stand four blanks in.
  const std::string staff =
      "C110020 2 8 Divisionsstab\r\n    P1403 3 8 Hptm Weidner\r\n    P1108 4 8 Stab\r\n"
      "    P1112 5 8 Nachrichtenzug\r\n    P1105 6 8 Pionierzug\r\n"
      "    P1106 7 8 Aufklaerungszug\r\n    End\r\n";
  // The same lines as plain text for other programs, with this system's line ends.
  std::string PlainText() const {
    std::string text = staff;
    std::erase(text, '\r');
    return text;
  }
};

TEST_F(ClipboardTest, CopyGivesTheFileLinesAndPasteMakesANewItemWhereTheNestingAllows) {
  Run(kCopy, {0, 1});
  EXPECT_EQ(Clipboard().mimeData()->data(OrgClipboard::kMimeType).toStdString(), staff);
  EXPECT_EQ(Clipboard().text().toStdString(), PlainText());
  const int nextId = frame->Editing().Organization().nextId;
  // A company beside the division's regiment; under the staff (a company) it cannot go.
  Run(kPaste, {0, 2});
  EXPECT_EQ(frame->Created()->currentIndex(), Created({0, 3}));
  EXPECT_FALSE(frame->Created()->isExpanded(Created({0, 3})));
  Run(kPaste, {0, 1, 0});
  EXPECT_EQ(frame->Created()->currentIndex(), Created({2}));
  EXPECT_EQ(frame->statusBar()->currentMessage(),
            "Pasted at the end: it cannot go into Divisionsstab");
  EXPECT_EQ(Created({2}).data().toString(), "Divisionsstab");
  EXPECT_EQ(frame->Editing().Organization().nextId, nextId + 2 * 6);  // fresh ids for both
  EXPECT_NE(Saved().find("\r\nC110020 " + std::to_string(nextId + 6) + " 8 Divisionsstab\r\n"),
            std::string::npos);
  frame->Editing().Undo();
  frame->Editing().Undo();
  EXPECT_EQ(Saved(), folder.Read("main.org"));
}

TEST_F(ClipboardTest, ForeignOrEmptyClipboardsAreRefusedAndChangeNothing) {
  for (const char* text : {"", "Grossdeutschland"}) {
    prompter.asked.clear();
    Clipboard().setText(text);
    Run(kPaste, {});
    ASSERT_EQ(prompter.Captions(), QStringList({"Paste"})) << text;
    EXPECT_TRUE(prompter.asked[0].text.contains(*text ? "does not read" : "holds no")) << text;
    EXPECT_EQ(Saved(), folder.Read("main.org"));
  }
}

TEST_F(ClipboardTest, DuplicateAndCutAreOneStepEachAndDuplicateLeavesTheClipboard) {
  Clipboard().setText("kept");
  Run(kDuplicate, {0, 1});
  EXPECT_EQ(Clipboard().text(), "kept");
  EXPECT_EQ(Names(Created({0})).mid(1, 2), QStringList({"Divisionsstab", "Divisionsstab"}));
  Run(kCut, {0, 1});
  EXPECT_TRUE(prompter.asked.empty());  // no question, unlike Delete
  EXPECT_EQ(Clipboard().text().toStdString(), PlainText());
  EXPECT_EQ(frame->Commands().Undo()->statusTip(), "Undo Cut Unit or Organization");
  frame->Editing().Undo();
  frame->Editing().Undo();
  EXPECT_EQ(Saved(), folder.Read("main.org"));
}

}  // namespace
}  // namespace valdren
