// The four dialogs as the user meets them: their controls, keys and help, what each way of
// closing them leaves, and room for their texts in any font. Each is shown and worked as a user
// would; how a question runs them modally is the prompter's test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "dialogs/ChoiceDialog.h"
#include "dialogs/CommandDialog.h"
#include "dialogs/DescDialog.h"
#include "dialogs/MoraleDialog.h"
#include "oob/OrgTemplate.h"

namespace valdren {
namespace {

template <typename Control = QWidget>
Control* Find(const QDialog& dialog, int id) {
  auto* control = dialog.findChild<Control*>(QString::number(id));
  EXPECT_NE(control, nullptr) << "control " << id;
  return control;
}

// The ids of the controls that take the focus with Tab, in the order Tab visits them.
QStringList TabOrder(QDialog& dialog) {
  QStringList ids;
  for (QWidget* widget = dialog.nextInFocusChain(); widget != &dialog;
       widget = widget->nextInFocusChain())
    if (widget->focusPolicy() & Qt::TabFocus) ids << widget->objectName();
  return ids;
}

// The ways a dialog is closed: OK, Cancel, Escape, the close box.
enum class Close { kOk, kCancel, kEscape, kCloseBox };

int CloseBy(QDialog& dialog, Close how) {
  if (how == Close::kOk || how == Close::kCancel)
    QTest::mouseClick(Find<QPushButton>(dialog, how == Close::kOk ? 1 : 2), Qt::LeftButton);
  else if (how == Close::kEscape)
    QTest::keyClick(&dialog, Qt::Key_Escape);
  else
    dialog.close();
  EXPECT_FALSE(dialog.isVisible());
  return dialog.result();
}

class DialogsTest : public testing::Test {
 protected:
  // A help function that records the keywords it is asked for.
  ShowHelp RecordHelp() {
    return [this](const QString& keyword) { helpAsked << keyword; };
  }
  // An organization and one group of choices, made the way the loader leaves them.
  const SubunitGroup& Group(const std::vector<int>& probabilities) {
    group_ = SubunitGroup();
    group_.name = "Schuetzenkompanie";
    for (const int probability : probabilities) {
      auto& unit = units_.emplace_back(std::make_unique<UnitTemplate>(1));
      unit->name = String("Kompanie " + std::to_string(units_.size()));
      group_.choices.push_back({unit.get(), probability});
    }
    return group_;
  }

  QWidget owner;
  QStringList helpAsked;
  OrgTemplate battalion_{2};
  std::vector<std::unique_ptr<UnitTemplate>> units_;
  SubunitGroup group_;
};

// Each dialog's name, caption, tab order and default button. A row of radio buttons is one stop,
// on the checked one, and the dialogs without Cancel have no 2. The Help button, where there is
// one, and F1 ask for the dialog's page and leave the dialog open.
TEST_F(DialogsTest, EachDialogHasItsIdsTabOrderAndHelp) {
  const struct {
    std::shared_ptr<QDialog> dialog;
    const char* name;
    const char* caption;
    QStringList tabOrder;
  } cases[] = {
      {std::make_shared<MoraleDialog>(&owner, RecordHelp()),
       "MoraleDialog",
       "Morale Dialog",
       {"1", "2", "101"}},
      {std::make_shared<CommandDialog>(&owner, RecordHelp()),
       "CommandDialog",
       "Command Dialog",
       {"1", "2", "101"}},
      {std::make_shared<DescDialog>(&owner, RecordHelp()),
       "DescDialog",
       "Description Dialog",
       {"102", "1", "9"}},
      {std::make_shared<ChoiceDialog>(&owner, RecordHelp()),
       "ChoiceDialog",
       "Choice Dialog",
       {"1", "9", "103"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.dialog->objectName(), c.name);
    EXPECT_EQ(c.dialog->windowTitle(), c.caption);
    EXPECT_EQ(TabOrder(*c.dialog), c.tabOrder);
    EXPECT_TRUE(Find<QPushButton>(*c.dialog, 1)->isDefault());
    c.dialog->show();
    QApplication::setActiveWindow(c.dialog.get());
    if (auto* help = c.dialog->findChild<QPushButton*>("9")) QTest::mouseClick(help, Qt::LeftButton);
    QTest::keyClick(c.dialog.get(), Qt::Key_F1);
    EXPECT_TRUE(c.dialog->isVisible());
  }
  EXPECT_EQ(helpAsked, QStringList({"Morale Dialog", "Command Dialog", "Description Dialog",
                                    "Description Dialog", "Choice Dialog", "Choice Dialog"}));
}

// The preset checks its button, or the nearest of the row, and the rating checked is read back
// (what each way of closing answers is the prompter's test).
TEST_F(DialogsTest, RatingsStartAtThePresetOrTheNearestAndAreReadBack) {
  const struct {
    bool morale;
    int preset;
    int shown;
  } presets[] = {{true, 7, 7},  {true, 10, 10}, {true, 0, 1},  {true, 12, 10},
                 {false, 3, 3}, {false, 9, 5},  {false, -1, 1}};
  for (const auto& c : presets) {
    SCOPED_TRACE(testing::Message() << c.morale << " " << c.preset);
    std::unique_ptr<RatingDialog> dialog;
    if (c.morale)
      dialog = std::make_unique<MoraleDialog>(&owner);
    else
      dialog = std::make_unique<CommandDialog>(&owner);
    dialog->SetValue(c.preset);
    dialog->show();
    EXPECT_TRUE(Find<QRadioButton>(*dialog, 100 + c.shown)->isChecked());
    QTest::mouseClick(Find<QRadioButton>(*dialog, 102), Qt::LeftButton);
    EXPECT_EQ(CloseBy(*dialog, Close::kOk), QDialog::Accepted);
    EXPECT_EQ(dialog->Value(), 2);
  }
}

TEST_F(DialogsTest, TheRadioRowAnswersTheKeyboard) {
  MoraleDialog morale(&owner);
  morale.SetValue(7);
  morale.show();
  QApplication::setActiveWindow(&morale);
  const auto checked = [&morale] { return morale.findChild<QButtonGroup*>()->checkedId() - 100; };
  EXPECT_EQ(TabOrder(morale), QStringList({"1", "2", "107"}));
  Find(morale, 107)->setFocus();
  QTest::keyClick(Find(morale, 107), Qt::Key_Left);  // the row runs from 10 on the left
  EXPECT_EQ(checked(), 8);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
  EXPECT_EQ(checked(), 6);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_0);
  EXPECT_EQ(checked(), 10);
  EXPECT_EQ(QApplication::focusWidget(), Find(morale, 110));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_3);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(morale.result(), QDialog::Accepted);
  EXPECT_EQ(morale.Value(), 3);

