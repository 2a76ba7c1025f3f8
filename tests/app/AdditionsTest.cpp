// What the editor adds to the game's: the strength of the selection and finding templates.
#include <QComboBox>
#include <QLabel>
#include <QTest>

#include "MainFrameFixture.h"
#include "app/Commands.h"
#include "app/CreatedTree.h"
#include "app/FindBar.h"
#include "app/StrengthWindow.h"

namespace valdren {
namespace {

class AdditionsTest : public test::MainFrameFixture {
 protected:
  void SetUp() override { OpenDemoOrganization(); }
  QModelIndex Created(std::initializer_list<int> rows) const {
    const QAbstractItemModel* model = frame->Created()->model();
    QModelIndex index = model->index(0, 0);
    for (const int row : rows)
      index = model->index(row, 0, index);
    return index;
  }
  QString CatalogSelection() const {
    return frame->Catalog().Tree()->currentIndex().data().toString();
  }
};

// The demo's Panzer-Division holds 183 platoons in 38 units, of value 2,003; the British division
// makes the Allied value of 2,766.
TEST_F(AdditionsTest, TheStrengthFieldFollowsSelectionAndChanges) {
  const auto* field = frame->findChild<QLabel*>("StrengthField");
  frame->Created()->setCurrentIndex(Created({0}));
  EXPECT_EQ(field->text(), "16. Panzer-Division: 183 platoons, 38 units, value 2,003");
  frame->Created()->setCurrentIndex(Created({}));
  EXPECT_TRUE(field->text().contains("(Axis 2,003, Allied 2,766)")) << field->text().toStdString();

  frame->Created()->setCurrentIndex(Created({0, 1}));  // the staff: five platoons
  const QString staff = field->text();
  prompter.answers = {MessageAnswer::kOk};
  frame->Commands().Action(kDelete)->trigger();
  frame->Created()->setCurrentIndex(Created({0}));
  EXPECT_EQ(field->text().left(field->text().indexOf(',')), "16. Panzer-Division: 178 platoons");
  frame->Editing().Undo();
  frame->Created()->setCurrentIndex(Created({0}));
  EXPECT_EQ(field->text(), "16. Panzer-Division: 183 platoons, 38 units, value 2,003");
  EXPECT_TRUE(staff.startsWith("Divisionsstab: 5 platoons")) << staff.toStdString();
}

// The staff's five platoons are of five templates, one each.
TEST_F(AdditionsTest, TheStrengthWindowExportsItsTableAsCsv) {
  frame->Created()->setCurrentIndex(Created({0, 1}));
  frame->OnStrength();
  auto* window = frame->findChild<StrengthWindow*>();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), "Strength of Divisionsstab");
  prompter.files = {PathOf("staff.csv")};
  window->ExportCsv();
  EXPECT_EQ(prompter.dialogs.back().defaultExtension, "csv");
  const QStringList lines = QString::fromStdString(folder.Read("staff.csv")).split("\r\n");
  ASSERT_EQ(lines.size(), 7);  // the header, five rows, and nothing after the last line end
  EXPECT_EQ(lines[0], "Template,Platoons,Catalog value,Value");
  for (int row = 1; row <= 5; ++row)
    EXPECT_EQ(lines[row].split(',')[1], "1") << row;
  EXPECT_EQ(lines[6], "");
  window->close();
}

TEST_F(AdditionsTest, FindGoesThroughTheMatchesAcrossNationsAndWraps) {
  Show(801, 500);
  const QRect catalogClosed = frame->Catalog().Tree()->geometry();
  frame->Catalog().OpenFindBar();
  FindBar* bar = frame->Catalog().Finder();
  ASSERT_NE(bar, nullptr);
  EXPECT_LT(frame->Catalog().Tree()->height(), catalogClosed.height() + 1);

  // "division" names Germany's two division templates and the British and other ones; the first
  // is shown at once, inside Russia or Germany, which were collapsed.
  bar->SetText("DIVISION");
  const QString first = CatalogSelection();
  EXPECT_TRUE(first.contains("ivision", Qt::CaseInsensitive)) << first.toStdString();
  const QString status = bar->Status();
  ASSERT_TRUE(status.startsWith("1 of ")) << status.toStdString();
  const int count = status.mid(5).toInt();
  ASSERT_GT(count, 2);
  bar->Previous();  // wraps to the last
  EXPECT_EQ(bar->Status(), QString("%1 of %1").arg(count));
  bar->Next();  // and back to the first
  EXPECT_EQ(CatalogSelection(), first);

  bar->SetText("no such template");
  EXPECT_EQ(bar->Status(), "No match");

  // A date change lists other templates: the matches follow.
  bar->SetText("Zug");
  const QString summer41 = bar->Status();
  Pick(frame->Catalog().YearBox(), 0);  // 1939
  bar->Next();
  EXPECT_NE(bar->Status(), summer41);
  EXPECT_NE(bar->Status(), "No match");

  QTest::keyClick(bar, Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_EQ(frame->Catalog().Finder(), nullptr);
  EXPECT_EQ(frame->Catalog().Tree()->geometry(), catalogClosed);
}

}  // namespace
}  // namespace valdren
