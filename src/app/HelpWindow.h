#pragma once

#include <QHash>
#include <QWidget>

class QTextBrowser;

namespace valdren {

class Prompter;

// The editor's help: its own pages, compiled into the program, in a window of their own beside
// the main window. A page is found by its title, which is the keyword the dialogs' Help buttons
// ask for ("Choice Dialog").
class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  // The About box is asked through the prompter.
  explicit HelpWindow(Prompter& prompter);

  // Shows the window at the contents page, or at the page whose title is the keyword; a keyword
  // without a page is said so in the window.
  void ShowContents();
  void ShowKeyword(const QString& keyword);
  // The About box: the program's name, version and what it is for.
  void ShowAbout();

  // The title of the page the window shows: its keyword, or "No help topic".
  QString ShownTitle() const;

 private:
  void Present();

  Prompter& prompter_;
  QTextBrowser* browser_;
  QHash<QString, QString> pagesByTitle_;
};

}  // namespace valdren
