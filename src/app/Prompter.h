#pragma once

#include <QString>

class QWidget;
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace valdren {

class OrgTemplate;
struct SubunitGroup;

enum class MessageIcon { kNone, kExclamation, kQuestion, kInformation, kStop };
enum class MessageButtons { kOk, kOkCancel, kYesNo, kYesNoCancel };
enum class MessageAnswer { kOk, kYes, kNo, kCancel };

// What a file dialog starts with: its filter ("Org Files (*.org)"), the extension given to a
// name typed without one, the name it shows first, and whether the file must exist (open) or an
// existing one is replaced only after a question (save).
struct FileDialogSettings {
  QString filter;
  QString defaultExtension;
  QString fileName;
  bool fileMustExist = false;
  bool overwritePrompt = false;
};

// Every modal question the window asks goes through here: the editor answers with Qt's dialogs
// (QtPrompter), the tests answer by script and record what was asked, so each flow of the window
// runs offscreen without a modal loop.
class Prompter {
 public:
  virtual ~Prompter() = default;
  // The window that owns the boxes and dialogs from now on; answers by script need none.
  virtual void SetOwner(QWidget* /*owner*/) {}
  // A message box owned by the main window; the answer is the button that closed it (Escape and
  // the close box answer Cancel where there is one, otherwise the only button).
  virtual MessageAnswer Message(const QString& text, const QString& caption, MessageIcon icon,
                                MessageButtons buttons) = 0;
  // A message box with OK alone and a check box of the given text; true when the box was checked.
  virtual bool MessageWithCheckBox(const QString& text, const QString& caption,
                                   const QString& checkBox) = 0;
  // The About box: the program's icon, its name and version, and what it is for.
  virtual void About(const QString& caption, const QString& text) = 0;
  // The file dialogs, starting in the current folder and centred over the main window. The
  // chosen file with its folder, or nothing when the dialog was cancelled.
  virtual std::optional<std::filesystem::path> OpenFile(const FileDialogSettings& settings) = 0;
  virtual std::optional<std::filesystem::path> SaveFile(const FileDialogSettings& settings) = 0;
  // A folder dialog: the folder chosen, or nothing when the dialog was cancelled.
  virtual std::optional<std::filesystem::path> ChooseFolder(const QString& caption) = 0;

  // The morale dialog (1..10) and the command dialog (1..5), preset to the value: the value
  // chosen, or nothing when the dialog was cancelled.
  virtual std::optional<int> AskMorale(int value) = 0;
  virtual std::optional<int> AskCommandRating(int value) = 0;
  // The choice dialog: the index of the alternative picked for the owner's group, -1 for none.
  virtual int AskChoice(const OrgTemplate& owner, const SubunitGroup& group) = 0;
  // The description dialog: the text typed for the subject (game text, at most 79 characters).
  virtual std::string AskDescription(std::string_view subject) = 0;

  // Whether to take back the unsaved changes a crash left: a box with Recover (the default) and
  // Discard, one of which must be chosen. True for Recover.
  virtual bool AskRecovery(const QString& text, const QString& caption) = 0;
};

}  // namespace valdren
