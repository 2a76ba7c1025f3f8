#include "app/CatalogPane.h"

#include <QComboBox>
#include <QEvent>
#include <algorithm>

#include "app/Commands.h"
#include "app/FindBar.h"
#include "app/Toolbar.h"
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
  if (!finding_) std::erase(findOpened_, QPersistentModelIndex(index));
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
  if (findBar_ && findBar_->Date() != catalog_->FilterDate()) findBar_->Search(*catalog_);
  if (const int skipped = boxes_.TakeSkipped())
    Q_EMIT Said(skipped == 1 ? tr("1 catalog message skipped")
                             : tr("%1 catalog messages skipped").arg(skipped));
}

void CatalogPane::Place(const QRect& rect) {
  place_ = rect;
  const int bar = findBar_ ? findBar_->sizeHint().height() : 0;
  tree_->setGeometry(rect.adjusted(0, 0, 0, -bar));
  if (findBar_) findBar_->setGeometry(rect.left(), rect.bottom() + 1 - bar, rect.width(), bar);
}

void CatalogPane::OpenFindBar() {
  if (!findBar_) {
    beforeFind_ = tree_->currentIndex();
    // A closed bar lives on until the event loop deletes it: what it still sends is its own.
    auto* bar = findBar_ = new FindBar(tree_->parentWidget());
    connect(bar, &FindBar::TextChanged, this, [this, bar] {
      bar->Search(*catalog_);
      bar->Next();
    });
    connect(bar, &FindBar::Go, this, &CatalogPane::GoToMatch);
    connect(bar, &FindBar::Closed, this, &CatalogPane::CloseFindBar);
    bar->show();
    Place(place_);
  }
  findBar_->Focus();
}

// The match the bar went to stays selected where the user can see it; one it folded away gives
// the selection back to what it was before.
void CatalogPane::CloseFindBar() {
  if (!findBar_) return;
  FoldWhatTheFindOpened({});
  for (QModelIndex shown = tree_->currentIndex().parent(); shown.isValid(); shown = shown.parent())
    if (!tree_->isExpanded(shown)) {
      tree_->setCurrentIndex(beforeFind_);
      break;
    }
  findBar_->hide();
  findBar_->deleteLater();
  findBar_ = nullptr;
  Place(place_);
  tree_->setFocus();
}

void CatalogPane::FindNext() {
  if (findBar_) findBar_->Next();
}

void CatalogPane::FindPrevious() {
  if (findBar_) findBar_->Previous();
}

// The match's nation and echelon group are expanded (the nation's messages show as on any
// expansion) and its row selected. What the bar expanded for an earlier match, off this one's
// path, folds back.
void CatalogPane::GoToMatch(const CatalogMatch& match) {
  const CatalogRow row = catalog_->MatchRow(match);
  AfterCatalogWork();
  if (row == kNoRow) return;
  const QModelIndex path[] = {
      model_->IndexOf(catalog_->NationRow(match.nation)),
      model_->IndexOf(catalog_->EchelonGroupRow(match.nation, match.echelon))};
  FoldWhatTheFindOpened(path);
  for (const QModelIndex& index : path) {
    if (tree_->isExpanded(index)) continue;
    finding_ = true;
    tree_->expand(index);
    finding_ = false;
    findOpened_.push_back(index);
  }
  const QModelIndex index = model_->IndexOf(row);
  tree_->setCurrentIndex(index);
  tree_->scrollTo(index);
}

// The rows the bar expanded, but those the path keeps open and those the user has since taken
// over, innermost first.
void CatalogPane::FoldWhatTheFindOpened(std::span<const QModelIndex> keep) {
  std::vector<QPersistentModelIndex> kept;
  for (auto opened = findOpened_.rbegin(); opened != findOpened_.rend(); ++opened) {
    if (std::find(keep.begin(), keep.end(), *opened) != keep.end())
      kept.insert(kept.begin(), *opened);
    else if (opened->isValid())
      tree_->collapse(*opened);
  }
  findOpened_ = std::move(kept);
}

}  // namespace valdren
