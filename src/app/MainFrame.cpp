#include "app/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <QUndoStack>

#include "app/CatalogItemModel.h"
#include "app/Commands.h"
#include "app/CreatedItemModel.h"
#include "app/FindBar.h"
#include "app/GameText.h"
#include "app/HelpWindow.h"
#include "app/OrgCommands.h"
#include "app/PromptedChoices.h"
#include "app/Prompter.h"
#include "app/RecoveryFile.h"
#include "app/StrengthWindow.h"
#include "app/Toolbar.h"
#include "app/TreeView.h"
#include "app/WaitCursor.h"
#include "builder/Builder.h"
#include "builder/UserBuilder.h"
#include "catalog/CatalogModel.h"
#include "catalog/CatalogTexts.h"
#include "oob/ErrorLog.h"
#include "org/OrgFile.h"
#include "org/Strength.h"

namespace valdren {

namespace {

QString Text(std::string_view text) {
  return QString::fromLatin1(text.data(), text.size());
}

constexpr int kMonthBoxWidth = 100;
constexpr int kYearBoxWidth = 60;
constexpr int kFirstYear = 39;
constexpr int kLastYear = 45;

}  // namespace

MainFrame::MainFrame(std::string commandFile, std::filesystem::path folder, Prompter& prompter)
    : DocFrame(prompter),
      commandFile_(std::move(commandFile)),
      folder_(std::move(folder)),
      catalogBoxes_(prompter) {
  setWindowTitle(Text(kTitle));
  setContextMenuPolicy(Qt::NoContextMenu);
  CreateActions();
  setWindowIcon(ProgramIcon());
  client_ = new QWidget(this);
  client_->installEventFilter(this);
  setCentralWidget(client_);
  CreateStatusBar();
  CreateToolbar();
  CreateFilterBoxes();
  CreateTrees();
  LoadDatabase();
  FillCatalog();
  createdModel_ = new CreatedItemModel(organization_, database_, images_, this);
  createdTree_->setModel(createdModel_);
  FillCreatedTree();
  names_.LoadAll(folder_);
  CreateMenus();
  CreateUndo();
  ConnectCommands();
  CreateAdditions();
  help_ = std::make_unique<HelpWindow>();
  CreateRecovery();
  UpdateCommands();
}

// The window's Qt children go after its members: nothing of theirs may reach a member by then.
// Their signals to the window are cut first, and the catalog's model, which leaves the catalog
// as it goes, goes while the catalog is still there.
MainFrame::~MainFrame() {
  disconnect(nullptr, nullptr, this, nullptr);
  delete catalogModel_;
}

QAction* MainFrame::Action(int id) const {
  const auto found = actions_.find(id);
  return found == actions_.end() ? nullptr : found->second;
}

// One action per command, shared by the menu bar, the toolbar and the popup menus, so they are
// enabled together and show the same prompt and tooltip.
void MainFrame::CreateActions() {
  for (const CommandText& command : CommandTexts()) {
    if (command.menuText.empty()) continue;
    auto* action = new QAction(Text(command.menuText), this);
    action->setData(command.id);
    action->setObjectName(QString::number(command.id));
    action->setStatusTip(Text(command.prompt));
    action->setToolTip(Text(command.tooltip));
    CommitEditFirst(action);
    actions_[command.id] = action;
  }
  for (const int id : EditingCommands())
    Action(id)->setIcon(ToolbarImage(id));
  Action(kAddAuto)->setIcon(ToolbarImage(kAddAuto));
  Action(kAddUser)->setIcon(ToolbarImage(kAddUser));

  // F1 anywhere in the window opens the help; the menu item names the key in its own text.
  auto* accelerator = new QAction(this);
  accelerator->setObjectName(QStringLiteral("ProgramAccel"));
  accelerator->setShortcut(Qt::Key_F1);
  accelerator->setShortcutContext(Qt::ApplicationShortcut);
  addAction(accelerator);
  connect(accelerator, &QAction::triggered, this, &MainFrame::ShowHelpContents);

  // The platform's usual keys for the file commands; the menu texts stay as they are.
  const std::pair<int, QKeySequence::StandardKey> keys[] = {{kFileNew, QKeySequence::New},
                                                            {kFileOpen, QKeySequence::Open},
                                                            {kFileSave, QKeySequence::Save},
                                                            {kFileSaveAs, QKeySequence::SaveAs},
                                                            {kFileExit, QKeySequence::Quit}};
  for (const auto& [id, key] : keys)
    Action(id)->setShortcuts(key);

  connect(Action(kFileNew), &QAction::triggered, this, &MainFrame::OnFileNew);
  connect(Action(kFileOpen), &QAction::triggered, this, &MainFrame::OnFileOpen);
  connect(Action(kFileAppend), &QAction::triggered, this, &MainFrame::OnFileAppend);
  connect(Action(kFileSave), &QAction::triggered, this, &MainFrame::OnFileSave);
  connect(Action(kFileSaveAs), &QAction::triggered, this, &MainFrame::OnFileSaveAs);
  connect(Action(kFileExit), &QAction::triggered, this, &MainFrame::OnFileExit);
  connect(Action(kHelpContents), &QAction::triggered, this, &MainFrame::ShowHelpContents);
  connect(Action(kAbout), &QAction::triggered, this, &MainFrame::ShowAbout);
}

// A name being typed in the organization's tree counts as typed before any command runs: it is
// a step of its own, and the command never acts on an item the editor still shows.
void MainFrame::CommitEditFirst(QAction* action) {
  connect(action, &QAction::triggered, this, [this] {
    if (createdTree_) createdTree_->CommitEdit();
  });
}

// One pane that stretches over the whole bar; a command's prompt covers it while the pointer is
// over the command.
void MainFrame::CreateStatusBar() {
  promptPane_ = new QLabel(tr("Ready"), this);
  promptPane_->setObjectName(QStringLiteral("PromptPane"));
  statusBar()->addWidget(promptPane_, 1);
  statusBar()->setSizeGripEnabled(true);
  statusBar()->setContextMenuPolicy(Qt::NoContextMenu);
}

void MainFrame::CreateToolbar() {
  toolbar_ = new Toolbar(client_);
  toolbar_->setObjectName(QStringLiteral("Toolbar"));
  toolbar_->AddButton(Action(kAddAuto));
  toolbar_->AddButton(Action(kAddUser));
  toolbar_->AddSeparator();
  for (const int id : EditingCommands())
    toolbar_->AddButton(Action(id));
  toolbar_->AddSeparator();
}

void MainFrame::CreateFilterBoxes() {
  const auto makeBox = [this](int id) {
    auto* box = new QComboBox(toolbar_);
    box->setObjectName(QString::number(id));
    box->setStatusTip(Text(CommandTextOf(id).prompt));
    box->setToolTip(Text(CommandTextOf(id).tooltip));
    box->setFocusPolicy(Qt::TabFocus);
    return box;
  };
  const CatalogDate start;
  monthBox_ = makeBox(kMonthFilterId);
  for (int month = 1; month <= 12; ++month)
    monthBox_->addItem(Text(MonthName(month)));
  monthBox_->setMaxVisibleItems(12);
  monthBox_->setCurrentIndex(start.month - 1);
  toolbar_->AddWidget(monthBox_, kMonthBoxWidth);
  toolbar_->AddSeparator();

  yearBox_ = makeBox(kYearFilterId);
  for (int year = kFirstYear; year <= kLastYear; ++year)
    yearBox_->addItem(Text(YearName(year)));
  yearBox_->setCurrentIndex(start.year - kFirstYear);
  toolbar_->AddWidget(yearBox_, kYearBoxWidth);

  connect(monthBox_, &QComboBox::activated, this, &MainFrame::OnMonthFilterChange);
  connect(yearBox_, &QComboBox::activated, this, &MainFrame::OnYearFilterChange);
}

void MainFrame::CreateTrees() {
  availableTree_ = new TreeView(kAvailableTreeId, client_);
  availableTree_->setAccessibleName(Text(kCatalogRootText));
  createdTree_ = new TreeView(kCreatedTreeId, client_);
  createdTree_->setAccessibleName(tr("Created Units and Organizations"));
}

void MainFrame::LoadDatabase() {
  ErrorText error;
  {
    WaitCursor wait;
    ErrorLogFile log(folder_);
    error = database_.LoadDatabase(folder_, log.Log());
  }
  if (error)
    prompter_.Message(FromGameText(*error), tr("Data Error"), MessageIcon::kExclamation,
                      MessageButtons::kOk);
}

void MainFrame::FillCatalog() {
  catalog_ = std::make_unique<CatalogModel>(database_, catalogBoxes_);
  catalogModel_ = new CatalogItemModel(*catalog_, images_, this);
  availableTree_->setModel(catalogModel_);
  availableTree_->expand(catalogModel_->IndexOf(catalog_->Root()));
  connect(availableTree_, &QTreeView::expanded, this,
          [this](const QModelIndex& index) { OnCatalogExpanding(index, true); });
  connect(availableTree_, &QTreeView::collapsed, this,
          [this](const QModelIndex& index) { OnCatalogExpanding(index, false); });
  connect(availableTree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &MainFrame::UpdateAddCommands);
}

void MainFrame::CreateMenus() {
  menuBar()->setObjectName(QStringLiteral("FileMenu"));
  for (const MenuLayout& layout : MenuBarLayout()) {
    // Styles that can right-align the Help menu do so after a separator.
    if (layout.items.front() == kHelpContents) menuBar()->addSeparator();
    QMenu* menu = menuBar()->addMenu(Text(layout.title));
    if (layout.items.front() == kAddAuto) editMenu_ = menu;
    for (const int id : layout.items) {
      if (id == 0)
        menu->addSeparator();
      else
        menu->addAction(Action(id));
    }
  }
  availableTree_->SetPopupMenu(PopupMenu(2, std::array{int{kAddAuto}, int{kAddUser}}));
  createdTree_->SetPopupMenu(PopupMenu(3, EditingCommands()));
  connect(createdTree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &MainFrame::UpdateCommands);
}

QMenu* MainFrame::PopupMenu(int id, std::span<const int> commands) {
  auto* menu = new QMenu(this);
  menu->setObjectName(QString::number(id));
  for (const int command : commands)
    menu->addAction(Action(command));
  return menu;
}

// Undo and Redo come after what the Edit menu has always held; their prompts say what they undo.
void MainFrame::CreateUndo() {
  undoStack_ = new QUndoStack(this);
  undoAction_ = new QAction(tr("&Undo"), this);
  redoAction_ = new QAction(tr("&Redo"), this);
  undoAction_->setShortcuts(QKeySequence::Undo);
  redoAction_->setShortcuts(QKeySequence::Redo);
  undoAction_->setEnabled(false);
  redoAction_->setEnabled(false);
  connect(undoStack_, &QUndoStack::canUndoChanged, undoAction_, &QAction::setEnabled);
  connect(undoStack_, &QUndoStack::canRedoChanged, redoAction_, &QAction::setEnabled);
  const auto prompt = [](QAction* action, const QString& verb) {
    return [action, verb](const QString& text) {
      action->setStatusTip(text.isEmpty() ? QString() : verb + QLatin1Char(' ') + text);
      action->setToolTip(action->statusTip());
    };
  };
  connect(undoStack_, &QUndoStack::undoTextChanged, this, prompt(undoAction_, tr("Undo")));
  connect(undoStack_, &QUndoStack::redoTextChanged, this, prompt(redoAction_, tr("Redo")));
  CommitEditFirst(undoAction_);
  CommitEditFirst(redoAction_);
  connect(undoAction_, &QAction::triggered, this, &MainFrame::OnUndo);
  connect(redoAction_, &QAction::triggered, this, &MainFrame::OnRedo);
  editMenu_->addSeparator();
  editMenu_->addAction(undoAction_);
  editMenu_->addAction(redoAction_);
}

void MainFrame::ConnectCommands() {
  connect(Action(kAddAuto), &QAction::triggered, this, &MainFrame::OnAddAuto);
  connect(Action(kAddUser), &QAction::triggered, this, &MainFrame::OnAddUser);
  connect(Action(kRename), &QAction::triggered, this, &MainFrame::OnRename);
  connect(Action(kChangeMorale), &QAction::triggered, this, &MainFrame::OnChangeMorale);
  connect(Action(kChangeCommand), &QAction::triggered, this, &MainFrame::OnChangeCommand);
  for (const int id : {kMoveUp, kMoveDown, kMoveToTop, kMoveToBottom})
    connect(Action(id), &QAction::triggered, this, [this, id] { OnMove(id); });
  connect(Action(kDelete), &QAction::triggered, this, &MainFrame::OnDelete);
  connect(Action(kRaise), &QAction::triggered, this, &MainFrame::OnRaise);
  connect(Action(kLower), &QAction::triggered, this, &MainFrame::OnLower);
  connect(createdModel_, &CreatedItemModel::RenameRequested, this, &MainFrame::OnRenamed);
  connect(createdModel_, &CreatedItemModel::Placed, this, &MainFrame::SelectCreated);

  // As in other tree editors: F2 (or a click on the selected name) renames, Delete deletes.
  createdTree_->setEditTriggers(QAbstractItemView::SelectedClicked |
                                QAbstractItemView::EditKeyPressed);
  auto* deleteKey = new QAction(createdTree_);
  deleteKey->setShortcut(QKeySequence::Delete);
  deleteKey->setShortcutContext(Qt::WidgetShortcut);
  createdTree_->addAction(deleteKey);
  connect(deleteKey, &QAction::triggered, this, &MainFrame::OnDelete);
}

// What the editor adds comes after the Edit menu's own commands, and the strength field stands
// right of the prompt pane.
void MainFrame::CreateAdditions() {
  auto* strength = new QAction(tr("&Strength of Selection..."), this);
  strength->setStatusTip(tr("Show the strength of the selected unit or organization"));
  strength->setToolTip(tr("Strength of Selection"));
  connect(strength, &QAction::triggered, this, &MainFrame::OnStrength);
  auto* find = new QAction(tr("&Find in Catalog..."), this);
  find->setShortcuts(QKeySequence::Find);
  find->setStatusTip(tr("Find a template in the catalog by its name"));
  find->setToolTip(tr("Find in Catalog"));
  connect(find, &QAction::triggered, this, &MainFrame::OnFind);
  editMenu_->addAction(strength);
  editMenu_->addAction(find);

  // F3 and Shift+F3 step through the matches while the find bar is open.
  auto* next = new QAction(this);
  auto* previous = new QAction(this);
  next->setShortcuts(QKeySequence::FindNext);
  previous->setShortcuts(QKeySequence::FindPrevious);
  addAction(next);
  addAction(previous);
  connect(next, &QAction::triggered, this, [this] {
    if (findBar_) findBar_->Next();
  });
  connect(previous, &QAction::triggered, this, [this] {
    if (findBar_) findBar_->Previous();
  });

  strengthField_ = new QLabel(this);
  strengthField_->setObjectName(QStringLiteral("StrengthField"));
  statusBar()->addPermanentWidget(strengthField_);
}

void MainFrame::OnSize(int cx, int cy) {
  toolbar_->WrapToolbar(cx);
  toolbar_->setGeometry(0, 0, cx, toolbar_->height());
  const int top = toolbar_->height();
  const int height = cy - top;
  const int half = cx / 2;
  createdTree_->setGeometry(half, top, half, height);
  // The find bar, while it is open, takes the bottom of the catalog's half.
  const int bar = findBar_ ? findBar_->sizeHint().height() : 0;
  availableTree_->setGeometry(0, top, half, height - bar);
  if (findBar_) findBar_->setGeometry(0, top + height - bar, half, bar);
}

void MainFrame::Relayout() {
  OnSize(client_->width(), client_->height());
}

bool MainFrame::eventFilter(QObject* watched, QEvent* event) {
  if (watched == client_ && event->type() == QEvent::Resize) {
    const QSize size = static_cast<QResizeEvent*>(event)->size();
    OnSize(size.width(), size.height());
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainFrame::ShowHelpContents() {
  help_->ShowContents();
}

void MainFrame::ShowAbout() {
  prompter_.About(tr("About %1").arg(Text(kTitle)),
                  tr("<h3>%1</h3><p>Version %2</p><p>Builds orders of battle for the game from "
                     "its database of unit templates, and saves them as organization files the "
                     "game reads.</p>")
                      .arg(Text(kTitle), QStringLiteral(VALDREN_VERSION)));
}

void MainFrame::OnCatalogExpanding(const QModelIndex& index, bool expanding) {
  {
    WaitCursor wait;
    catalog_->OnCatalogExpanding(catalogModel_->RowOf(index), expanding);
  }
  AfterCatalogWork();
}

void MainFrame::OnMonthFilterChange() {
  {
    WaitCursor wait;
    if (!catalog_->OnMonthFilterChange(ToGameText(monthBox_->currentText()))) return;
    organization_.month = catalog_->FilterDate().month;
    SetModified(true);
  }
  AfterCatalogWork();
}

void MainFrame::OnYearFilterChange() {
  {
    WaitCursor wait;
    if (!catalog_->OnYearFilterChange(ToGameText(yearBox_->currentText()))) return;
    organization_.year = catalog_->FilterDate().year;
    SetModified(true);
  }
  AfterCatalogWork();
}

void MainFrame::AfterCatalogWork() {
  // A new date lists other templates: the find bar's matches follow.
  if (findBar_ && findBar_->Date() != catalog_->FilterDate()) findBar_->Search(*catalog_);
  if (const int skipped = catalogBoxes_.TakeSkipped())
    statusBar()->showMessage(skipped == 1 ? tr("1 catalog message skipped")
                                          : tr("%1 catalog messages skipped").arg(skipped),
                             10000);
}

// ---- The document

void MainFrame::ClearDocument() {
  ReplaceDocument(OrgRoot());
}

OrgFileStatus MainFrame::ReadDocument(const std::filesystem::path& file) {
  OrgRoot read;
  OrgFileStatus status;
  {
    WaitCursor wait;
    status = LoadOrganization(read, file);
  }
  if (status == OrgFileStatus::kUnableToOpen) return status;
  // A read that failed part way shows what it read; a file of another version reads as empty.
  const bool whole = status == OrgFileStatus::kDone && read.version == 1;
  SetReadInPart(whole ? std::filesystem::path() : file);
  ReplaceDocument(std::move(read));
  return status;
}

// The organization is replaced while the created tree is reset, so that no view ever shows items
// that are gone; the catalog, whose refill may ask questions, follows only then. The steps to undo
// were of the old organization.
void MainFrame::ReplaceDocument(OrgRoot replacement) {
  {
    WaitCursor wait;
    undoStack_->clear();
    createdModel_->Replace(std::move(replacement));
  }
  RefreshViews();
}

OrgFileStatus MainFrame::WriteDocument(const std::filesystem::path& file) {
  UpdateTitle();
  WaitCursor wait;
  return SaveOrganization(organization_, file);
}

void MainFrame::SetupOpenDialog(FileDialogSettings& settings) {
  settings = {.filter = tr("Org Files (*.org)"),
              .defaultExtension = QStringLiteral("org"),
              .fileName = QStringLiteral("*.org"),
              .fileMustExist = true};
}

void MainFrame::SetupSaveDialog(FileDialogSettings& settings) {
  settings = {.filter = tr("Org Files (*.org)"),
              .defaultExtension = QStringLiteral("org"),
              .fileName = QStringLiteral("main.org"),
              .fileMustExist = false,
              .overwritePrompt = true};
}

// The created tree and the title come first: the catalog's refill may ask questions, and the
// window behind them then shows the document it asks about.
void MainFrame::RefreshViews() {
  // A date read from a file is not range checked: a box whose table lacks it shows nothing.
  monthBox_->setCurrentIndex(
      organization_.month >= 1 && organization_.month <= 12 ? organization_.month - 1 : -1);
  yearBox_->setCurrentIndex(organization_.year >= kFirstYear && organization_.year <= kLastYear
                                ? organization_.year - kFirstYear
                                : -1);
  FillCreatedTree();
  UpdateTitle();
  {
    WaitCursor wait;
    catalog_->SetFilterDate({organization_.month, organization_.year});
  }
  AfterCatalogWork();
}

void MainFrame::UpdateTitle() {
  QString title = Text(kTitle);
  if (!FileName().empty())
    title += QStringLiteral(" - ") + QFile::decodeName(FileName().filename().native().c_str());
  setWindowTitle(title);
}

void MainFrame::FillCreatedTree() {
  createdModel_->Rebuild();
  createdTree_->expand(createdModel_->RootIndex());
  UpdateCommands();
}

// Another organization file's items at the end of this one, with ids of this one's counter; the
// file name, the date and the catalog stay as they are.
void MainFrame::OnFileAppend() {
  const auto chosen = prompter_.OpenFile({.filter = tr("Org Files (*.org)"),
                                          .defaultExtension = QStringLiteral("org"),
                                          .fileName = QString(),
                                          .fileMustExist = true});
  if (!chosen) return;
  OrgRoot appended;
  // Whatever was read before a fault is appended, without a word.
  if (LoadOrganization(appended, *chosen) == OrgFileStatus::kUnableToOpen) {
    prompter_.Message(tr("Error opening file"), tr("Open Error"), MessageIcon::kNone,
                      MessageButtons::kOk);
    return;
  }
  const int count = static_cast<int>(appended.items.Size());
  const int nextId = organization_.nextId;
  createdModel_->AppendTopLevel(count, [&] { organization_.AppendAll(appended.items); });
  FillCreatedTree();
  Do(new AddItemsCommand(*createdModel_, organization_, count, nextId, tr("Append")));
}

void MainFrame::showEvent(QShowEvent* event) {
  DocFrame::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  // Once the window is on the screen, so that its messages stand over it.
  QTimer::singleShot(0, this, &MainFrame::OnFirstShown);
}

void MainFrame::OnFirstShown() {
  OpenCommandFile();
  OfferRecovery();
}

void MainFrame::OpenCommandFile() {
  if (commandFile_.empty()) return;
  SetFileName(commandFile_);
  const OrgFileStatus status = ReadDocument(FileName());
  if (status == OrgFileStatus::kUnableToOpen)
    prompter_.Message(tr("Error opening file"), tr("Open Error"), MessageIcon::kExclamation,
                      MessageButtons::kOk);
  else if (status != OrgFileStatus::kDone)
    prompter_.Message(tr("Error reading map file"), tr("File Read Error"),
                      MessageIcon::kExclamation, MessageButtons::kOk);
}

void MainFrame::CreateRecovery() {
  const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
  recovery_ = new RecoveryFile(std::filesystem::path(data.toStdString()) / "recovery", folder_,
                               organization_, this);
  connect(this, &DocFrame::DocumentChanged, recovery_, [this] { recovery_->Changed(FileName()); });
  connect(this, &DocFrame::ChangesSavedOrGivenUp, recovery_, &RecoveryFile::Remove);
}

// The copy is read before the user is asked: one that does not read is kept for the user to
// look at, and said so.
void MainFrame::OfferRecovery() {
  const std::optional<RecoveryFile::Found> found = recovery_->Find();
  if (!found) return;
  OrgRoot recovered;
  if (!RecoveryFile::Read(*found, recovered)) {
    const std::filesystem::path aside = RecoveryFile::KeepAside(*found);
    prompter_.Message(tr("Unsaved changes left by an earlier run could not be read. They are kept "
                         "in %1.")
                          .arg(QFile::decodeName(aside.native().c_str())),
                      tr("Recovery Error"), MessageIcon::kExclamation, MessageButtons::kOk);
    return;
  }
  const QString name = found->document.empty()
                           ? tr("the unnamed organization")
                           : QFile::decodeName(found->document.filename().native().c_str());
  const QString time = QLocale().toString(found->written, QLocale::ShortFormat);
  if (!prompter_.AskRecovery(tr("Recover the unsaved changes to %1 from %2?").arg(name, time),
                             tr("Recover Unsaved Changes"))) {
    RecoveryFile::Discard(*found);
    return;
  }
  SetFileName(found->document);
  SetReadInPart({});
  ReplaceDocument(std::move(recovered));
  recovery_->Adopt(*found);
  SetModified(true);
}

// A name being typed counts before the question whether to save; a window closed with its
// changes saved or given up leaves no copy behind.
void MainFrame::closeEvent(QCloseEvent* event) {
  createdTree_->CommitEdit();
  DocFrame::closeEvent(event);
}

// ---- Building and editing

const UnitTemplate* MainFrame::CatalogSelection() const {
  return catalog_->Template(catalogModel_->RowOf(availableTree_->currentIndex()));
}

OrgItem* MainFrame::CreatedSelection() const {
  const QModelIndex selected = createdTree_->currentIndex();
  if (!selected.isValid() || createdModel_->IsUnitLine(selected)) return nullptr;
  return createdModel_->ItemOf(selected);
}

void MainFrame::OnAddAuto() {
  const UnitTemplate* unit = CatalogSelection();
  if (!unit) return;
  std::unique_ptr<OrgItem> item;
  {
    WaitCursor wait;
    Builder builder(*building_, names_, organization_.month, organization_.year);
    item = builder.Instantiate(*unit, "", nullptr, std::nullopt);
  }
  AddBuilt(std::move(item), *unit);
}

void MainFrame::OnAddUser() {
  const UnitTemplate* unit = CatalogSelection();
  if (!unit) return;
  Builder builder(*building_, names_, organization_.month, organization_.year);
  PromptedChoices choices(prompter_);
  UserBuilder user(builder, choices);
  AddBuilt(user.InstantiateByUser(*unit, "", nullptr, std::nullopt), *unit);
}

// The new item goes last at the top level, collapsed and selected, with the next ids.
void MainFrame::AddBuilt(std::unique_ptr<OrgItem> item, const UnitTemplate& unit) {
  if (!item) return;
  const int nextId = organization_.nextId;
  createdModel_->AppendTopLevel(
      1, [&] { AddToOrganization(organization_, std::move(item), unit.Morale()); });
  Do(new AddItemsCommand(*createdModel_, organization_, 1, nextId, tr("Add Unit or Organization")));
  const QModelIndex root = createdModel_->RootIndex();
  createdTree_->expand(root);
  SelectCreated(createdModel_->index(createdModel_->rowCount(root) - 1, 0, root));
}

void MainFrame::OnRename() {
  if (HasCreatedSelection()) createdTree_->edit(createdTree_->currentIndex());
}

void MainFrame::OnRenamed(OrgItem* item, const QString& name) {
  Do(new RenameItemCommand(*createdModel_, *item, String(ToGameText(name)),
                           tr("Rename Unit or Organization")));
}

void MainFrame::OnChangeMorale() {
  OrgItem* const item = CreatedSelection();
  if (!item) return;
  const std::optional<int> morale = prompter_.AskMorale(item->morale);
  if (!morale) return;
  WaitCursor wait;
  Do(new SubtreeValueCommand(*createdModel_, *item, SubtreeValueCommand::Value::kMorale, *morale,
                             tr("Change Morale of Unit or Organization")));
}

void MainFrame::OnChangeCommand() {
  OrgItem* const item = CreatedSelection();
  if (!item) return;
  if (!item->HasLeader()) {
    StatusBeep(tr("Selected unit or organization has no leaders"));
    return;
  }
  const std::optional<int> rating = prompter_.AskCommandRating(item->GetCommandRating());
  if (!rating) return;
  WaitCursor wait;
  Do(new SubtreeValueCommand(*createdModel_, *item, SubtreeValueCommand::Value::kCommandRating,
                             *rating, tr("Change Command Rating of Leaders")));
}

void MainFrame::OnMove(int command) {
  OrgItem* const item = CreatedSelection();
  if (!item) return;
  const OrgPlace to = command == kMoveUp      ? organization_.MoveUpPlace(*item)
                      : command == kMoveDown  ? organization_.MoveDownPlace(*item)
                      : command == kMoveToTop ? organization_.MoveToTopPlace(*item)
                                              : organization_.MoveToBottomPlace(*item);
  const std::string_view text = CommandTextOf(command).menuText;
  Do(new MoveItemCommand(*createdModel_, organization_, *item, to,
                         Text(text).remove(QLatin1Char('&'))));
}

void MainFrame::OnDelete() {
  OrgItem* const item = CreatedSelection();
  if (!item) return;
  const MessageAnswer answer = prompter_.Message(
      tr("OK to delete this from Created Units and Organizations?\n") +
          FromGameText(item->name.View()),
      tr("Confirm Deletion"), MessageIcon::kExclamation, MessageButtons::kOkCancel);
  if (answer != MessageAnswer::kOk) return;
  Do(new DeleteItemCommand(*createdModel_, organization_, *item,
                           tr("Delete Unit or Organization")));
}

void MainFrame::OnRaise() {
  OrgItem* const item = CreatedSelection();
  if (!item) return;
  if (const std::optional<OrgPlace> to = organization_.RaisePlace(*item))
    Do(new MoveItemCommand(*createdModel_, organization_, *item, *to,
                           tr("Raise Unit in Organization")));
  else
    prompter_.Message(tr("Selected unit or organization cannot be raised"),
                      tr("Organization Change Error"), MessageIcon::kNone, MessageButtons::kOk);
}

void MainFrame::OnLower() {
  OrgItem* const item = CreatedSelection();
  if (!item) return;
  if (const std::optional<OrgPlace> to = organization_.LowerPlace(*item))
    Do(new MoveItemCommand(*createdModel_, organization_, *item, *to,
                           tr("Lower Unit in Organization")));
  else
    prompter_.Message(tr("Selected unit or organization cannot be lowered"),
                      tr("Organization Change Error"), MessageIcon::kNone, MessageButtons::kOk);
}

// Every change, done, undone or done again, is a change to the document.
void MainFrame::Do(QUndoCommand* command) {
  undoStack_->push(command);
  SetModified(true);
  UpdateCommands();
}

void MainFrame::OnUndo() {
  undoStack_->undo();
  SetModified(true);
  UpdateCommands();
}

void MainFrame::OnRedo() {
  undoStack_->redo();
  SetModified(true);
  UpdateCommands();
}

void MainFrame::SelectCreated(const QModelIndex& index) {
  createdTree_->collapse(index);
  createdTree_->setCurrentIndex(index);
  createdTree_->scrollTo(index);
}

// The selected item's strength, or the whole organization's when the root or nothing is
// selected; a unit line stands for its platoon.
void MainFrame::UpdateStrength() {
  if (!strengthField_) return;
  const OrgItem* const item = createdModel_->ItemOf(createdTree_->currentIndex());
  const std::string line = item ? StrengthSummary(*item, StrengthOf(*item, database_))
                                : StrengthSummary(StrengthOf(organization_, database_));
  strengthField_->setText(FromGameText(line));
}

void MainFrame::OnStrength() {
  const OrgItem* const item = createdModel_->ItemOf(createdTree_->currentIndex());
  auto* window = item ? new StrengthWindow(FromGameText(item->name.View()),
                                           StrengthOf(*item, database_), prompter_, this)
                      : new StrengthWindow(tr("the organization"),
                                           StrengthOf(organization_, database_), prompter_, this);
  window->show();
}

void MainFrame::OnFind() {
  if (!findBar_) {
    // A closed bar lives on until the event loop deletes it: what it still sends is its own.
    auto* bar = findBar_ = new FindBar(client_);
    connect(bar, &FindBar::TextChanged, this, [this, bar] {
      bar->Search(*catalog_);
      bar->Next();
    });
    connect(findBar_, &FindBar::Go, this, &MainFrame::GoToMatch);
    connect(findBar_, &FindBar::Closed, this, &MainFrame::CloseFindBar);
    findBar_->show();
    Relayout();
  }
  findBar_->Focus();
}

void MainFrame::CloseFindBar() {
  if (!findBar_) return;
  findBar_->hide();
  findBar_->deleteLater();
  findBar_ = nullptr;
  Relayout();
  availableTree_->setFocus();
}

// The match's nation and echelon group are expanded (the nation's messages show as on any
// expansion) and its row selected.
void MainFrame::GoToMatch(const CatalogMatch& match) {
  const CatalogRow row = catalog_->MatchRow(match);
  AfterCatalogWork();
  if (row == kNoRow) return;
  availableTree_->expand(catalogModel_->IndexOf(catalog_->NationRow(match.nation)));
  availableTree_->expand(
      catalogModel_->IndexOf(catalog_->EchelonGroupRow(match.nation, match.echelon)));
  const QModelIndex index = catalogModel_->IndexOf(row);
  availableTree_->setCurrentIndex(index);
  availableTree_->scrollTo(index);
}

void MainFrame::StatusBeep(const QString& text) {
  statusBar()->showMessage(text);
  QApplication::beep();
}

// The add commands need a template under the catalog's selection, the editing commands a created
// item (not the root, not a unit line) under the organization's.
void MainFrame::UpdateCommands() {
  UpdateAddCommands();
  const bool hasCreated = HasCreatedSelection();
  for (const int id : EditingCommands())
    Action(id)->setEnabled(hasCreated);
  UpdateStrength();
}

void MainFrame::UpdateAddCommands() {
  const bool hasTemplate = CatalogSelection() != nullptr;
  Action(kAddAuto)->setEnabled(hasTemplate);
  Action(kAddUser)->setEnabled(hasTemplate);
}

}  // namespace valdren
