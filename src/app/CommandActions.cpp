#include "app/CommandActions.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QUndoStack>
#include <tuple>

#include "app/ChartDialog.h"
#include "app/Commands.h"
#include "app/CreatedTree.h"
#include "app/DatesWindow.h"
#include "app/FindBar.h"
#include "app/Images.h"
#include "app/MainFrame.h"
#include "app/OrgClipboard.h"
#include "app/RecentFiles.h"
#include "app/Toolbar.h"
#include "app/TreeFind.h"
#include "app/TreeView.h"

namespace valdren {

namespace {

QString Text(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

CommandActions::CommandActions(QMainWindow& window) : QObject(&window), window_(window) {
  for (const CommandText& command : CommandTexts()) {
    if (command.menuText.empty()) continue;
    QAction* action =
        NewAction(Text(command.menuText), Text(command.prompt), Text(command.tooltip));
    action->setData(command.id);
    action->setObjectName(QString::number(command.id));
    actions_[command.id] = action;
  }
  for (const int id : EditingCommands())
    Action(id)->setIcon(ToolbarImage(id));
  for (const int id : {kAddAuto, kAddUser})
    Action(id)->setIcon(ToolbarImage(id));

  // The platform's usual keys for the file commands; the menu texts stay as they are.
  const std::pair<int, QKeySequence::StandardKey> keys[] = {{kFileNew, QKeySequence::New},
                                                            {kFileOpen, QKeySequence::Open},
                                                            {kFileSave, QKeySequence::Save},
                                                            {kFileSaveAs, QKeySequence::SaveAs},
                                                            {kFileExit, QKeySequence::Quit}};
  for (const auto& [id, key] : keys)
    Action(id)->setShortcuts(key);
  // Keys users of other editors press, where the platform's own differ or are missing.
  AddKey(*Action(kFileSaveAs), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));

  undo_ = NewAction(tr("&Undo"), QString(), QString());
  redo_ = NewAction(tr("&Redo"), QString(), QString());
  undo_->setShortcuts(QKeySequence::Undo);
  // Ctrl+Y first, so that the menu shows the key most editors use; the platform's keys follow.
  QList<QKeySequence> redoKeys{QKeySequence(Qt::CTRL | Qt::Key_Y)};
  for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::Redo))
    if (!redoKeys.contains(key)) redoKeys << key;
  redo_->setShortcuts(redoKeys);
  strength_ = NewAction(tr("&Strength of Selection..."),
                        tr("Show the strength of the selected unit or organization"),
                        tr("Strength of Selection"));
  find_ = NewAction(tr("&Find..."),
                    tr("Find a template in the catalog, or an item in the organization while its "
                       "tree has the focus, by its name"),
                    tr("Find"));
  find_->setShortcuts(QKeySequence::Find);
  gameFolder_ = NewAction(tr("Game &Folder..."), tr("Choose the game folder whose database to use"),
                          tr("Game Folder"));

  const std::tuple<QString, QString, QKeySequence> clipboard[] = {
      {tr("Cu&t"), tr("Cut the selected unit or organization to the clipboard"), QKeySequence::Cut},
      {tr("C&opy"), tr("Copy the selected unit or organization to the clipboard"),
       QKeySequence::Copy},
      {tr("&Paste"), tr("Paste the unit or organization on the clipboard after the selection"),
       QKeySequence::Paste},
      {tr("Dupl&icate"), tr("Put a copy of the selected unit or organization after it"),
       QKeySequence(Qt::CTRL | Qt::Key_D)}};
  for (std::size_t i = 0; i < clipboard_.size(); ++i) {
    const auto& [text, prompt, key] = clipboard[i];
    clipboard_[i] = NewAction(text, prompt, QString(text).remove(QLatin1Char('&')));
    clipboard_[i]->setShortcut(key);
  }

  checkDates_ = NewAction(tr("Check &Dates..."),
                          tr("List the units and organizations not available at the date"),
                          tr("Check Dates"));
  exportChart_ = NewAction(tr("Export &Chart..."),
                           tr("Save the selected unit or organization as a chart: SVG, PNG or PDF"),
                           tr("Export Chart"));

  // Keys without a menu item: F1 anywhere (the help's menu item names it in its text), and F3
  // and Shift+F3 through the find bar's matches.
  helpKey_ = new QAction(this);
  helpKey_->setObjectName(QStringLiteral("ProgramAccel"));
  helpKey_->setShortcut(Qt::Key_F1);
  helpKey_->setShortcutContext(Qt::ApplicationShortcut);
  findNext_ = new QAction(this);
  findPrevious_ = new QAction(this);
  findNext_->setShortcuts(QKeySequence::FindNext);
  findPrevious_->setShortcuts(QKeySequence::FindPrevious);
  window_.addActions({helpKey_, findNext_, findPrevious_});
}

