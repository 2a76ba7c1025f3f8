#pragma once

#include <QStringList>
#include <filesystem>
#include <functional>
#include <memory>

#include "app/EditorCommandLine.h"

namespace valdren {

class MainFrame;
class Prompter;

// The application: reads the command line, makes and shows the main window, and when the game
// started the editor, starts the game again as the editor exits.
class EditorApp {
 public:
  // Starts a program with its arguments, detached, found as the platform finds programs; a
  // failure is not reported. Tests record the call instead.
  using ProgramStarter = std::function<void(const QString& program, const QStringList& arguments)>;

  static constexpr const char* kGameProgram = "Tarnholm";
  static constexpr const char* kOrganizationName = "Corvane";

  EditorApp(EditorCommandLine commandLine, Prompter& prompter, ProgramStarter startProgram);
  ~EditorApp();

  // Makes the main window for the game folder and shows it maximised, whatever the launcher
  // asked for. The game folder is the current one when it holds a database, as when the game
  // starts the editor; otherwise the one chosen last time; otherwise, once the window is up, the
  // user is told that none was found and offered the choice.
  void InitInstance();
  // After the window has closed: the game again, under the wait cursor, if it started us.
  void ExitInstance();

  bool RelaunchGame() const { return commandLine_.relaunchGame; }
  MainFrame* Window() const { return window_.get(); }

 private:
  static std::filesystem::path StartFolder();
  void MakeWindow(const std::filesystem::path& folder);
  // Game Folder: after the save question, a folder; the window is made anew for it and the
  // choice remembered. False when the user chose none.
  bool ChooseGameFolder();
  void OfferGameFolder(const std::filesystem::path& folder);

  EditorCommandLine commandLine_;
  Prompter& prompter_;
  ProgramStarter startProgram_;
  std::unique_ptr<MainFrame> window_;
};

}  // namespace valdren
