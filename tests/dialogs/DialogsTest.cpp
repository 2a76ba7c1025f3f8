#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

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

// Runs the dialog modally and does what a user would once it is the active window; the act must
// end it. A dialog still open after a few seconds fails the test instead of hanging it.
int RunWhile(QDialog& dialog, const std::function<void()>& act) {
  QTimer::singleShot(0, &dialog, [&dialog, &act] {
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    act();
  });
  QTimer::singleShot(5000, &dialog, [&dialog] {
    ADD_FAILURE() << dialog.windowTitle().toStdString() << " was not closed";
    dialog.reject();
  });
  return dialog.exec();
}

// The four ways a dialog ends, and the result each gives.
enum class Close { kOk, kCancel, kEscape, kCloseBox };

void CloseBy(QDialog& dialog, Close how) {
  switch (how) {
    case Close::kOk:
      QTest::mouseClick(Find<QPushButton>(dialog, 1), Qt::LeftButton);
      break;
    case Close::kCancel:
      QTest::mouseClick(Find<QPushButton>(dialog, 2), Qt::LeftButton);
      break;
    case Close::kEscape:
      QTest::keyClick(&dialog, Qt::Key_Escape);
      break;
    case Close::kCloseBox:
      dialog.close();
      break;
  }
}

int ResultOf(Close how) {
  return how == Close::kOk ? QDialog::Accepted : QDialog::Rejected;
}

// The ids of the controls that take the focus with Tab, in the order Tab visits them.
QStringList TabOrder(QDialog& dialog) {
  QStringList ids;
  for (QWidget* widget = dialog.nextInFocusChain(); widget != &dialog;
       widget = widget->nextInFocusChain())
    if (widget->focusPolicy() & Qt::TabFocus) ids << widget->objectName();
  return ids;
}

class DialogsTest : public testing::Test {
 protected:
  std::unique_ptr<RatingDialog> MakeRating(bool morale) {
    if (morale) return std::make_unique<MoraleDialog>(&owner);
    return std::make_unique<CommandDialog>(&owner);
  }

  // A help function that records the keywords it is asked for.
  std::function<void(const QString&)> RecordHelp() {
    return [this](const QString& keyword) { helpAsked << keyword; };
  }

  QWidget owner;
  QStringList helpAsked;
};

// --- Each dialog's name, caption, control ids and tab order, and OK as what Enter presses.

TEST_F(DialogsTest, EachDialogHasItsIdsAndTabOrder) {
  const auto ignore = [](const QString&) {};
  const struct {
    std::shared_ptr<QDialog> dialog;
    const char* name;
    const char* caption;
    QStringList tabOrder;
  } cases[] = {
      // A row of radio buttons is one stop, on the checked one.
      {std::make_shared<MoraleDialog>(&owner), "MoraleDialog", "Morale Dialog", {"1", "2", "101"}},
      {std::make_shared<CommandDialog>(&owner),
       "CommandDialog",
       "Command Dialog",
       {"1", "2", "101"}},
      {std::make_shared<DescDialog>(&owner, ignore),
       "DescDialog",
       "Description Dialog",
       {"102", "1", "9"}},
      {std::make_shared<ChoiceDialog>(&owner, ignore),
       "ChoiceDialog",
       "Choice Dialog",
       {"1", "9", "103"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.dialog->objectName(), c.name);
    EXPECT_EQ(c.dialog->windowTitle(), c.caption);
    EXPECT_EQ(c.dialog->minimumSize(), c.dialog->maximumSize());
    EXPECT_EQ(TabOrder(*c.dialog), c.tabOrder);  // and the dialogs without Cancel have no 2
    EXPECT_TRUE(Find<QPushButton>(*c.dialog, 1)->isDefault());
  }
}

// --- The rating dialogs.

struct PresetCase {
  bool morale;
  int preset;
  int shown;  // the value of the one checked button, and what OK reads back
};

TEST_F(DialogsTest, PresetChecksItsButtonOrTheNearest) {
  const PresetCase cases[] = {
      {true, 7, 7},  {true, 1, 1},  {true, 10, 10}, {true, 0, 1},  {true, 12, 10}, {true, -4, 1},
      {false, 0, 1}, {false, 3, 3}, {false, 5, 5},  {false, 9, 5}, {false, -1, 1},
  };
  for (const PresetCase& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.morale ? "morale " : "command ") << c.preset);
    const auto dialog = MakeRating(c.morale);
    dialog->SetValue(c.preset);
    QStringList checked;
    const int result = RunWhile(*dialog, [&] {
      for (const QRadioButton* radio : dialog->findChildren<QRadioButton*>())
        if (radio->isChecked()) checked << radio->text();
      CloseBy(*dialog, Close::kOk);
    });
    EXPECT_EQ(checked, QStringList{QString::number(c.shown)});
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(dialog->Value(), c.shown);
  }
}

