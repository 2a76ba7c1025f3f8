// The created items the game refuses at the organization's date: their marks in the tree and
// the Check Dates window.
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include "MainFrameFixture.h"
#include "app/Commands.h"
#include "app/DatesWindow.h"
#include "oob/PlatoonFile.h"

namespace valdren {
namespace {

// A company at 6/41 with a rifle platoon (always there), a tank platoon (from 3/42) and a platoon
// whose template the database lacks.
class DatesTest : public test::MainFrameFixture {
 protected:
  void SetUp() override {
    const std::string fields = " 0 0 0 0 0 0 0 0 M 0 0 0 0 0 0 0 W 0 0 0 0 0 0 ";
    folder.Write("platoon.obx", ScrambleFile("P1101 5" + fields + "39 1 45 12 0 0 0 Schuetzen\n" +
                                             "P1102 9" + fields + "42 3 45 12 0 0 0 Panzer IV\n"));
    folder.Write("company.oob", "39 1 45 12 C100001 7 Kompanie\n");
    folder.Write("main.org",
                 "1\r\n4\r\n6 41\r\nC100001 0 7 Kompanie\r\n    P1101 1 7 Schuetzen\r\n"
                 "    P1102 2 7 Panzer\r\n    P1999 3 7 Fremd\r\n    End\r\n");
    Open();
    prompter.files = {PathOf("main.org")};
    frame->OnFileOpen();
  }
  static bool Marked(const QModelIndex& index) {
    return index.data(Qt::FontRole).value<QFont>().italic() &&
           index.data(Qt::ForegroundRole).isValid();
  }
};

// The marks follow a date change and its undo, and only the rows whose mark changes are told.
TEST_F(DatesTest, TheMarksFollowTheDateAndItsUndo) {
  const QModelIndex company = Created({0}), rifles = Created({0, 0}), tanks = Created({0, 1}),
                    foreign = Created({0, 2});
  EXPECT_EQ(tanks.data(Qt::ToolTipRole).toString(), "Not available in 6/41: from 3/42");
  QSignalSpy changed(frame->Created()->model(), &QAbstractItemModel::dataChanged);
  const auto told = [&changed] {  // the first row of each range told
    QList<QModelIndex> rows;
    for (const QList<QVariant>& signal : changed)
      rows << signal[0].value<QModelIndex>();
    changed.clear();
    return rows;
  };
  const struct {
    std::function<void()> change;
    QList<bool> marks;  // the company's, then its three platoons'
    QList<QModelIndex> told;
  } steps[] = {
      {[] {}, {false, false, true, true}, {}},
      {[this] { Pick(frame->Catalog().YearBox(), 3); }, {false, false, false, true}, {tanks}},
      {[this] { Pick(frame->Catalog().MonthBox(), 6); }, {false, false, false, true}, {}},
      {[this] { frame->Editing().Undo(); }, {false, false, false, true}, {}},
      {[this] { frame->Editing().Undo(); }, {false, false, true, true}, {tanks}},
  };
  for (std::size_t step = 0; step < std::size(steps); ++step) {
    steps[step].change();
    EXPECT_EQ(QList<bool>({Marked(company), Marked(rifles), Marked(tanks), Marked(foreign)}),
              steps[step].marks)
        << step;
    EXPECT_EQ(told(), steps[step].told) << step;
  }
}

// The window lists the refused items with their paths, selects the one chosen, and follows the
// edits and the date.
TEST_F(DatesTest, CheckDatesListsTheRefusedItemsAndSelectsTheOneChosen) {
  frame->Created()->collapse(Created({0}));
  frame->Commands().CheckDates()->trigger();
  auto* window = frame->findChild<DatesWindow*>();
  ASSERT_NE(window, nullptr);
  const auto rows = [window] {
    QStringList shown{window->Summary()};
    const QAbstractItemModel* list = window->List()->model();
    for (int row = 0; row < list->rowCount(); ++row)
      shown << list->index(row, 0).data().toString() + " | " +
                   list->index(row, 1).data().toString();
    return shown;
  };
  EXPECT_EQ(rows(), QStringList({"2 items are not available in 6/41:",
                                 "Kompanie / Panzer | Not available in 6/41: from 3/42",
                                 "Kompanie / Fremd | Not in the database"}));

  window->List()->setCurrentIndex(window->List()->model()->index(1, 0));
  QTest::keyClick(window->List(), Qt::Key_Return);
  EXPECT_EQ(frame->Created()->currentIndex(), Created({0, 2}));
  EXPECT_TRUE(frame->Created()->isExpanded(Created({0})));
  EXPECT_TRUE(window->isVisible());

  prompter.answers = {MessageAnswer::kOk};
  Trigger(kDelete);
  EXPECT_EQ(rows(), QStringList({"1 item is not available in 6/41:",
                                 "Kompanie / Panzer | Not available in 6/41: from 3/42"}));
  Pick(frame->Catalog().YearBox(), 3);
  EXPECT_EQ(rows(), QStringList({"Every item is available in 6/42."}));
  frame->Commands().CheckDates()->trigger();  // the same window, not a second
  EXPECT_EQ(frame->findChildren<DatesWindow*>().size(), 1);
}

}  // namespace
}  // namespace valdren
