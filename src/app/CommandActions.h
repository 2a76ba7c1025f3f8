#pragma once

#include <QObject>
#include <array>
#include <functional>
#include <map>
#include <span>

class QAction;
class QKeySequence;
class QMainWindow;
class QMenu;
class QUndoStack;
class QWidget;

namespace valdren {

class MainFrame;
class RecentFiles;
class Toolbar;
class TreeView;

// The window's commands as actions, and the places they show: the menu bar ("FileMenu"), the
// toolbar's buttons, the two trees' popup menus ("2" and "3") and the keys. One action a command,
// shared by all of them, so that they are enabled together and say the same. What the editor
// adds to the game's commands comes at the end of a menu, after a separator: Game Folder, then
// Open Recent on the File menu; Undo, Redo, Strength of Selection and Find, then Cut, Copy, Paste
// and Duplicate on the Edit menu, the last four also on the created tree's popup menu, then Check
// Dates, then Export Chart, also last on the created tree's popup menu. Which commands are
// enabled follows the two trees' selections.
class CommandActions : public QObject {
  Q_OBJECT

 public:
  explicit CommandActions(QMainWindow& window);

  // The action of a command id; null for an id without one.
  QAction* Action(int id) const;
  QAction* Undo() const { return undo_; }
  QAction* Redo() const { return redo_; }
  QAction* Strength() const { return strength_; }
  QAction* Find() const { return find_; }
  QAction* GameFolder() const { return gameFolder_; }
  QAction* CheckDates() const { return checkDates_; }
  QAction* ExportChart() const { return exportChart_; }
  // Cut, Copy, Paste and Duplicate, in that order.
  const std::array<QAction*, 4>& Clipboard() const { return clipboard_; }
  RecentFiles& Recent() const { return *recent_; }
  QAction* FindNext() const { return findNext_; }
  QAction* FindPrevious() const { return findPrevious_; }
  // F1 anywhere in the window: the "ProgramAccel" key.
  QAction* HelpKey() const { return helpKey_; }

  // Each command's action runs its handler in the window. A name being typed in the
  // organization's tree counts as typed before any command runs: it is a step of its own, and
  // the command never acts on an item the editor still shows.
  void ConnectTo(MainFrame& window);

  // The buttons of the add and editing commands, in the toolbar's order.
  void AddButtons(Toolbar& toolbar) const;
  // The menu bar, and each tree's popup menu.
  void CreateMenus(TreeView& catalog, TreeView& created);

  // The add commands need a template under the catalog's selection, the editing commands a
  // created item (not the root, not a unit line) under the organization's.
  void EnableAdd(bool hasTemplate);
  void EnableEditing(bool hasCreated);

 private:
  QAction* NewAction(const QString& text, const QString& prompt, const QString& tooltip);
  QMenu* PopupMenu(int id, std::span<const int> commands);
  void AddTreeKeys(QWidget& tree) const;
  static void AddKey(QAction& action, const QKeySequence& key);
  // Undo and Redo are enabled while there is a step to undo or redo, and their prompts name it.
  void FollowHistory(QUndoStack& history);

  QMainWindow& window_;
  std::map<int, QAction*> actions_;
  QAction* undo_;
  QAction* redo_;
  QAction* strength_;
  QAction* find_;
  QAction* gameFolder_;
  std::array<QAction*, 4> clipboard_;
  RecentFiles* recent_ = nullptr;
  QAction* checkDates_;
  QAction* exportChart_;
  QAction* findNext_;
  QAction* findPrevious_;
  QAction* helpKey_;
};

}  // namespace valdren
