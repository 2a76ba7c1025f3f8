#include "app/DatesWindow.h"

#include <QAbstractTableModel>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "app/CreatedTree.h"
#include "app/OrgEditing.h"
#include "gui/GameText.h"
#include "gui/ScreenSize.h"
#include "org/DateCheck.h"

namespace valdren {

// The refused items as rows of path and reason. Only the pointers are kept: the texts are made
// as rows are painted, so a list of a million costs a walk and a vector.
class RefusedItemsModel : public QAbstractTableModel {
 public:
  enum Column { kItem, kWhy, kColumnCount };

  RefusedItemsModel(const CreatedItemModel& created, const OrgRoot& organization, QObject* parent)
      : QAbstractTableModel(parent), created_(created), organization_(organization) {}

  // Made anew at once after every change, before any view can paint an item that has gone.
  void Refresh() {
    beginResetModel();
    items_ = created_.Dates().Refused(organization_);
    endResetModel();
  }
  const OrgItem* ItemAt(int row) const { return items_[static_cast<std::size_t>(row)]; }
  MonthYear Date() const { return {organization_.month, organization_.year}; }

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(items_.size());
  }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : kColumnCount;
  }
  QVariant data(const QModelIndex& index, int role) const override {
    // A path too long for its column shows whole as its tooltip.
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
    const OrgItem& item = *ItemAt(index.row());
    return FromGameText(index.column() == kItem ? PathOf(item)
                                                : created_.Dates().Reason(item, Date()));
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return section == kItem ? tr("Item") : tr("Why");
  }

 private:
  const CreatedItemModel& created_;
  const OrgRoot& organization_;
  std::vector<const OrgItem*> items_;
};

DatesWindow& DatesWindow::Open(OrgEditing& editing, CreatedTree& tree, QWidget& owner) {
  auto* shown = owner.findChild<DatesWindow*>(QString(), Qt::FindDirectChildrenOnly);
  if (!shown) {
    shown = new DatesWindow(editing, &owner);
    // Over the catalog's half, so the item a row selects in the organization's tree shows.
    shown->move(owner.mapToGlobal(QPoint(std::max(0, owner.width() / 4 - shown->width() / 2),
                                         std::max(0, (owner.height() - shown->height()) / 2))));
    connect(shown, &DatesWindow::Chosen, &tree,
            [&editing, &tree](const OrgItem& item) { tree.Select(editing.Model().IndexOf(item)); });
  }
  shown->show();
  shown->raise();
  shown->activateWindow();
  return *shown;
}

DatesWindow::DatesWindow(OrgEditing& editing, QWidget* owner)
    : QDialog(owner),
      refused_(new RefusedItemsModel(editing.Model(), editing.Organization(), this)),
      summary_(new QLabel(this)),
      list_(new QTableView(this)) {
  setObjectName(QStringLiteral("DatesWindow"));
  setWindowTitle(tr("Check Dates"));
  setAttribute(Qt::WA_DeleteOnClose);
  ResizeWithinScreen(*this, {640, 420});

  // A table of rows of one height lays out a list of a million without measuring each row.
  list_->setModel(refused_);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setShowGrid(false);
  // A path cut short keeps its end, the item itself.
  list_->setTextElideMode(Qt::ElideLeft);
  list_->verticalHeader()->hide();
  list_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 6);
  list_->horizontalHeader()->setSectionResizeMode(RefusedItemsModel::kItem, QHeaderView::Stretch);
  list_->horizontalHeader()->setSectionResizeMode(RefusedItemsModel::kWhy,
                                                  QHeaderView::ResizeToContents);
  connect(list_, &QTableView::activated, this, &DatesWindow::Choose);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  // Enter chooses a row, which the list passes on: with a default button it would also close
  // the window the user is working through.
  buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addWidget(list_, 1);
  layout->addWidget(buttons);

  // Every change is told by Changed but a replaced organization (New, Open), which resets the
  // created tree's model.
  connect(&editing, &OrgEditing::Changed, this, &DatesWindow::Refresh);
  connect(&editing.Model(), &QAbstractItemModel::modelReset, this, &DatesWindow::Refresh);
  Refresh();
}

void DatesWindow::Refresh() {
  refused_->Refresh();
  const MonthYear date = refused_->Date();
  const QString when = QStringLiteral("%1/%2").arg(date.month).arg(date.year);
  const int count = refused_->rowCount();
  if (count == 0)
    summary_->setText(tr("Every item is available in %1.").arg(when));
  else if (count == 1)
    summary_->setText(tr("1 item is not available in %1:").arg(when));
  else
    summary_->setText(tr("%1 items are not available in %2:").arg(count).arg(when));
}

QString DatesWindow::Summary() const {
  return summary_->text();
}

void DatesWindow::Choose(const QModelIndex& index) {
  if (index.isValid()) Q_EMIT Chosen(*refused_->ItemAt(index.row()));
}

}  // namespace valdren
