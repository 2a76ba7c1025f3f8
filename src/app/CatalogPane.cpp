#include "app/CatalogPane.h"

#include <QComboBox>
#include <QEvent>
#include <algorithm>

#include "app/Commands.h"
#include "app/FindBar.h"
#include "app/Toolbar.h"
#include "app/TreeFind.h"
#include "app/TreeView.h"
#include "catalog/CatalogTexts.h"
#include "gui/GameText.h"
#include "gui/WaitCursor.h"

namespace valdren {

namespace {

QString Text(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr int kMonthBoxWidth = 100;
constexpr int kYearBoxWidth = 60;
constexpr int kFirstYear = 39;
constexpr int kLastYear = 45;

}  // namespace

CatalogPane::CatalogPane(Prompter& prompter, const TreeImageList& images, QObject* parent)
    : QObject(parent), images_(images), boxes_(prompter) {}

CatalogPane::~CatalogPane() = default;

void CatalogPane::CreateFilterBoxes(Toolbar& toolbar) {
  const auto makeBox = [&toolbar](int id) {
    auto* box = new QComboBox(&toolbar);
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
  yearBox_ = makeBox(kYearFilterId);
  for (int year = kFirstYear; year <= kLastYear; ++year)
    yearBox_->addItem(Text(YearName(year)));
  yearBox_->setCurrentIndex(start.year - kFirstYear);
  toolbar.AddWidget(monthBox_, kMonthBoxWidth);
  toolbar.AddSeparator();
  toolbar.AddWidget(yearBox_, kYearBoxWidth);
  for (QComboBox* box : {monthBox_, yearBox_}) {
    connect(box, &QComboBox::activated, this, [this, box] { OnFilterChange(box); });
    box->installEventFilter(this);
  }
}

void CatalogPane::CreateTree(QWidget* client) {
  tree_ = new TreeView(kAvailableTreeId, client);
  tree_->setAccessibleName(Text(kCatalogRootText));
  find_ = new TreeFind(
      *tree_, tr("Catalog:"), tr("Find a template by name"),
      [this](const QString& text) { return FindTemplates(text); },
      [this](int match) { return MatchRow(match); }, this);
}

void CatalogPane::FillCatalog(const OobDatabase& database) {
  catalog_ = std::make_unique<CatalogModel>(database, boxes_);
  model_ = std::make_unique<CatalogItemModel>(*catalog_, images_);
  tree_->setModel(model_.get());
  tree_->expand(model_->IndexOf(catalog_->Root()));
  connect(tree_, &QTreeView::expanded, this,
          [this](const QModelIndex& index) { OnCatalogExpanding(index, true); });
  connect(tree_, &QTreeView::collapsed, this,
          [this](const QModelIndex& index) { OnCatalogExpanding(index, false); });
  connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &CatalogPane::SelectionChanged);
}

// The wheel turned over a closed box the user is not working in scrolls past it: the date, which
// is saved with the organization, changes only when the user means it to.
bool CatalogPane::eventFilter(QObject* watched, QEvent* event) {
  return event->type() == QEvent::Wheel && !static_cast<QWidget*>(watched)->hasFocus();
}

const UnitTemplate* CatalogPane::Selection() const {
  return catalog_->Template(model_->RowOf(tree_->currentIndex()));
}

void CatalogPane::OnCatalogExpanding(const QModelIndex& index, bool expanding) {
  {
    WaitCursor wait;
    catalog_->OnCatalogExpanding(model_->RowOf(index), expanding);
  }
  AfterCatalogWork();
}

// A box has closed: picking the month or year it showed changes nothing; another date is the
// window's to make, as a change of the document that can be undone.
void CatalogPane::OnFilterChange(QComboBox* box) {
  const std::string text = ToGameText(box->currentText());
  const std::optional<CatalogDate> date =
      box == monthBox_ ? catalog_->OnMonthFilterChange(text) : catalog_->OnYearFilterChange(text);
  if (date) Q_EMIT DateChosen(*date);
}

// The template selected stays selected when the new date still lists it.
void CatalogPane::SetDate(CatalogDate date) {
  monthBox_->setCurrentIndex(date.month >= 1 && date.month <= 12 ? date.month - 1 : -1);
  yearBox_->setCurrentIndex(
      date.year >= kFirstYear && date.year <= kLastYear ? date.year - kFirstYear : -1);
  const auto [group, unit] = SelectedTemplate();
  {
    WaitCursor wait;
    catalog_->SetFilterDate(date);
  }
  AfterCatalogWork();
  for (int index = 0; unit && index < catalog_->ChildCount(group); ++index)
    if (catalog_->Template(catalog_->Child(group, index)) == unit)
      return tree_->setCurrentIndex(model_->IndexOf(catalog_->Child(group, index)));
}

// The template row the selection is in, with its echelon group: a row below a template stands
// for it.
std::pair<CatalogRow, const UnitTemplate*> CatalogPane::SelectedTemplate() const {
  CatalogRow row = model_->RowOf(tree_->currentIndex());
  while (row != kNoRow && catalog_->Entry(catalog_->Parent(row)).kind != CatalogKind::kEchelonGroup)
    row = catalog_->Parent(row);
  if (row == kNoRow) return {kNoRow, nullptr};
  return {catalog_->Parent(row), catalog_->Template(row)};
}

void CatalogPane::AfterCatalogWork() {
  // A new date lists other templates: the find bar's matches follow.
  if (find_->Bar() && matchesDate_ != catalog_->FilterDate()) find_->Refresh();
  if (const int skipped = boxes_.TakeSkipped())
    Q_EMIT Said(skipped == 1 ? tr("1 catalog message skipped")
                             : tr("%1 catalog messages skipped").arg(skipped));
}

FindBar* CatalogPane::Finder() const {
  return find_->Bar();
}

void CatalogPane::Place(const QRect& rect) {
  find_->Place(rect);
}

void CatalogPane::OpenFindBar() {
  find_->Open();
}

void CatalogPane::CloseFindBar() {
  find_->Close();
}

void CatalogPane::FindNext() {
  find_->Next();
}

void CatalogPane::FindPrevious() {
  find_->Previous();
}

int CatalogPane::FindTemplates(const QString& text) {
  matches_ = catalog_->FindTemplates(ToGameText(text));
  matchesDate_ = catalog_->FilterDate();
  return static_cast<int>(matches_.size());
}

// Going to a match fills its nation, which may speak.
QModelIndex CatalogPane::MatchRow(int match) {
  const CatalogRow row = catalog_->MatchRow(matches_[static_cast<std::size_t>(match)]);
  AfterCatalogWork();
  return row == kNoRow ? QModelIndex() : model_->IndexOf(row);
}

}  // namespace valdren