  CommandDialog command(&owner);
  command.SetValue(5);
  command.show();
  QTest::keyClick(&command, Qt::Key_9);  // no such rating: nothing changes
  QTest::keyClick(Find(command, 105), Qt::Key_Left);
  command.accept();
  EXPECT_EQ(command.Value(), 5);
}

// Kept in the game's bytes, at most 79 of them, whatever closes the dialog.
TEST_F(DialogsTest, DescriptionIsStoredInGameBytesAtMost79Long) {
  const QString hundred = QString("0123456789").repeated(10);
  const struct {
    QString typed;
    Close how;
    std::string stored;
  } cases[] = {
      {hundred, Close::kOk, hundred.left(79).toStdString()},
      {QString::fromUtf8("Stra\u00DFe \u0416"), Close::kEscape,
       "Stra\xDF"
       "e ?"},
      {"Kept", Close::kCloseBox, "Kept"},
  };
  for (const auto& c : cases) {
    DescDialog dialog(&owner, {});
    dialog.show();
    // Inserted as a paste would: the test keyboard has no key for every character.
    Find<QLineEdit>(dialog, 102)->insert(c.typed);
    CloseBy(dialog, c.how);
    EXPECT_EQ(dialog.Text(), c.stored);
  }
}

// Every choice is listed, whatever the catalog's date; the first is preselected only when the
// choices are certain; a pick, by click or double-click, is kept however the dialog closes, and
// tabbing into the list is no pick.
TEST_F(DialogsTest, TheChoiceListsEveryAlternativeAndKeepsWhatIsPicked) {
  battalion_.name = "R\xE9giment";
  ChoiceDialog dialog(&owner, {});
  dialog.SetChoice(battalion_, Group({30, 100, 70}));
  static_cast<DateRange&>(*units_[1]) = {1, 39, 2, 39};
  EXPECT_EQ(Find<QLabel>(dialog, 101)->text(), QString::fromUtf8("In: Régiment"));
  EXPECT_EQ(Find<QLabel>(dialog, 102)->text(), "Select: Schuetzenkompanie");
  auto* list = Find<QListWidget>(dialog, 103);
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(list->item(0)->text(), "(30%) Kompanie 1");
  EXPECT_EQ(list->item(1)->text(), "Kompanie 2");

  const struct {
    std::vector<int> probabilities;
    int selection;
  } presets[] = {{{50, 50}, 0}, {{30, 30}, -1}, {{99}, -1}, {{}, -1}};
  for (const auto& c : presets) {
    dialog.SetChoice(battalion_, Group(c.probabilities));
    dialog.accept();
    EXPECT_EQ(dialog.Selection(), c.selection) << testing::PrintToString(c.probabilities);
  }

  dialog.SetChoice(battalion_, Group({30, 30, 30}));
  dialog.show();
  list->setFocus(Qt::TabFocusReason);
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(dialog.Selection(), -1);
  dialog.show();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(list->item(1)).center());
  CloseBy(dialog, Close::kCloseBox);
  EXPECT_EQ(dialog.Selection(), 1);
  dialog.show();
  const QPoint third = list->visualItemRect(list->item(2)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, third);  // as the window system sends it
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Selection(), 2);
}

// In any font, every text has the room it needs: no control clipped, none over another, all
// inside the dialog; the laid-out places are the least each control gets.
TEST_F(DialogsTest, EveryTextFitsAtAnyFontSize) {
  const QFont font = QApplication::font();
  for (const int scale : {1, 2}) {
    QFont scaled = font;
    scaled.setPointSizeF(font.pointSizeF() * scale);
    QApplication::setFont(scaled);
    MoraleDialog morale(&owner);
    CommandDialog command(&owner);
    DescDialog desc(&owner, {});
    desc.SetSubject("Anti-Aircraft Regiment of the Guards Rifle Corps");
    ChoiceDialog choice(&owner, {});
    for (QDialog* dialog : std::initializer_list<QDialog*>{&morale, &command, &desc, &choice}) {
      SCOPED_TRACE(testing::Message() << dialog->objectName().toStdString() << " at " << scale);
      const auto controls = dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
      for (const QWidget* control : controls) {
        const std::string id = control->objectName().toStdString();
        EXPECT_TRUE(dialog->rect().contains(control->geometry())) << id;
        const bool text =
            qobject_cast<const QLabel*>(control) || qobject_cast<const QAbstractButton*>(control);
        EXPECT_TRUE(!text || control->size().expandedTo(control->sizeHint()) == control->size())
            << id;
        for (const QWidget* other : controls)
          EXPECT_TRUE(other == control || !other->geometry().intersects(control->geometry()))
              << id << " and " << other->objectName().toStdString();
      }
    }
  }
  QApplication::setFont(font);
}

}  // namespace
}  // namespace valdren
