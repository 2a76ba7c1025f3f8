#pragma once

#include <QMainWindow>
#include <filesystem>

#include "org/OrgFile.h"

class QLabel;

namespace valdren {

class Prompter;
struct FileDialogSettings;

// A main window that is its own document: it keeps the file's name and whether there are changes
// not saved, runs the file commands New, Open, Save, Save As and Exit and the question whether to
// save before changes are given up, and leaves what the document holds to the hooks a window
// fills in. Closing the window in any way (Exit, the close box, the system menu) asks first.
class DocFrame : public QMainWindow {
  Q_OBJECT

 public:
  explicit DocFrame(Prompter& prompter);

  bool Modified() const { return modified_; }
  // True for every change to the document; false when its changes are saved or given up.
  void SetModified(bool modified);
  // The file with its folder as the file dialog chose it, or as the command line named it;
  // empty for a document that has none.
  const std::filesystem::path& FileName() const { return fileName_; }
  void SetFileName(std::filesystem::path fileName) { fileName_ = std::move(fileName); }

  // Where the window's questions go.
  Prompter& Prompts() const { return prompter_; }

  // "Do you want to save the current file?" when there are changes: true means go on.
  bool SaveModified();

  void OnFileNew();
  void OnFileOpen();
  void OnFileSave();
  void OnFileSaveAs();
  void OnFileExit();
  // A file chosen from the recent ones: opened as Open opens it, after the save question. A file
  // that is gone is reported, and nothing else happens.
  void OpenRecent(const std::filesystem::path& file);

 Q_SIGNALS:
  void DocumentChanged();
  void ChangesSavedOrGivenUp();
  // A file was opened (if only in part) or saved under its name.
  void FileUsed(const std::filesystem::path& file);
  void FileGone(const std::filesystem::path& file);

 protected:
  virtual void ClearDocument() = 0;
  // Reads the file into the document, or says why not; what was read before a failure stays.
  virtual OrgFileStatus ReadDocument(const std::filesystem::path& file) = 0;
  virtual OrgFileStatus WriteDocument(const std::filesystem::path& file) = 0;
  virtual void SetupOpenDialog(FileDialogSettings& settings) = 0;
  virtual void SetupSaveDialog(FileDialogSettings& settings) = 0;

  void closeEvent(QCloseEvent* event) override;
  // The file was read into the document only in part, or not at all (an organization of another
  // version): the first save under its name asks before it replaces the file. Empty for none.
  void SetReadInPart(std::filesystem::path file) { readInPart_ = std::move(file); }

  Prompter& prompter_;

 private:
  void OpenDocumentFile();
  void SaveDocumentFile();
  // Whether the save may replace the file of that name: the user decides for one read in part.
  bool MayReplace();
  // A file error in a box of its own, with the exclamation icon.
  void FileError(OrgFileStatus status, const QString& caption);

  bool modified_ = false;
  QLabel* modifiedField_;
  std::filesystem::path fileName_;
  std::filesystem::path readInPart_;
};

}  // namespace valdren
