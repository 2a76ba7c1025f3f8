#include "app/QtPrompter.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "dialogs/ChoiceDialog.h"
#include "dialogs/CommandDialog.h"
#include "dialogs/DescDialog.h"
#include "dialogs/MoraleDialog.h"
#include "gui/ScreenSize.h"

namespace valdren {

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kExclamation:
      return QMessageBox::Warning;
    case MessageIcon::kQuestion:
      return QMessageBox::Question;
    case MessageIcon::kInformation:
      return QMessageBox::Information;
    case MessageIcon::kStop:
      return QMessageBox::Critical;
    case MessageIcon::kNone:
      break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoxButtons(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::kOkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::kYesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::kYesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::kOk:
      break;
  }
  return QMessageBox::Ok;
}

MessageAnswer AnswerOf(int button) {
  switch (button) {
    case QMessageBox::Yes:
      return MessageAnswer::kYes;
    case QMessageBox::No:
      return MessageAnswer::kNo;
    case QMessageBox::Cancel:
      return MessageAnswer::kCancel;
    default:
      return MessageAnswer::kOk;
  }
}

// The dialogs block the main window alone: the help window, which stands apart from it, takes
// input while a dialog that opened it waits.
int RunDialog(QDialog& dialog) {
  dialog.setWindowModality(Qt::WindowModal);
  return dialog.exec();
}

}  // namespace

MessageAnswer QtPrompter::Message(const QString& text, const QString& caption, MessageIcon icon,
                                  MessageButtons buttons) {
  QMessageBox box(BoxIcon(icon), caption, text, BoxButtons(buttons), owner_);
  return AnswerOf(box.exec());
}

bool QtPrompter::MessageWithCheckBox(const QString& text, const QString& caption,
                                     const QString& checkBox) {
  QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, owner_);
  auto* check = new QCheckBox(checkBox, &box);
  box.setCheckBox(check);
  box.exec();
  return check->isChecked();
}

std::optional<std::filesystem::path> QtPrompter::OpenFile(const FileDialogSettings& settings) {
  return RunFileDialog(settings, false);
}

std::optional<std::filesystem::path> QtPrompter::SaveFile(const FileDialogSettings& settings) {
  return RunFileDialog(settings, true);
}

std::optional<std::filesystem::path> QtPrompter::ChooseFolder(const QString& caption) {
  const QString folder = QFileDialog::getExistingDirectory(owner_, caption, QDir::currentPath(),
                                                           QFileDialog::DontUseNativeDialog);
  if (folder.isEmpty()) return std::nullopt;
  return std::filesystem::path(QFile::encodeName(folder).toStdString());
}

// Qt's own dialog, so that it looks and behaves the same everywhere and is centred over the
// window; a name with a wildcard is the filter's business, not a name to show.
std::optional<std::filesystem::path> QtPrompter::RunFileDialog(const FileDialogSettings& settings,
                                                               bool save) {
  QFileDialog dialog(owner_, QString(), QDir::currentPath(), settings.filter);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(settings.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !settings.overwritePrompt);
  dialog.setDefaultSuffix(settings.defaultExtension);
  if (!settings.fileName.isEmpty() && !settings.fileName.contains(QLatin1Char('*')))
    dialog.selectFile(settings.fileName);
  return RunFileDialog(dialog);
}

// The file or folder chosen, in a dialog that fits the screen at any scale.
std::optional<std::filesystem::path> QtPrompter::RunFileDialog(QFileDialog& dialog) {
  ResizeWithinScreen(dialog, dialog.sizeHint());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return std::filesystem::path(QFile::encodeName(dialog.selectedFiles().front()).toStdString());
}

std::optional<int> QtPrompter::AskMorale(int value) {
  MoraleDialog dialog(owner_, showHelp_);
  dialog.SetValue(value);
  if (RunDialog(dialog) != QDialog::Accepted) return std::nullopt;
  return dialog.Value();
}

std::optional<int> QtPrompter::AskCommandRating(int value) {
  CommandDialog dialog(owner_, showHelp_);
  dialog.SetValue(value);
  if (RunDialog(dialog) != QDialog::Accepted) return std::nullopt;
  return dialog.Value();
}

// Neither dialog has Cancel: however it closes, its answer counts.
int QtPrompter::AskChoice(const OrgTemplate& owner, const SubunitGroup& group) {
  ChoiceDialog dialog(owner_, showHelp_);
  dialog.SetChoice(owner, group);
  RunDialog(dialog);
  return dialog.Selection();
}

std::string QtPrompter::AskDescription(std::string_view subject) {
  DescDialog dialog(owner_, showHelp_);
  dialog.SetSubject(subject);
  RunDialog(dialog);
  return dialog.Text();
}

bool QtPrompter::AskRecovery(const QString& text, const QString& caption) {
  QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::NoButton, owner_);
  QPushButton* recover = box.addButton(QObject::tr("&Recover"), QMessageBox::AcceptRole);
  box.addButton(QObject::tr("&Discard"), QMessageBox::DestructiveRole);
  box.setDefaultButton(recover);
  box.exec();
  return box.clickedButton() == recover;
}

void QtPrompter::About(const QString& caption, const QString& text) {
  QMessageBox::about(owner_, caption, text);
}

}  // namespace valdren
