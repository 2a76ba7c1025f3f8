#include <QApplication>
#include <QProcess>
#include <string>

#include "app/EditorApp.h"
#include "app/HelpWindow.h"
#include "app/MainFrame.h"
#include "app/QtPrompter.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  // The game hands the editor one command line; Qt has taken its own options out of it.
  std::string line;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) line += ' ';
    line += argv[i];
  }
  valdren::QtPrompter prompter;
  valdren::EditorApp editor(valdren::ParseEditorCommandLine(line), prompter,
                            [](const QString& program, const QStringList& arguments) {
                              QProcess::startDetached(program, arguments);
                            });
  editor.InitInstance();
  prompter.SetHelp(
      [&editor](const QString& keyword) { editor.Window()->Help()->ShowKeyword(keyword); });
  const int status = application.exec();
  editor.ExitInstance();
  return status;
}