TEST_F(DialogsTest, RatingIsReadBackHoweverTheDialogCloses) {
  for (const bool morale : {true, false}) {
    for (const Close how : {Close::kOk, Close::kCancel, Close::kEscape, Close::kCloseBox}) {
      SCOPED_TRACE(testing::Message() << (morale ? "morale " : "command ") << int(how));
      const auto dialog = MakeRating(morale);
      dialog->SetValue(2);
      const int top = morale ? 10 : 5;
      const int result = RunWhile(*dialog, [&] {
        QTest::mouseClick(Find<QRadioButton>(*dialog, 100 + top), Qt::LeftButton);
        EXPECT_FALSE(Find<QRadioButton>(*dialog, 102)->isChecked());
        CloseBy(*dialog, how);
      });
      EXPECT_EQ(result, ResultOf(how));
      EXPECT_EQ(dialog->Value(), top);
    }
  }
}

TEST_F(DialogsTest, TheRadioRowAnswersTheKeyboard) {
  MoraleDialog morale(&owner);
  morale.SetValue(7);
  const auto checked = [&morale] { return morale.findChild<QButtonGroup*>()->checkedId() - 100; };
  RunWhile(morale, [&] {
    EXPECT_EQ(TabOrder(morale), QStringList({"1", "2", "107"}));
    QWidget* row = Find(morale, 107);
    row->setFocus();
    QTest::keyClick(row, Qt::Key_Left);  // the row runs from 10 on the left
    EXPECT_EQ(checked(), 8);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(checked(), 6);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_0);
    EXPECT_EQ(checked(), 10);
    EXPECT_EQ(QApplication::focusWidget(), Find(morale, 110));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_3);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  });
  EXPECT_EQ(morale.Value(), 3);

  CommandDialog command(&owner);
  command.SetValue(5);
  RunWhile(command, [&] {
    QTest::keyClick(&command, Qt::Key_9);  // no such rating: nothing changes
    QTest::keyClick(Find(command, 105), Qt::Key_Left);
    QTest::keyClick(&command, Qt::Key_Return);
  });
  EXPECT_EQ(command.Value(), 5);
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
        EXPECT_TRUE(dialog->rect().contains(control->geometry()))
            << control->objectName().toStdString();
        if (qobject_cast<const QLabel*>(control) || qobject_cast<const QAbstractButton*>(control)) {
          EXPECT_GE(control->width(), control->sizeHint().width())
              << control->objectName().toStdString();
          EXPECT_GE(control->height(), control->sizeHint().height());
        }
        for (const QWidget* other : controls)
          EXPECT_TRUE(other == control || !other->geometry().intersects(control->geometry()))
              << control->objectName().toStdString() << " and "
              << other->objectName().toStdString();
      }
    }
  }
  QApplication::setFont(font);
}

// --- The description dialog.

struct TypedCase {
  QString typed;
  Close how;
  std::string stored;
};

TEST_F(DialogsTest, DescriptionIsStoredInGameBytesAtMost79Long) {
  const QString hundred = QString("0123456789").repeated(10);
  const TypedCase cases[] = {
      {"Guards", Close::kOk, "Guards"},
      {hundred, Close::kOk, hundred.left(79).toStdString()},
      {QString::fromUtf8("Stra\u00DFe \u0416"), Close::kOk,
       "Stra\xDF"
       "e ?"},
      {"Kept", Close::kEscape, "Kept"},
      {"Kept too", Close::kCloseBox, "Kept too"},
  };
  for (const TypedCase& c : cases) {
    SCOPED_TRACE(c.typed.toStdString());
    DescDialog dialog(&owner, {});
    dialog.SetSubject("Battalion");
    const int result = RunWhile(dialog, [&] {
      // Inserted as a paste would: the test keyboard has no key for every character.
      Find<QLineEdit>(dialog, 102)->insert(c.typed);
      CloseBy(dialog, c.how);
    });
    EXPECT_EQ(result, ResultOf(c.how));
    EXPECT_EQ(dialog.Text(), c.stored);
  }
}

TEST_F(DialogsTest, EnterInTheDescriptionConfirms) {
  DescDialog dialog(&owner, {});
  const int result = RunWhile(dialog, [&] {
    QWidget* focus = dialog.focusWidget();
    ASSERT_EQ(focus, Find(dialog, 102));
    QTest::keyClicks(focus, "Rifles");
    QTest::keyClick(focus, Qt::Key_Return);
  });
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_EQ(dialog.Text(), "Rifles");
}

