#pragma once

#include <QString>

namespace valdren {

enum class MessageIcon { kNone, kExclamation, kQuestion, kInformation, kStop };
enum class MessageButtons { kOk, kYesNo, kYesNoCancel };
enum class MessageAnswer { kOk, kYes, kNo, kCancel };

// Every modal question the window asks goes through here: the editor answers with Qt's dialogs
// (QtPrompter), the tests answer by script and record what was asked, so each flow of the window
// runs offscreen without a modal loop.
class Prompter {
 public:
  virtual ~Prompter() = default;
  // A message box owned by the main window; the answer is the button that closed it (Escape and
  // the close box answer Cancel where there is one, otherwise the only button).
  virtual MessageAnswer Message(const QString& text, const QString& caption, MessageIcon icon,
                                MessageButtons buttons) = 0;
  // The About box: the program's icon, its name and version, and what it is for.
  virtual void About(const QString& caption, const QString& text) = 0;
};

}  // namespace valdren
