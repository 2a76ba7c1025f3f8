#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <span>
#include <string>

#include "app/CatalogBoxes.h"
#include "app/DocFrame.h"
#include "app/Images.h"
#include "builder/BuilderState.h"
#include "oob/NameLists.h"
#include "oob/OobDatabase.h"
#include "org/OrgRoot.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QUndoCommand;
class QUndoStack;

namespace valdren {

class CatalogItemModel;
struct CatalogMatch;
class FindBar;
class CatalogModel;
class CreatedItemModel;
class HelpWindow;
class Prompter;
class RecoveryFile;
class Toolbar;
class TreeView;
class UnitTemplate;

// The editor's only window. It owns everything that lives for the run: the database and the name
// lists (loaded once, while the window is made), the user's organization, the two trees over
// them (the catalog on the left, the organization on the right), the toolbar with the two date
// filters, the status bar and the menus. It receives every command and hands it to the core.
//
// The window is made in the order the game's editor has always made it, so the database's
// "Data Error" box appears before the window does, and the window then opens with whatever was
// loaded. Every question it asks goes through the Prompter. As a DocFrame, its document is the
// organization.
class MainFrame : public DocFrame {
  Q_OBJECT

 public:
  static constexpr const char* kTitle = "Valdren Organization Editor";

  // Makes the window for the game folder; commandFile is opened at the first paint.
  MainFrame(std::string commandFile, std::filesystem::path folder, Prompter& prompter);
  ~MainFrame() override;

  // The command's action, shared by its menu item, toolbar button and popup menu entries.
  QAction* Action(int id) const;
  Toolbar* ToolbarWidget() const { return toolbar_; }
  QComboBox* MonthBox() const { return monthBox_; }
  QComboBox* YearBox() const { return yearBox_; }
  TreeView* AvailableTree() const { return availableTree_; }
  TreeView* CreatedTree() const { return createdTree_; }
  QLabel* PromptPane() const { return promptPane_; }
  HelpWindow* Help() const { return help_.get(); }
  const OobDatabase& Database() const { return database_; }
  const NameLists& Names() const { return names_; }
  RecoveryFile* Recovery() const { return recovery_; }
  OrgRoot& Organization() { return organization_; }

  // Lays the client area out for its new size: the toolbar's rows first, then the two trees side
  // by side below it, each half the width.
  void OnSize(int cx, int cy);

  void ShowHelpContents();
  void ShowAbout();
  void OnFileAppend();

  // Building and editing: each change is one step on the undo stack.
  void OnAddAuto();
  void OnAddUser();
  void OnRename();
  void OnChangeMorale();
  void OnChangeCommand();
  void OnMove(int command);
  void OnDelete();
  void OnRaise();
  void OnLower();
  void OnUndo();
  void OnRedo();
  // The created item selected in the organization's tree: null for nothing, the root or a unit
  // line.
  OrgItem* CreatedSelection() const;
  bool HasCreatedSelection() const { return CreatedSelection() != nullptr; }
  // Beyond the game's editor: the selection's strength, and finding a template in the catalog.
  void OnStrength();
  void OnFind();
  void CloseFindBar();
  FindBar* Finder() const { return findBar_; }
  QLabel* StrengthField() const { return strengthField_; }
  // A word in the status bar with the information beep, when a command has nothing to act on.
  void StatusBeep(const QString& text);
  QUndoStack* UndoStack() const { return undoStack_; }
  // Every generator of the builder starts from the seed, as the tool's --seed makes them: the
  // same answers then build the same organization.
  void SeedBuilder(std::uint32_t seed) { building_ = std::make_unique<BuilderState>(seed); }

  // The window in step with a cleared or newly read organization: the filter boxes and the
  // catalog take its date, the created tree is built anew, the title names the file.
  void RefreshViews();
  void UpdateTitle();
  void FillCreatedTree();

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
  void CreateActions();
  void CommitEditFirst(QAction* action);
  void CreateStatusBar();
  void CreateToolbar();
  void CreateFilterBoxes();
  void CreateTrees();
  void LoadDatabase();
  void FillCatalog();
  void CreateMenus();
  QMenu* PopupMenu(int id, std::span<const int> commands);

  void ReplaceDocument(OrgRoot replacement);
  // Once, when the window has first been shown: the file named on the command line, then the
  // unsaved changes a crash left in this game folder, offered back.
  void OnFirstShown();
  void OpenCommandFile();
  void CreateRecovery();
  void OfferRecovery();
  void OnCatalogExpanding(const QModelIndex& index, bool expanding);
  // After the catalog has been filled or refreshed: how many of its messages the user chose to
  // skip, and the find bar's matches at the new date.
  void AfterCatalogWork();
  void CreateUndo();
  void ConnectCommands();
  // The catalog's selected template, or null.
  const UnitTemplate* CatalogSelection() const;
  void AddBuilt(std::unique_ptr<OrgItem> item, const UnitTemplate& unit);
  void Do(QUndoCommand* command);
  void SelectCreated(const QModelIndex& index);
  void OnRenamed(OrgItem* item, const QString& name);
  void CreateAdditions();
  void UpdateStrength();
  void GoToMatch(const CatalogMatch& match);
  void Relayout();
  void OnMonthFilterChange();
  void OnYearFilterChange();
  void UpdateCommands();
  // The catalog's selection decides only the add commands, and costs no strength.
  void UpdateAddCommands();

  std::string commandFile_;
  std::filesystem::path folder_;
  bool shownOnce_ = false;
  OobDatabase database_;
  OrgRoot organization_;
  NameLists names_;
  TreeImageList images_;
  CatalogBoxes catalogBoxes_;
  std::unique_ptr<CatalogModel> catalog_;
  // A window of its own, not the main window's: a dialog that opens it blocks the main window
  // alone.
  std::unique_ptr<HelpWindow> help_;
  // The builder's generators and issued numbers live for the run.
  std::unique_ptr<BuilderState> building_ = std::make_unique<BuilderState>();

  std::map<int, QAction*> actions_;
  QWidget* client_ = nullptr;
  Toolbar* toolbar_ = nullptr;
  QComboBox* monthBox_ = nullptr;
  QComboBox* yearBox_ = nullptr;
  QLabel* promptPane_ = nullptr;
  TreeView* availableTree_ = nullptr;
  TreeView* createdTree_ = nullptr;
  CatalogItemModel* catalogModel_ = nullptr;
  CreatedItemModel* createdModel_ = nullptr;
  QUndoStack* undoStack_ = nullptr;
  QMenu* editMenu_ = nullptr;
  QAction* undoAction_ = nullptr;
  QAction* redoAction_ = nullptr;
  QLabel* strengthField_ = nullptr;
  FindBar* findBar_ = nullptr;  // only while it is open
  RecoveryFile* recovery_ = nullptr;
};

}  // namespace valdren
