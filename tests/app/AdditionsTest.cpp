// What the editor adds to the game's: the strength of the selection and finding templates.
#include <QComboBox>
#include <QLabel>
#include <QTest>

#include "MainFrameFixture.h"
#include "app/Commands.h"
#include "app/CreatedTree.h"
#include "app/FindBar.h"
#include "app/StrengthWindow.h"
#include "app/TreeFind.h"

namespace valdren {
namespace {

class AdditionsTest : public test::MainFrameFixture {
 protected:
  void SetUp() override { OpenDemoOrganization(); }
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
  prompter.answers = {MessageAnswer::kOk};
  frame->Commands().Action(kDelete)->trigger();
  frame->Created()->setCurrentIndex(Created({0}));
  EXPECT_EQ(field->text().left(field->text().indexOf(',')), "16. Panzer-Division: 178 platoons");
}

// The staff's five platoons are of five templates, one each (their order is the core's). In
// January 1945 the reconnaissance platoon has left the lists, the others not yet.
TEST_F(AdditionsTest, TheStrengthWindowListsTheTemplatesAndExportsThem) {
  Pick(frame->Catalog().MonthBox(), 0);
  Pick(frame->Catalog().YearBox(), 6);
  frame->Created()->setCurrentIndex(Created({0, 1}));
  frame->OnStrength();
  auto* window = frame->findChild<StrengthWindow*>();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), "Strength of Divisionsstab");
  prompter.files = {PathOf("staff.csv")};
  window->ExportCsv();
  EXPECT_EQ(prompter.dialogs.back().fileName, "Divisionsstab.csv");
  const QStringList lines = QString::fromStdString(folder.Read("staff.csv")).split("\r\n");
  ASSERT_EQ(lines.size(), 7);  // the header, five rows, and nothing after the last line end
  EXPECT_EQ(lines[0], "Template,Platoons,Catalog value,Value,Available at 1/45");
  QStringList available;
  for (int row = 1; row <= 5; ++row) {
    const QStringList fields = lines[row].split(',');
    EXPECT_EQ(fields[1], "1") << row;
    available << fields[4];
  }
  EXPECT_EQ(available.count("no"), 1) << available.join(' ').toStdString();
  window->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

  // An empty organization says so.
  prompter.answers = {MessageAnswer::kNo};
  frame->OnFileNew();
  frame->OnStrength();
  window = frame->findChild<StrengthWindow*>();
  EXPECT_TRUE(window->findChild<QLabel*>()->text().contains("The organization is empty"));
}

TEST_F(AdditionsTest, FindGoesThroughTheMatchesAcrossNationsAndWraps) {
  TreeView* catalog = frame->Catalog().Tree();
  catalog->expand(At(catalog, {2}));  // Italy, by the user
  catalog->setCurrentIndex(At(catalog, {2}));
  const QRect catalogClosed = catalog->geometry();
  frame->Catalog().OpenFindBar();
  FindBar* bar = frame->Catalog().Finder();
  ASSERT_NE(bar, nullptr);
  EXPECT_LT(catalog->height(), catalogClosed.height());
  // The nations expanded: Italy, and the current match's, which the bar opened.
  const auto expanded = [catalog] {
    QStringList nations;
    for (int row = 0; row < catalog->model()->rowCount(At(catalog, {})); ++row)
      if (catalog->isExpanded(At(catalog, {row}))) nations << At(catalog, {row}).data().toString();
    nations.sort();
    return nations;
  };
  const auto matchNation = [catalog] {
    QModelIndex index = catalog->currentIndex();
    while (index.parent().parent().isValid())
      index = index.parent();
    return index.data().toString();
  };

  // "division" names templates in several nations; the first is shown at once, and each next
  // one folds away what was opened for the one before.
  bar->SetText("DIVISION");
  const QString first = CatalogSelection();
  EXPECT_TRUE(first.contains("ivision", Qt::CaseInsensitive)) << first.toStdString();
  const QString status = bar->Status();
  ASSERT_TRUE(status.startsWith("1 of ")) << status.toStdString();
  const int count = status.mid(5).toInt();
  ASSERT_GT(count, 2);
  for (int match = 0; match < count; ++match) {
    QStringList wanted = {"Italy", matchNation()};
    wanted.removeDuplicates();
    wanted.sort();
    EXPECT_EQ(expanded(), wanted) << match;
    bar->Next();
  }
  EXPECT_EQ(CatalogSelection(), first);  // wrapped
  bar->Previous();                       // to the last
  EXPECT_EQ(bar->Status(), QString("%1 of %1").arg(count));

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
  EXPECT_EQ(catalog->geometry(), catalogClosed);
  EXPECT_EQ(expanded(), QStringList({"Italy"}));
  EXPECT_EQ(catalog->currentIndex(), At(catalog, {2}));  // the match folded away: as before
}

// With the organization's tree focused, Find searches the created names in the file's order,
// and only the path to the current match is open. The matches follow an edit.
TEST_F(AdditionsTest, FindInTheOrganizationGoesInFileOrderOpeningOnlyThePathToTheMatch) {
  CreatedTree* tree = frame->Created();
  QApplication::setActiveWindow(frame.get());
  tree->setFocus();
  frame->Commands().Find()->trigger();
  FindBar* bar = tree->Find().Bar();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(frame->Catalog().Finder(), nullptr);
  const std::function<QStringList(const QModelIndex&)> open = [&](const QModelIndex& parent) {
    QStringList names;
    for (int row = 0; row < tree->model()->rowCount(parent); ++row) {
      const QModelIndex index = tree->model()->index(row, 0, parent);
      if (tree->isExpanded(index)) names << index.data().toString() << open(index);
    }
    return names;
  };
  const QString division = "16. Panzer-Division";
  const struct {
    std::initializer_list<int> match;
    QStringList open;
  } matches[] = {{{0, 1, 4}, {division, "Divisionsstab"}},
                 {{0, 3, 1, 4}, {division, "137. Schuetzen-Regiment", "Regimentsstab"}},
                 {{0, 6}, {division}}};
  bar->SetText("aufklaerung");
  for (const auto& m : matches) {
    EXPECT_EQ(tree->currentIndex(), Created(m.match));
    EXPECT_EQ(open(Created({})), m.open);
    bar->Next();
  }
  prompter.answers = {MessageAnswer::kOk};
  Trigger(kDelete);  // the first match
  EXPECT_EQ(bar->Status(), "2 matches");
  // A row the user then chooses keeps its path open when the bar closes.
  tree->setCurrentIndex(Created({0, 1, 0}));
  QTest::keyClick(bar, Qt::Key_Escape);
  EXPECT_EQ(tree->Find().Bar(), nullptr);
  EXPECT_EQ(open(Created({})), QStringList({division, "Divisionsstab"}));
  EXPECT_EQ(tree->currentIndex(), Created({0, 1, 0}));
}

}  // namespace
}  // namespace valdren