// --- The choice dialog.

// An organization and one group of choices, made the way the loader leaves them.
class ChoiceDialogTest : public DialogsTest {
 protected:
  ChoiceDialogTest() { owner_.name = "1. Infanterie-Bataillon"; }

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

  OrgTemplate owner_{2};
  std::vector<std::unique_ptr<UnitTemplate>> units_;
  SubunitGroup group_;
};

QStringList Entries(const QDialog& dialog) {
  QStringList entries;
  const auto* list = Find<QListWidget>(dialog, 103);
  for (int row = 0; row < list->count(); ++row)
    entries << list->item(row)->text();
  return entries;
}

TEST_F(ChoiceDialogTest, ShowsTheOwnerTheGroupAndEveryChoice) {
  // The second company exists at no date the catalog could show: it is listed all the same.
  owner_.name = "R\xE9giment";
  const SubunitGroup& group = Group({30, 100, 70});
  static_cast<DateRange&>(*units_[1]) = {1, 39, 2, 39};
  ChoiceDialog dialog(&owner, {});
  dialog.SetChoice(owner_, group);
  EXPECT_EQ(Find<QLabel>(dialog, 101)->text(), QString::fromUtf8("In: Régiment"));
  EXPECT_EQ(Find<QLabel>(dialog, 102)->text(), "Select: Schuetzenkompanie");
  EXPECT_EQ(Entries(dialog), QStringList({"(30%) Kompanie 1", "Kompanie 2", "(70%) Kompanie 3"}));
}

TEST_F(ChoiceDialogTest, FirstEntryIsPreselectedOnlyWhenTheChoicesAreCertain) {
  const struct {
    std::vector<int> probabilities;
    int selection;
  } cases[] = {
      {{50, 50}, 0}, {{30, 30}, -1}, {{100}, 0}, {{60, 70}, 0}, {{99}, -1}, {{}, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.probabilities));
    ChoiceDialog dialog(&owner, {});
    dialog.SetChoice(owner_, Group(c.probabilities));
    EXPECT_EQ(RunWhile(dialog, [&] { CloseBy(dialog, Close::kOk); }), QDialog::Accepted);
    EXPECT_EQ(dialog.Selection(), c.selection);
  }
}

TEST_F(ChoiceDialogTest, TabbingIntoTheListIsNoPick) {
  ChoiceDialog dialog(&owner, {});
  dialog.SetChoice(owner_, Group({30, 30}));
  RunWhile(dialog, [&] {
    auto* list = Find<QListWidget>(dialog, 103);
    list->setFocus(Qt::TabFocusReason);
    QTest::keyClick(list, Qt::Key_Return);
  });
  EXPECT_EQ(dialog.Selection(), -1);
}

TEST_F(ChoiceDialogTest, DoubleClickOnAnEntryIsOkWithIt) {
  ChoiceDialog dialog(&owner, {});
  dialog.SetChoice(owner_, Group({50, 50, 0}));
  const int result = RunWhile(dialog, [&] {
    auto* list = Find<QListWidget>(dialog, 103);
    const QPoint third = list->visualItemRect(list->item(2)).center();
    // A double-click as the window system delivers it: a click, then the second press.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, third);
  });
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_EQ(dialog.Selection(), 2);
}

// --- Help.

// The Help button, where there is one, and F1 in every dialog ask for the dialog's page and leave
// the dialog open.
TEST_F(ChoiceDialogTest, HelpAsksForTheCaptionAndLeavesTheDialogOpen) {
  DescDialog desc(&owner, RecordHelp());
  ChoiceDialog choice(&owner, RecordHelp());
  MoraleDialog morale(&owner, RecordHelp());
  CommandDialog command(&owner, RecordHelp());
  choice.SetChoice(owner_, Group({100}));
  for (QDialog* dialog : std::initializer_list<QDialog*>{&desc, &choice, &morale, &command}) {
    bool openAfterHelp = false;
    RunWhile(*dialog, [&] {
      if (auto* help = dialog->findChild<QPushButton*>("9"))
        QTest::mouseClick(help, Qt::LeftButton);
      QTest::keyClick(dialog, Qt::Key_F1);
      openAfterHelp = dialog->isVisible();
      dialog->accept();
    });
    EXPECT_TRUE(openAfterHelp) << dialog->objectName().toStdString();
  }
  EXPECT_EQ(helpAsked, QStringList({"Description Dialog", "Description Dialog", "Choice Dialog",
                                    "Choice Dialog", "Morale Dialog", "Command Dialog"}));
}

}  // namespace
}  // namespace valdren
