#include "app/MainFrame.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QStatusBar>

#include "app/CatalogItemModel.h"
#include "app/Commands.h"
#include "app/CreatedItemModel.h"
#include "app/GameText.h"
#include "app/HelpWindow.h"
#include "app/Prompter.h"
#include "app/Toolbar.h"
#include "app/TreeView.h"
#include "app/WaitCursor.h"
#include "catalog/CatalogModel.h"
#include "catalog/CatalogTexts.h"
#include "oob/ErrorLog.h"

namespace valdren {

namespace {

QString Text(std::string_view text) { return QString::fromLatin1(text.data(), text.size()); }

constexpr int kMonthBoxWidth = 100;
constexpr int kYearBoxWidth = 60;
constexpr int kFirstYear = 39;
constexpr int kLastYear = 45;

}  // namespace

MainFrame::MainFrame(std::string commandFile, std::filesystem::path folder, Prompter& prompter)
    : commandFile_(std::move(commandFile)),
      folder_(std::move(folder)),
      prompter_(prompter),
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
  createdTree_->expand(createdModel_->RootIndex());
  names_.LoadAll(folder_);
  CreateMenus();
  help_ = new HelpWindow(this);
  UpdateCommands();
}

MainFrame::~MainFrame() = default;

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
    actions_[command.id] = action;
  }
  for (const int id : EditingCommands()) Action(id)->setIcon(ToolbarImage(id));
  Action(kAddAuto)->setIcon(ToolbarImage(kAddAuto));
  Action(kAddUser)->setIcon(ToolbarImage(kAddUser));

  // F1 anywhere in the window opens the help; the menu item names the key in its own text.
  auto* accelerator = new QAction(this);
  accelerator->setObjectName(QStringLiteral("ProgramAccel"));
  accelerator->setShortcut(Qt::Key_F1);
  accelerator->setShortcutContext(Qt::ApplicationShortcut);
  addAction(accelerator);
  connect(accelerator, &QAction::triggered, this, &MainFrame::ShowHelpContents);

  connect(Action(kHelpContents), &QAction::triggered, this, &MainFrame::ShowHelpContents);
  connect(Action(kAbout), &QAction::triggered, this, &MainFrame::ShowAbout);
  connect(Action(kFileExit), &QAction::triggered, this, &QWidget::close);
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
  for (const int id : EditingCommands()) toolbar_->AddButton(Action(id));
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
  for (int month = 1; month <= 12; ++month) monthBox_->addItem(Text(MonthName(month)));
  monthBox_->setMaxVisibleItems(12);
  monthBox_->setCurrentIndex(start.month - 1);
  toolbar_->AddWidget(monthBox_, kMonthBoxWidth);
  toolbar_->AddSeparator();

  yearBox_ = makeBox(kYearFilterId);
  for (int year = kFirstYear; year <= kLastYear; ++year) yearBox_->addItem(Text(YearName(year)));
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
  WaitCursor wait;
  ErrorLogFile log(folder_);
  if (const ErrorText error = database_.LoadDatabase(folder_, log.Log()))
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
          &MainFrame::UpdateCommands);
}

void MainFrame::CreateMenus() {
  menuBar()->setObjectName(QStringLiteral("FileMenu"));
  for (const MenuLayout& layout : MenuBarLayout()) {
    // Styles that can right-align the Help menu do so after a separator.
    if (layout.items.front() == kHelpContents) menuBar()->addSeparator();
    QMenu* menu = menuBar()->addMenu(Text(layout.title));
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
  for (const int command : commands) menu->addAction(Action(command));
  return menu;
}

void MainFrame::OnSize(int cx, int cy) {
  toolbar_->WrapToolbar(cx);
  toolbar_->setGeometry(0, 0, cx, toolbar_->height());
  const int top = toolbar_->height();
  const int height = cy - top;
  const int half = cx / 2;
  createdTree_->setGeometry(half, top, half, height);
  availableTree_->setGeometry(0, top, half, height);
}

bool MainFrame::eventFilter(QObject* watched, QEvent* event) {
  if (watched == client_ && event->type() == QEvent::Resize) {
    const QSize size = static_cast<QResizeEvent*>(event)->size();
    OnSize(size.width(), size.height());
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainFrame::ShowHelpContents() { help_->ShowContents(); }

void MainFrame::ShowAbout() {
  prompter_.About(tr("About %1").arg(Text(kTitle)),
                  tr("<h3>%1</h3><p>Version %2</p><p>Builds orders of battle for the game from "
                     "its database of unit templates, and saves them as organization files the "
                     "game reads.</p>")
                      .arg(Text(kTitle), QStringLiteral(VALDREN_VERSION)));
}

void MainFrame::OnCatalogExpanding(const QModelIndex& index, bool expanding) {
  WaitCursor wait;
  catalog_->OnCatalogExpanding(catalogModel_->RowOf(index), expanding);
}

void MainFrame::OnMonthFilterChange() {
  WaitCursor wait;
  if (catalog_->OnMonthFilterChange(ToGameText(monthBox_->currentText())))
    organization_.month = catalog_->FilterDate().month;
}

void MainFrame::OnYearFilterChange() {
  WaitCursor wait;
  if (catalog_->OnYearFilterChange(ToGameText(yearBox_->currentText())))
    organization_.year = catalog_->FilterDate().year;
}

// The add commands need a template under the catalog's selection, the editing commands a created
// item (not the root, not a unit line) under the organization's.
void MainFrame::UpdateCommands() {
  const bool hasTemplate =
      catalog_->Template(catalogModel_->RowOf(availableTree_->currentIndex())) != nullptr;
  Action(kAddAuto)->setEnabled(hasTemplate);
  Action(kAddUser)->setEnabled(hasTemplate);
  const QModelIndex created = createdTree_->currentIndex();
  const bool hasCreated =
      created.isValid() && createdModel_->ItemOf(created) && !createdModel_->IsUnitLine(created);
  for (const int id : EditingCommands()) Action(id)->setEnabled(hasCreated);
}

}  // namespace valdren
