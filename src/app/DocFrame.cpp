#include "app/DocFrame.h"

#include <QCloseEvent>
#include <QLabel>
#include <QStatusBar>

#include "app/Prompter.h"
#include "gui/PathText.h"

namespace valdren {

// Beyond the title, which stays as it is, a field of the status bar says while there are changes
// not saved.
DocFrame::DocFrame(Prompter& prompter)
    : prompter_(prompter), modifiedField_(new QLabel(tr("Modified"), this)) {
  modifiedField_->setObjectName(QStringLiteral("ModifiedField"));
  modifiedField_->hide();
  statusBar()->addPermanentWidget(modifiedField_);
}

void DocFrame::SetModified(bool modified) {
  modified_ = modified;
  modifiedField_->setVisible(modified);
  if (modified)
    Q_EMIT DocumentChanged();
  else
    Q_EMIT ChangesSavedOrGivenUp();
}

bool DocFrame::SaveModified() {
  if (!modified_) return true;
  const MessageAnswer answer =
      prompter_.Message(tr("Do you want to save the current file?"), tr("File Has Changed"),
                        MessageIcon::kQuestion, MessageButtons::kYesNoCancel);
  switch (answer) {
    case MessageAnswer::kYes:
      // An unnamed document asks for a name; a cancelled or failed save stops the caller.
      OnFileSave();
      return !modified_;
    case MessageAnswer::kNo:
      SetModified(false);
      return true;
    default:
      return false;
  }
}

void DocFrame::OnFileNew() {
  if (!SaveModified()) return;
  fileName_.clear();
  readInPart_.clear();
  SetModified(false);
  ClearDocument();
}

void DocFrame::OnFileOpen() {
  if (!SaveModified()) return;
  FileDialogSettings settings;
  SetupOpenDialog(settings);
  const auto chosen = prompter_.OpenFile(settings);
  if (!chosen) return;
  fileName_ = *chosen;
  OpenDocumentFile();
}

void DocFrame::OpenRecent(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) {
    prompter_.Message(
        tr("%1 is no longer there, so it is taken off the recent files.").arg(PathText(file)),
        tr("Open Recent"), MessageIcon::kExclamation, MessageButtons::kOk);
    return Q_EMIT FileGone(file);
  }
  if (!SaveModified()) return;
  fileName_ = file;
  OpenDocumentFile();
}

void DocFrame::OnFileSave() {
  if (fileName_.empty())
    OnFileSaveAs();
  else
    SaveDocumentFile();
}

void DocFrame::OnFileSaveAs() {
  FileDialogSettings settings;
  SetupSaveDialog(settings);
  const auto chosen = prompter_.SaveFile(settings);
  if (!chosen) return;
  fileName_ = *chosen;
  SaveDocumentFile();
}

void DocFrame::OnFileExit() {
  close();
}

void DocFrame::closeEvent(QCloseEvent* event) {
  if (SaveModified())
    event->accept();
  else
    event->ignore();
}

void DocFrame::OpenDocumentFile() {
  const OrgFileStatus status = ReadDocument(fileName_);
  if (status != OrgFileStatus::kUnableToOpen) Q_EMIT FileUsed(fileName_);
  if (status == OrgFileStatus::kDone)
    SetModified(false);
  else
    FileError(status, tr("File Read Error"));
}

void DocFrame::SaveDocumentFile() {
  if (!MayReplace()) return;
  const OrgFileStatus status = WriteDocument(fileName_);
  if (status != OrgFileStatus::kDone) return FileError(status, tr("File Write Error"));
  SetModified(false);
  readInPart_.clear();
  Q_EMIT FileUsed(fileName_);
}

// Saving writes what the document holds, which for a file read in part is less than the file: the
// rest of it would be lost without a word.
bool DocFrame::MayReplace() {
  std::error_code error;
  if (readInPart_.empty() || std::filesystem::weakly_canonical(readInPart_, error) !=
                                 std::filesystem::weakly_canonical(fileName_, error))
    return true;
  const QString name = PathText(fileName_.filename());
  return prompter_.Message(tr("%1 was not read completely when it was opened.\nSaving now "
                              "replaces the whole file with what was read.\n\nReplace %1?")
                               .arg(name),
                           tr("File Read in Part"), MessageIcon::kExclamation,
                           MessageButtons::kYesNo) == MessageAnswer::kYes;
}

void DocFrame::FileError(OrgFileStatus status, const QString& caption) {
  const std::string_view text = OrgFileMessage(status);
  prompter_.Message(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())), caption,
                    MessageIcon::kExclamation, MessageButtons::kOk);
}

}  // namespace valdren