void CommandActions::AddKey(QAction& action, const QKeySequence& key) {
  QList<QKeySequence> keys = action.shortcuts();
  if (!keys.contains(key)) action.setShortcuts(keys << key);
}

QAction* CommandActions::NewAction(const QString& text, const QString& prompt,
                                   const QString& tooltip) {
  auto* action = new QAction(text, this);
  action->setStatusTip(prompt);
  action->setToolTip(tooltip);
  return action;
}

QAction* CommandActions::Action(int id) const {
  const auto found = actions_.find(id);
  return found == actions_.end() ? nullptr : found->second;
}

void CommandActions::ConnectTo(MainFrame& window) {
  const std::pair<int, void (MainFrame::*)()> handlers[] = {
      {kFileNew, &MainFrame::OnFileNew},
      {kFileOpen, &MainFrame::OnFileOpen},
      {kFileAppend, &MainFrame::OnFileAppend},
      {kFileSave, &MainFrame::OnFileSave},
      {kFileSaveAs, &MainFrame::OnFileSaveAs},
      {kFileExit, &MainFrame::OnFileExit},
      {kAddAuto, &MainFrame::OnAddAuto},
      {kAddUser, &MainFrame::OnAddUser},
      {kRename, &MainFrame::OnRename},
      {kChangeMorale, &MainFrame::OnChangeMorale},
      {kChangeCommand, &MainFrame::OnChangeCommand},
      {kDelete, &MainFrame::OnDelete},
      {kRaise, &MainFrame::OnRaise},
      {kLower, &MainFrame::OnLower}};
  const auto run = [&window](QAction* action, std::function<void()> handler) {
    connect(action, &QAction::triggered, &window, [&window, handler] {
      window.Created()->CommitEdit();
      handler();
    });
  };
  for (const auto& [id, handler] : handlers)
    run(Action(id), [&window, handler] { (window.*handler)(); });
  for (const int id : {kMoveUp, kMoveDown, kMoveToTop, kMoveToBottom})
    run(Action(id), [&window, id] { window.OnMove(id); });
  OrgEditing& editing = window.Editing();
  run(undo_, [&editing] { editing.Undo(); });
  run(redo_, [&editing] { editing.Redo(); });
  FollowHistory(editing.History());
  AddTreeKeys(*window.Created());
  run(strength_, [&window] { window.OnStrength(); });
  connect(&window, &DocFrame::FileUsed, recent_, &RecentFiles::Add);
  connect(&window, &DocFrame::FileGone, recent_, &RecentFiles::Remove);
  connect(recent_, &RecentFiles::Chosen, &window, [&window](const std::filesystem::path& file) {
    window.Created()->CommitEdit();
    window.OpenRecent(file);
  });
  auto* clipboard = new OrgClipboard(editing, *window.Created(), window.Prompts(), this);
  connect(clipboard, &OrgClipboard::Said, &window,
          [&window](const QString& text) { window.statusBar()->showMessage(text); });
  const std::array<void (OrgClipboard::*)(), 4> clipboardHandlers = {
      &OrgClipboard::Cut, &OrgClipboard::Copy, &OrgClipboard::Paste, &OrgClipboard::Duplicate};
  for (std::size_t i = 0; i < clipboard_.size(); ++i)
    run(clipboard_[i], [clipboard, handler = clipboardHandlers[i]] { (clipboard->*handler)(); });
  run(checkDates_, [&window] { DatesWindow::Open(window.Editing(), *window.Created(), window); });
  run(exportChart_, [&window] {
    (new ChartDialog(window.Created()->SelectedRow(), window.Editing().Organization(),
                     window.Database(), window.Prompts(), &window))
        ->show();
  });
  for (QAction* help : {Action(kHelpContents), helpKey_})
    connect(help, &QAction::triggered, window.Help(), &HelpWindow::ShowContents);
  connect(Action(kAbout), &QAction::triggered, window.Help(), &HelpWindow::ShowAbout);
  // The catalog's selection decides only the add commands, and costs no strength.
  CatalogPane& catalog = window.Catalog();
  connect(&catalog, &CatalogPane::SelectionChanged, this,
          [this, &catalog] { EnableAdd(catalog.Selection() != nullptr); });
  // Find searches the organization while its tree or its find bar has the focus, else the
  // catalog; F3 goes on in the bar that has the focus, or the catalog's.
  TreeFind& organization = window.Created()->Find();
  const auto inOrganization = [&window, &organization] {
    const QWidget* focus = QApplication::focusWidget();
    return focus && (focus == window.Created() ||
                     (organization.Bar() && organization.Bar()->isAncestorOf(focus)));
  };
  connect(find_, &QAction::triggered, this, [&catalog, &organization, inOrganization] {
    inOrganization() ? organization.Open() : catalog.OpenFindBar();
  });
  connect(findNext_, &QAction::triggered, this, [&catalog, &organization, inOrganization] {
    inOrganization() ? organization.Next() : catalog.FindNext();
  });
  connect(findPrevious_, &QAction::triggered, this, [&catalog, &organization, inOrganization] {
    inOrganization() ? organization.Previous() : catalog.FindPrevious();
  });
}

