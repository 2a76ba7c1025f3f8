#include "app/EditorApp.h"

#include <QCoreApplication>
#include <filesystem>

#include "app/MainFrame.h"
#include "gui/WaitCursor.h"

namespace valdren {

EditorApp::EditorApp(EditorCommandLine commandLine, Prompter& prompter, ProgramStarter startProgram)
    : commandLine_(std::move(commandLine)),
      prompter_(prompter),
      startProgram_(std::move(startProgram)) {}

EditorApp::~EditorApp() = default;

void EditorApp::InitInstance() {
  // The name under which a settings store would live; the editor keeps no settings.
  QCoreApplication::setOrganizationName(QString::fromLatin1(kOrganizationName));
  window_ = std::make_unique<MainFrame>(commandLine_.commandFile, std::filesystem::current_path(),
                                        prompter_);
  window_->showMaximized();
}

void EditorApp::ExitInstance() {
  if (!commandLine_.relaunchGame) return;
  WaitCursor wait;
  startProgram_(QString::fromLatin1(kGameProgram), {QStringLiteral("-i")});
}

}  // namespace valdren
