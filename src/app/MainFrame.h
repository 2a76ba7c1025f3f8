#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "app/CatalogPane.h"
#include "app/CommandActions.h"
#include "app/DocFrame.h"
#include "app/HelpWindow.h"
#include "app/Images.h"
#include "app/OrgEditing.h"
#include "oob/NameLists.h"
#include "oob/OobDatabase.h"

namespace valdren {

class CreatedTree;
class RecoveryFile;
class StrengthField;
class Toolbar;
class TreeSplitter;

// The editor's only window. It owns everything that lives for the run: the database and the name
// lists (loaded once, while the window is made), the catalog on the left (CatalogPane), the
// user's organization on the right with its history (OrgEditing), the commands (CommandActions),
// the toolbar with the two date filters and the status bar. It conducts: a command's handler
// reads what is selected, asks what it must, and pushes the change.
//
// The window is made in the order the game's editor has always made it, so the database's
// "Data Error" box appears before the window does, and the window then opens with whatever was
// loaded. Every question it asks goes through the Prompter. As a DocFrame, its document is the
// organization. The members are declared so that they go in the right order by themselves: the
// parts before the database and the images they show.
class MainFrame : public DocFrame {
  Q_OBJECT

 public:
  // Makes the window for the game folder; commandFile is opened at the first paint.
  MainFrame(std::string commandFile, std::filesystem::path folder, Prompter& prompter);
  ~MainFrame() override;

  CommandActions& Commands() { return *commands_; }
  CatalogPane& Catalog() { return *catalog_; }
  OrgEditing& Editing() { return *editing_; }
  CreatedTree* Created() const { return createdTree_; }
  HelpWindow* Help() const { return help_.get(); }
  const OobDatabase& Database() const { return database_; }
  const NameLists& Names() const { return names_; }

  // Lays the client area out for its new size: the toolbar's rows first, then the two trees side
  // by side below it, each half the width until the user drags the line between them.
  void OnSize(int cx, int cy);

  void OnFileAppend();
  // Building and editing: each change is one step of the history.
  void OnAddAuto();
  void OnAddUser();
  void OnRename();
  void OnChangeMorale();
  void OnChangeCommand();
  void OnMove(int command);
  void OnDelete();
  void OnRaise();
  void OnLower();
  void OnStrength();
  // The list of the items not available at the date, in a window of its own (one at a time).
  void OnCheckDates();
  // A word in the status bar with the information beep, when a command has nothing to act on.
  void StatusBeep(const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

  void ClearDocument() override;
  OrgFileStatus ReadDocument(const std::filesystem::path& file) override;
  OrgFileStatus WriteDocument(const std::filesystem::path& file) override;
  void SetupOpenDialog(FileDialogSettings& settings) override;
  void SetupSaveDialog(FileDialogSettings& settings) override;

 private:
  void CreateStatusBar();
  void CreateToolbar();
  void CreateTrees();
  void LoadDatabase();
  void ConnectCommands();

  // The window in step with a replaced organization: the created tree shows it from its root,
  // the title names the file, the filter boxes and the catalog take its date.
  void RefreshViews();
  void UpdateTitle();
  void FillCreatedTree();
  void OpenCommandFile();
  void OfferRecovery();

  void ShowBuilt(const OrgItem* item);
  void ChangeError(const QString& text);
  static FileDialogSettings OrgFileDialog(const QString& fileName, bool mustExist);
  void UpdateCommands();

  std::string commandFile_;
  std::filesystem::path folder_;
  bool shownOnce_ = false;
  OobDatabase database_;
  NameLists names_;
  TreeImageList images_;
  // A window of its own, not the main window's: a dialog that opens it blocks the main window
  // alone.
  std::unique_ptr<HelpWindow> help_;
  std::unique_ptr<OrgEditing> editing_;
  std::unique_ptr<CatalogPane> catalog_;
  CommandActions* commands_;
  QWidget* client_ = nullptr;
  Toolbar* toolbar_ = nullptr;
  StrengthField* strengthField_ = nullptr;
  CreatedTree* createdTree_ = nullptr;
  TreeSplitter* splitter_ = nullptr;
  RecoveryFile* recovery_ = nullptr;
};

}  // namespace valdren