void CommandActions::AddButtons(Toolbar& toolbar) const {
  toolbar.AddButton(Action(kAddAuto));
  toolbar.AddButton(Action(kAddUser));
  toolbar.AddSeparator();
  for (const int id : EditingCommands())
    toolbar.AddButton(Action(id));
  toolbar.AddSeparator();
}

void CommandActions::CreateMenus(TreeView& catalog, TreeView& created) {
  QMenuBar* bar = window_.menuBar();
  QMenu* fileMenu = nullptr;
  QMenu* editMenu = nullptr;
  bar->setObjectName(QStringLiteral("FileMenu"));
  for (const MenuLayout& layout : MenuBarLayout()) {
    // Styles that can right-align the Help menu do so after a separator.
    if (layout.id == MenuId::kHelp) bar->addSeparator();
    QMenu* menu = bar->addMenu(Text(layout.title));
    if (layout.id == MenuId::kFile) fileMenu = menu;
    if (layout.id == MenuId::kEdit) editMenu = menu;
    for (const int id : layout.items) {
      if (id == 0)
        menu->addSeparator();
      else
        menu->addAction(Action(id));
    }
  }
  fileMenu->addSeparator();
  fileMenu->addAction(gameFolder_);
  fileMenu->addSeparator();
  recent_ = new RecentFiles(&window_);
  fileMenu->addMenu(recent_->Menu());
  editMenu->addSeparator();
  editMenu->addActions({undo_, redo_, strength_, find_});
  editMenu->addSeparator();
  editMenu->addActions({clipboard_.begin(), clipboard_.end()});
  editMenu->addSeparator();
  editMenu->addAction(checkDates_);
  editMenu->addSeparator();
  editMenu->addAction(exportChart_);
  catalog.SetPopupMenu(PopupMenu(2, std::array{int{kAddAuto}, int{kAddUser}}));
  QMenu* createdMenu = PopupMenu(3, EditingCommands());
  createdMenu->addSeparator();
  createdMenu->addActions({clipboard_.begin(), clipboard_.end()});
  createdMenu->addSeparator();
  createdMenu->addAction(exportChart_);
  created.SetPopupMenu(createdMenu);
}

QMenu* CommandActions::PopupMenu(int id, std::span<const int> commands) {
  auto* menu = new QMenu(&window_);
  menu->setObjectName(QString::number(id));
  for (const int command : commands)
    menu->addAction(Action(command));
  return menu;
}

// F2 renames, Delete deletes and the clipboard's keys work in the tree while it has the focus,
// so that they never take a key from a text being typed; the menu shows the keys.
void CommandActions::AddTreeKeys(QWidget& tree) const {
  Action(kRename)->setShortcut(Qt::Key_F2);
  Action(kDelete)->setShortcut(QKeySequence::Delete);
  for (QAction* action : {Action(kRename), Action(kDelete)})
    tree.addAction(action);
  tree.addActions({clipboard_.begin(), clipboard_.end()});
  for (QAction* action : tree.actions())
    action->setShortcutContext(Qt::WidgetShortcut);
}

void CommandActions::FollowHistory(QUndoStack& history) {
  undo_->setEnabled(false);
  redo_->setEnabled(false);
  connect(&history, &QUndoStack::canUndoChanged, undo_, &QAction::setEnabled);
  connect(&history, &QUndoStack::canRedoChanged, redo_, &QAction::setEnabled);
  const auto prompt = [](QAction* action, const QString& verb) {
    return [action, verb](const QString& text) {
      action->setStatusTip(text.isEmpty() ? QString() : verb + QLatin1Char(' ') + text);
      action->setToolTip(action->statusTip());
    };
  };
  connect(&history, &QUndoStack::undoTextChanged, undo_, prompt(undo_, tr("Undo")));
  connect(&history, &QUndoStack::redoTextChanged, redo_, prompt(redo_, tr("Redo")));
}

void CommandActions::EnableAdd(bool hasTemplate) {
  Action(kAddAuto)->setEnabled(hasTemplate);
  Action(kAddUser)->setEnabled(hasTemplate);
}

void CommandActions::EnableEditing(bool hasCreated) {
  for (const int id : EditingCommands())
    Action(id)->setEnabled(hasCreated);
  // Paste needs no selection: with none, it puts the item at the end.
  for (QAction* action : {clipboard_[0], clipboard_[1], clipboard_[3]})
    action->setEnabled(hasCreated);
}

}  // namespace valdren
