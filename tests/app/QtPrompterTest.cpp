// The editor's own answers to the window's questions: which box or dialog each question opens,
// what it starts with, and what each way of closing it answers.
#include "app/QtPrompter.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "BoxAnswerer.h"
#include "oob/OrgTemplate.h"
#include "support/GameFolder.h"

namespace valdren {
namespace {

using test::BoxAnswerer;

class QtPrompterTest : public testing::Test {
 protected:
  // What the box or dialog showed when it opened, then closed the given way.
  void Then(std::function<void(QWidget*)> inspect, BoxAnswerer::Answer close) {
    boxes.answers.push_back([inspect, close](QWidget* box) {
      inspect(box);
      close(box);
    });
  }
  static void CloseBox(QWidget* box) { box->close(); }
  static BoxAnswerer::Answer Click(const char* id) {
    return [id](QWidget* box) { box->findChild<QAbstractButton*>(id)->click(); };
  }

  QtPrompter prompter;
  BoxAnswerer boxes;
};

TEST_F(QtPrompterTest, MessageBoxesAnswerWithTheButtonAndCancelForEscapeOrTheCloseBox) {
  const struct {
    MessageButtons buttons;
    QMessageBox::StandardButtons shown;
    BoxAnswerer::Answer close;
    MessageAnswer answer;
  } cases[] = {
      {MessageButtons::kOk, QMessageBox::Ok, BoxAnswerer::Escape, MessageAnswer::kOk},
      {MessageButtons::kOkCancel, QMessageBox::Ok | QMessageBox::Cancel, BoxAnswerer::Button("OK"),
       MessageAnswer::kOk},
      {MessageButtons::kOkCancel, QMessageBox::Ok | QMessageBox::Cancel, CloseBox,
       MessageAnswer::kCancel},
      {MessageButtons::kYesNo, QMessageBox::Yes | QMessageBox::No, BoxAnswerer::Escape,
       MessageAnswer::kNo},
      {MessageButtons::kYesNoCancel, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
       BoxAnswerer::Button("No"), MessageAnswer::kNo},
      {MessageButtons::kYesNoCancel, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
       BoxAnswerer::Escape, MessageAnswer::kCancel},
  };
  for (const auto& c : cases) {
    QMessageBox::StandardButtons shown;
    Then([&](QWidget* box) { shown = qobject_cast<QMessageBox*>(box)->standardButtons(); },
         c.close);
    EXPECT_EQ(prompter.Message("Text", "Caption", MessageIcon::kQuestion, c.buttons), c.answer);
    EXPECT_EQ(shown, c.shown);
  }
  EXPECT_EQ(boxes.shown, QStringList(6, "Text"));

  bool checkBoxShown = false;
  Then(
      [&](QWidget* box) {
        auto* check = qobject_cast<QMessageBox*>(box)->checkBox();
        checkBoxShown = check->text() == "Skip the rest";
        check->setChecked(true);
      },
      BoxAnswerer::Escape);
  EXPECT_TRUE(prompter.MessageWithCheckBox("Text", "Caption", "Skip the rest"));
  EXPECT_TRUE(checkBoxShown);
}

// The rating dialogs start at the value; only OK answers, Cancel, Escape and the close box not.
TEST_F(QtPrompterTest, RatingDialogsStartAtTheValueAndOnlyOkAnswers) {
  const auto checked = [](QWidget* dialog) {
    for (const QRadioButton* button : dialog->findChildren<QRadioButton*>())
      if (button->isChecked()) return button->objectName();
    return QString();
  };
  QString preset;
  const auto remember = [&](QWidget* dialog) { preset = checked(dialog); };
  const std::pair<BoxAnswerer::Answer, std::optional<int>> closes[] = {
      {Click("1"), 7}, {Click("2"), {}}, {BoxAnswerer::Escape, {}}, {CloseBox, {}}};
  for (const auto& [close, answer] : closes) {
    Then(remember, close);
    EXPECT_EQ(prompter.AskMorale(7), answer);
    EXPECT_EQ(preset, "107");
  }
  Then(remember, Click("1"));
  EXPECT_EQ(prompter.AskCommandRating(4), 4);
  EXPECT_EQ(preset, "104");
}

// Neither has Cancel: however they close, what was picked or typed counts.
TEST_F(QtPrompterTest, ChoiceAndDescriptionKeepTheirAnswerHoweverTheyClose) {
  OrgTemplate owner(2);
  owner.name = "1. Bataillon";
  UnitTemplate company(1);
  company.name = "Schuetzenkompanie";
  SubunitGroup group;
  group.name = "Kompanie";
  group.choices.push_back({&company, 40});
  group.choices.push_back({&company, 60});
  Then([](QWidget* dialog) { dialog->findChild<QListWidget*>()->setCurrentRow(1); }, CloseBox);
  EXPECT_EQ(prompter.AskChoice(owner, group), 1);

  QString prompt;
  Then(
      [&](QWidget* dialog) {
        prompt = dialog->findChild<QLabel*>("101")->text();
        dialog->findChild<QLineEdit*>()->setText("Nord");
      },
      BoxAnswerer::Escape);
  EXPECT_EQ(prompter.AskDescription("Kampfgruppe"), "Nord");
  EXPECT_EQ(prompt, "Enter description for: Kampfgruppe");
  EXPECT_EQ(boxes.shown, QStringList({"Choice Dialog", "Description Dialog"}));
}

// Qt's own file dialog in the current folder, set as the window asks; cancelled, it answers
// nothing. A pattern is the filter's, not a name to show.
TEST_F(QtPrompterTest, FileDialogsStartInTheCurrentFolderWithTheWindowsSettings) {
  test::GameFolder folder;
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(folder.Path());
  QStringList seen;
  const auto inspect = [&](QWidget* box) {
    const auto* dialog = qobject_cast<QFileDialog*>(box);
    seen = {dialog->acceptMode() == QFileDialog::AcceptSave ? "save" : "open",
            dialog->fileMode() == QFileDialog::ExistingFile ? "existing" : "any",
            dialog->nameFilters().join('|'),
            dialog->defaultSuffix(),
            QDir(dialog->directory()).canonicalPath(),
            dialog->findChild<QLineEdit*>("fileNameEdit")->text(),
            dialog->testOption(QFileDialog::DontConfirmOverwrite) ? "" : "confirms"};
  };
  const QString here = QDir(QString::fromStdString(folder.Path().string())).canonicalPath();
  Then(inspect, BoxAnswerer::Escape);
  EXPECT_EQ(prompter.OpenFile({"Org Files (*.org)", "org", "*.org", true, false}), std::nullopt);
  EXPECT_EQ(seen, QStringList({"open", "existing", "Org Files (*.org)", "org", here, "", ""}));
  Then(inspect, BoxAnswerer::File(folder.Path() / "new.org"));
  EXPECT_EQ(prompter.SaveFile({"Org Files (*.org)", "org", "main.org", false, true}),
            folder.Path() / "new.org");
  EXPECT_EQ(seen,
            QStringList({"save", "any", "Org Files (*.org)", "org", here, "main.org", "confirms"}));
  std::filesystem::current_path(previous);
}

// The recovery question has Recover, the default, and Discard.
TEST_F(QtPrompterTest, RecoveryIsTheDefaultAnswer) {
  boxes.answers = {[](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); },
                   BoxAnswerer::Button("Discard")};
  EXPECT_TRUE(prompter.AskRecovery("Recover?", "Recover Unsaved Changes"));
  EXPECT_FALSE(prompter.AskRecovery("Recover?", "Recover Unsaved Changes"));
}

}  // namespace
}  // namespace valdren
