#include "app/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QResizeEvent>
#include <QStatusBar>
#include <QTimer>

#include "app/Commands.h"
#include "app/CreatedTree.h"
#include "app/DatesWindow.h"
#include "app/PromptedChoices.h"
#include "app/Prompter.h"
#include "app/RecoveryFile.h"
#include "app/StrengthField.h"
#include "app/Toolbar.h"
#include "app/TreeSplitter.h"
#include "gui/GameText.h"
#include "gui/PathText.h"
#include "gui/WaitCursor.h"
#include "oob/DatabaseLoader.h"
#include "oob/ErrorLog.h"
#include "org/OrgFile.h"

namespace valdren {

MainFrame::MainFrame(std::string commandFile, std::filesystem::path folder, Prompter& prompter)
    : DocFrame(prompter),
      commandFile_(std::move(commandFile)),
      folder_(std::move(folder)),
      editing_(std::make_unique<OrgEditing>(database_, images_)),
      catalog_(std::make_unique<CatalogPane>(prompter, images_)),
      commands_(new CommandActions(*this)) {
  setWindowTitle(FromGameText(kProgramTitle));
  setContextMenuPolicy(Qt::NoContextMenu);
  setWindowIcon(ProgramIcon());
  client_ = new QWidget(this);
  client_->installEventFilter(this);
  setCentralWidget(client_);
  CreateStatusBar();
  CreateToolbar();
  catalog_->CreateFilterBoxes(*toolbar_);
  CreateTrees();
  LoadDatabase();
  catalog_->FillCatalog(database_);
  createdTree_->SetModel(editing_->Model());
  FillCreatedTree();
  names_.LoadAll(folder_);
  commands_->CreateMenus(*catalog_->Tree(), *createdTree_);
  help_ = std::make_unique<HelpWindow>(prompter_);
  ConnectCommands();
  recovery_ = new RecoveryFile(*this, folder_, editing_->Organization());
  UpdateCommands();
}

MainFrame::~MainFrame() = default;

// One pane that stretches over the whole bar; a command's prompt covers it while the pointer is
// over the command. The strength field stands right of it.
void MainFrame::CreateStatusBar() {
  auto* promptPane = new QLabel(tr("Ready"), this);
  promptPane->setObjectName(QStringLiteral("PromptPane"));
  statusBar()->addWidget(promptPane, 1);
  statusBar()->setSizeGripEnabled(true);
  statusBar()->setContextMenuPolicy(Qt::NoContextMenu);
  strengthField_ = new StrengthField(database_, editing_->Organization(), prompter_, this);
  statusBar()->addPermanentWidget(strengthField_);
}

void MainFrame::CreateToolbar() {
  toolbar_ = new Toolbar(client_);
  toolbar_->setObjectName(QStringLiteral("Toolbar"));
  commands_->AddButtons(*toolbar_);
}

void MainFrame::CreateTrees() {
  catalog_->CreateTree(client_);
  createdTree_ = new CreatedTree(client_);
  splitter_ = new TreeSplitter(*catalog_, *createdTree_, client_);
}

// A folder without a database (the editor started outside the game's) gets no error.log.
void MainFrame::LoadDatabase() {
  if (!HoldsDatabase(folder_)) return;
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

// Whatever follows the selections and the history lives with the organization's editing and the
// catalog, and goes with them.
void MainFrame::ConnectCommands() {
  commands_->ConnectTo(*this);
  OrgEditing* editing = editing_.get();
  connect(createdTree_->selectionModel(), &QItemSelectionModel::currentChanged, editing,
          [this] { UpdateCommands(); });
  // Every change, done, undone or done again, is a change to the document.
  connect(editing, &OrgEditing::Changed, this, [this] {
    SetModified(true);
    UpdateCommands();
  });
  CatalogPane* catalog = catalog_.get();
  connect(catalog, &CatalogPane::DateChosen, editing, &OrgEditing::ChangeDate);
  connect(editing, &OrgEditing::DateChanged, catalog, &CatalogPane::SetDate);
  connect(catalog, &CatalogPane::Said, this,
          [this](const QString& text) { statusBar()->showMessage(text, 10000); });
}

void MainFrame::OnStrength() {
  strengthField_->OpenWindow(createdTree_->SelectedRow());
}

void MainFrame::OnCheckDates() {
  auto* shown = findChild<DatesWindow*>(QString(), Qt::FindDirectChildrenOnly);
  if (!shown) {
    shown = new DatesWindow(*editing_, this);
    connect(shown, &DatesWindow::Chosen, this,
            [this](const OrgItem& item) { createdTree_->Select(editing_->Model().IndexOf(item)); });
  }
  shown->show();
  shown->raise();
  shown->activateWindow();
}

void MainFrame::OnSize(int cx, int cy) {
  toolbar_->WrapToolbar(cx);
  toolbar_->setGeometry(0, 0, cx, toolbar_->height());
  splitter_->Place({0, toolbar_->height(), cx, cy - toolbar_->height()});
}

bool MainFrame::eventFilter(QObject* watched, QEvent* event) {
  if (watched == client_ && event->type() == QEvent::Resize) {
    const QSize size = static_cast<QResizeEvent*>(event)->size();
    OnSize(size.width(), size.height());
  }
  return QMainWindow::eventFilter(watched, event);
}

// ---- The document

void MainFrame::ClearDocument() {
  editing_->Replace(OrgRoot());
  RefreshViews();
}

// A read that failed part way shows what it read.
OrgFileStatus MainFrame::ReadDocument(const std::filesystem::path& file) {
  const OrgFileStatus status = editing_->Load(file);
  if (status == OrgFileStatus::kUnableToOpen) return status;
  SetReadInPart(editing_->ReadWhole() ? std::filesystem::path() : file);
  RefreshViews();
  return status;
}

OrgFileStatus MainFrame::WriteDocument(const std::filesystem::path& file) {
  UpdateTitle();
  WaitCursor wait;
  return SaveOrganization(editing_->Organization(), file);
}

void MainFrame::SetupOpenDialog(FileDialogSettings& settings) {
  settings = OrgFileDialog(QStringLiteral("*.org"), true);
}

void MainFrame::SetupSaveDialog(FileDialogSettings& settings) {
  settings = OrgFileDialog(QStringLiteral("main.org"), false);
  settings.overwritePrompt = true;
}

FileDialogSettings MainFrame::OrgFileDialog(const QString& fileName, bool mustExist) {
  return {tr("Org Files (*.org)"), QStringLiteral("org"), fileName, mustExist};
}

// After the organization has been replaced, in the created tree's reset so that no view ever
// shows items that are gone. The created tree and the title come first: the catalog's refill may
// ask questions, and the window behind them then shows the document it asks about.
void MainFrame::RefreshViews() {
  FillCreatedTree();
  UpdateTitle();
  const OrgRoot& organization = editing_->Organization();
  catalog_->SetDate({organization.month, organization.year});
}

void MainFrame::UpdateTitle() {
  const QString title = FromGameText(kProgramTitle);
  setWindowTitle(
      FileName().empty() ? title : title + QStringLiteral(" - ") + PathText(FileName().filename()));
}

void MainFrame::FillCreatedTree() {
  createdTree_->Refill();
  UpdateCommands();
}

// Another organization file's items at the end of this one; the file name, the date and the
// catalog stay as they are. A file that breaks off is appended as far as it reads, without a word.
void MainFrame::OnFileAppend() {
  const auto chosen = prompter_.OpenFile(OrgFileDialog(QString(), true));
  if (!chosen) return;
  if (editing_->Append(*chosen) == OrgFileStatus::kUnableToOpen)
    return void(prompter_.Message(tr("Error opening file"), tr("Open Error"), MessageIcon::kNone,
                                  MessageButtons::kOk));
  FillCreatedTree();
}

void MainFrame::showEvent(QShowEvent* event) {
  DocFrame::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  // Once the window is on the screen, so that its messages stand over it: the file named on the
  // command line, then the unsaved changes a crash left in this game folder, offered back.
  QTimer::singleShot(0, this, [this] {
    OpenCommandFile();
    OfferRecovery();
  });
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

void MainFrame::OfferRecovery() {
  std::optional<RecoveryFile::Recovered> recovered = recovery_->Offer(prompter_);
  if (!recovered) return;
  SetFileName(recovered->document);
  SetReadInPart({});
  editing_->Replace(std::move(recovered->organization));
  RefreshViews();
  SetModified(true);
}

// A name being typed counts before the question whether to save.
void MainFrame::closeEvent(QCloseEvent* event) {
  createdTree_->CommitEdit();
  DocFrame::closeEvent(event);
}

// ---- Building and editing

void MainFrame::OnAddAuto() {
  if (const UnitTemplate* unit = catalog_->Selection())
    ShowBuilt(editing_->Build(*unit, names_, nullptr));
}

void MainFrame::OnAddUser() {
  const UnitTemplate* unit = catalog_->Selection();
  if (!unit) return;
  PromptedChoices choices(prompter_);
  ShowBuilt(editing_->Build(*unit, names_, &choices));
}

// The new item shows last at the top level, collapsed and selected.
void MainFrame::ShowBuilt(const OrgItem* item) {
  if (!item) return;
  createdTree_->expand(editing_->Model().RootIndex());
  createdTree_->Select(editing_->Model().IndexOf(*item));
}

void MainFrame::OnRename() {
  if (createdTree_->Selection()) createdTree_->edit(createdTree_->currentIndex());
}

void MainFrame::OnChangeMorale() {
  OrgItem* const item = createdTree_->Selection();
  if (!item) return;
  if (const std::optional<int> morale = prompter_.AskMorale(item->morale))
    editing_->SetMorale(*item, *morale);
}

void MainFrame::OnChangeCommand() {
  OrgItem* const item = createdTree_->Selection();
  if (!item) return;
  if (!item->HasLeader()) return StatusBeep(tr("Selected unit or organization has no leaders"));
  if (const std::optional<int> rating = prompter_.AskCommandRating(item->GetCommandRating()))
    editing_->SetCommandRating(*item, *rating);
}

void MainFrame::OnMove(int command) {
  if (OrgItem* const item = createdTree_->Selection()) editing_->Move(*item, command);
}

void MainFrame::OnDelete() {
  OrgItem* const item = createdTree_->Selection();
  if (!item) return;
  const MessageAnswer answer = prompter_.Message(
      tr("OK to delete this from Created Units and Organizations?\n") +
          FromGameText(item->name.View()),
      tr("Confirm Deletion"), MessageIcon::kExclamation, MessageButtons::kOkCancel);
  if (answer == MessageAnswer::kOk) editing_->Delete(*item);
}

void MainFrame::OnRaise() {
  OrgItem* const item = createdTree_->Selection();
  if (item && !editing_->Raise(*item))
    ChangeError(tr("Selected unit or organization cannot be raised"));
}

void MainFrame::OnLower() {
  OrgItem* const item = createdTree_->Selection();
  if (item && !editing_->Lower(*item))
    ChangeError(tr("Selected unit or organization cannot be lowered"));
}

void MainFrame::ChangeError(const QString& text) {
  prompter_.Message(text, tr("Organization Change Error"), MessageIcon::kNone, MessageButtons::kOk);
}

void MainFrame::StatusBeep(const QString& text) {
  statusBar()->showMessage(text);
  QApplication::beep();
}

void MainFrame::UpdateCommands() {
  commands_->EnableAdd(catalog_->Selection() != nullptr);
  commands_->EnableEditing(createdTree_->Selection() != nullptr);
  strengthField_->Show(createdTree_->SelectedRow());
}

}  // namespace valdren
