#include "app/TreeFind.h"

#include <QTreeView>
#include <algorithm>

#include "app/FindBar.h"

namespace valdren {

TreeFind::TreeFind(QTreeView& tree, QString where, QString placeholder, Search search, MatchRow row,
                   QObject* parent)
    : QObject(parent),
      tree_(tree),
      where_(std::move(where)),
      placeholder_(std::move(placeholder)),
      search_(std::move(search)),
      row_(std::move(row)) {
  // A row the user expands or collapses is the user's: the bar leaves it as it is.
  for (const auto signal : {&QTreeView::expanded, &QTreeView::collapsed})
    connect(&tree_, signal, this, [this](const QModelIndex& index) {
      if (!finding_) std::erase(opened_, QPersistentModelIndex(index));
    });
}

void TreeFind::Place(const QRect& rect) {
  place_ = rect;
  const int bar = bar_ ? bar_->sizeHint().height() : 0;
  tree_.setGeometry(rect.adjusted(0, 0, 0, -bar));
  if (bar_) bar_->setGeometry(rect.left(), rect.bottom() + 1 - bar, rect.width(), bar);
}

void TreeFind::Open() {
  if (!bar_) {
    before_ = tree_.currentIndex();
    // A closed bar lives on until the event loop deletes it: what it still sends is its own.
    auto* bar = bar_ = new FindBar(where_, placeholder_, tree_.parentWidget());
    connect(bar, &FindBar::TextChanged, this, [this, bar] {
      bar->SetCount(search_(bar->Text()));
      if (bar->Text().isEmpty()) Fold({});
      bar->Next();
    });
    connect(bar, &FindBar::Go, this, &TreeFind::GoTo);
    connect(bar, &FindBar::Closed, this, &TreeFind::Close);
    bar->show();
    Place(place_);
  }
  bar_->Focus();
}

void TreeFind::Close() {
  if (!bar_) return;
  // A row the user chose after the bar's last match is the user's: the path to it stays open.
  std::vector<QModelIndex> chosen;
  if (tree_.currentIndex() != shown_)
    for (QModelIndex above = tree_.currentIndex().parent(); above.isValid(); above = above.parent())
      chosen.push_back(above);
  Fold(chosen);
  opened_.clear();
  for (QModelIndex shown = tree_.currentIndex().parent(); shown.isValid(); shown = shown.parent())
    if (!tree_.isExpanded(shown)) {
      tree_.setCurrentIndex(before_);
      break;
    }
  bar_->hide();
  bar_->deleteLater();
  bar_ = nullptr;
  Place(place_);
  tree_.setFocus();
}

void TreeFind::Next() {
  if (bar_) bar_->Next();
}

void TreeFind::Previous() {
  if (bar_) bar_->Previous();
}

void TreeFind::Refresh() {
  if (bar_) bar_->SetCount(search_(bar_->Text()));
}

// The match's row is selected, with every row above it open.
void TreeFind::GoTo(int match) {
  const QModelIndex index = row_(match);
  if (!index.isValid()) return;
  std::vector<QModelIndex> path;
  for (QModelIndex above = index.parent(); above.isValid(); above = above.parent())
    path.insert(path.begin(), above);
  Fold(path);
  for (const QModelIndex& above : path) {
    if (tree_.isExpanded(above)) continue;
    finding_ = true;
    tree_.expand(above);
    finding_ = false;
    opened_.push_back(above);
  }
  tree_.setCurrentIndex(index);
  tree_.scrollTo(index);
  shown_ = index;
}

// The rows the bar expanded, but those the path keeps open, innermost first.
void TreeFind::Fold(std::span<const QModelIndex> keep) {
  std::vector<QPersistentModelIndex> kept;
  for (auto opened = opened_.rbegin(); opened != opened_.rend(); ++opened) {
    if (std::find(keep.begin(), keep.end(), *opened) != keep.end())
      kept.insert(kept.begin(), *opened);
    else if (opened->isValid())
      tree_.collapse(*opened);
  }
  opened_ = std::move(kept);
}

}  // namespace valdren
