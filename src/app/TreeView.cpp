#include "app/TreeView.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMenu>
#include <QStringList>
#include <QToolTip>

#include "app/Images.h"

namespace valdren {

TreeView::TreeView(int id, QWidget* parent) : QTreeView(parent) {
  setObjectName(QString::number(id));
  setHeaderHidden(true);
  setUniformRowHeights(true);  // a tree of a million rows lays out without asking each
  setIconSize(TreeImageList::kSize);
  setDragEnabled(false);
  setAcceptDrops(false);
  setEditTriggers(NoEditTriggers);
  setSelectionMode(SingleSelection);
  setContextMenuPolicy(Qt::DefaultContextMenu);
  setFrameShadow(QFrame::Sunken);
}

void TreeView::CommitEdit() {
  if (state() != EditingState) return;
  if (QWidget* editor = indexWidget(currentIndex())) {
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
  }
}

bool TreeView::viewportEvent(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QTreeView::viewportEvent(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QModelIndex index = indexAt(help->pos());
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  const QRect row = visualRect(index);
  const bool cut =
      index.isValid() && itemDelegateForIndex(index)->sizeHint(option, index).width() > row.width();
  // The model's own tooltip (why a created item is refused at the date) follows the whole name.
  QStringList lines;
  if (cut) lines << index.data().toString();
  if (const QString tip = index.data(Qt::ToolTipRole).toString(); !tip.isEmpty()) lines << tip;
  if (!lines.isEmpty())
    QToolTip::showText(help->globalPos(), lines.join(QLatin1Char('\n')), viewport(), row);
  else
    QToolTip::hideText();
  return true;
}

void TreeView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) return event->accept();
  QTreeView::mousePressEvent(event);
}

void TreeView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) return event->accept();
  QTreeView::mouseReleaseEvent(event);
}

void TreeView::contextMenuEvent(QContextMenuEvent* event) {
  if (!popup_) return;
  QPoint at = event->globalPos();
  // From the keyboard the menu opens at the selected row, where the user looks.
  if (event->reason() == QContextMenuEvent::Keyboard) {
    const QRect row = visualRect(currentIndex());
    at = viewport()->mapToGlobal(row.isValid() ? row.bottomLeft() : QPoint(0, 0));
  }
  popup_->exec(at);
}

}  // namespace valdren
