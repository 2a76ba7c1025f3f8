#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <string_view>

class QLabel;
class QLineEdit;

namespace valdren {

// Asks for the part of a created unit's name that the name lists leave to the user. The caller
// sets the subject (what the text describes, in the game's bytes) before exec() and reads Text()
// afterwards. There is no Cancel: Escape and the close box end the dialog too (exec() returns
// Rejected) and the text is kept all the same. Help opens the page of the dialog's caption and
// leaves the dialog open.
class DescDialog : public QDialog {
  Q_OBJECT

 public:
  // The game holds descriptions of at most this many characters.
  static constexpr int kMaxLength = 79;

  DescDialog(QWidget* owner, std::function<void(const QString&)> showHelp);

  void SetSubject(std::string_view subject);
  // The typed text in the game's bytes; a character Windows-1252 lacks is "?".
  const std::string& Text() const { return text_; }

  void done(int result) override;

 private:
  QLineEdit* edit_;
  QLabel* prompt_;
  std::string text_;
};

}  // namespace valdren
