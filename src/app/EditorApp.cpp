#include "app/EditorApp.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>

#include "app/CreatedTree.h"
#include "app/MainFrame.h"
#include "app/Prompter.h"
#include "gui/PathText.h"
#include "gui/WaitCursor.h"
#include "oob/DatabaseLoader.h"

namespace valdren {

namespace {

constexpr char kGameFolderKey[] = "gameFolder";

}  // namespace

EditorApp::EditorApp(EditorCommandLine commandLine, Prompter& prompter, ProgramStarter startProgram)
    : commandLine_(std::move(commandLine)),
      prompter_(prompter),
      startProgram_(std::move(startProgram)) {}

EditorApp::~EditorApp() = default;

void EditorApp::InitInstance() {
  // The name under which the editor's settings and recovery files live.
  QCoreApplication::setOrganizationName(QString::fromLatin1(kOrganizationName));
  MakeWindow(StartFolder());
}

std::filesystem::path EditorApp::StartFolder() {
  const std::filesystem::path current = std::filesystem::current_path();
  if (HoldsDatabase(current)) return current;
  const QString chosen = QSettings().value(kGameFolderKey).toString();
  const std::filesystem::path remembered(QFile::encodeName(chosen).toStdString());
  return !chosen.isEmpty() && HoldsDatabase(remembered) ? remembered : current;
}

// The command-line file belongs to the first window only; a window made for another game folder
// starts empty. The new window is up before the old one goes, so the program never runs out of
// windows.
void EditorApp::MakeWindow(const std::filesystem::path& folder) {
  std::unique_ptr<MainFrame> old = std::move(window_);
  std::string commandFile = old ? std::string() : commandLine_.commandFile;
  // The game folder becomes the current folder, as when the game starts the editor, so that the
  // file dialogs start there; a command-line file named from another folder keeps its place.
  std::error_code error;
  if (!std::filesystem::equivalent(folder, std::filesystem::current_path(), error)) {
    if (!commandFile.empty()) commandFile = std::filesystem::absolute(commandFile, error).string();
    std::filesystem::current_path(folder, error);
  }
  window_ = std::make_unique<MainFrame>(commandFile, folder, prompter_);
  prompter_.SetOwner(window_.get());
  QObject::connect(window_->Commands().GameFolder(), &QAction::triggered, window_.get(),
                   [this] { ChooseGameFolder(); });
  window_->showMaximized();
  if (!HoldsDatabase(folder))
    QTimer::singleShot(0, window_.get(), [this, folder] { OfferGameFolder(folder); });
}

// Once the window has done what it does when first shown: the command-line file, a recovery. A
// user who does not choose is shown where to, later.
void EditorApp::OfferGameFolder(const std::filesystem::path& folder) {
  const MessageAnswer answer =
      prompter_.Message(QObject::tr("No game database was found in %1.\n\nChoose the game folder?")
                            .arg(PathText(folder)),
                        QObject::tr("Game Folder"), MessageIcon::kQuestion, MessageButtons::kYesNo);
  if (answer == MessageAnswer::kYes && ChooseGameFolder()) return;
  window_->statusBar()->showMessage(
      QObject::tr("No game database here: File, Game Folder... chooses the game folder"));
}

bool EditorApp::ChooseGameFolder() {
  window_->Created()->CommitEdit();
  if (!window_->SaveModified()) return false;
  const std::optional<std::filesystem::path> folder =
      prompter_.ChooseFolder(QObject::tr("Choose the Game Folder"));
  if (!folder) return false;
  QSettings().setValue(kGameFolderKey, PathText(*folder));
  // The old window goes once the command that chose the folder has returned.
  QTimer::singleShot(0, qApp, [this, chosen = *folder] { MakeWindow(chosen); });
  return true;
}

void EditorApp::ExitInstance() {
  if (!commandLine_.relaunchGame) return;
  WaitCursor wait;
  startProgram_(QString::fromLatin1(kGameProgram), {QStringLiteral("-i")});
}

}  // namespace valdren
