#pragma once

#include <QObject>
#include <QPersistentModelIndex>
#include <QRect>
#include <functional>
#include <span>
#include <vector>

class QTreeView;

namespace valdren {

class FindBar;

// Finding by name in a tree: the find bar under it while it is open, and the rows the bar opens to
// show its matches. Only the path to the current match is open: what the bar opened for an earlier
// match folds back as it moves on, and all it opened folds back when it closes, except the rows
// the user has since expanded or collapsed. What is searched is the owner's: it counts the
// matches of a text, and gives the row of each.
class TreeFind : public QObject {
  Q_OBJECT

 public:
  using Search = std::function<int(const QString& text)>;
  using MatchRow = std::function<QModelIndex(int match)>;

  TreeFind(QTreeView& tree, QString where, QString placeholder, Search search, MatchRow row,
           QObject* parent);

  FindBar* Bar() const { return bar_; }
  // The tree takes the rectangle, the bar its bottom while it is open.
  void Place(const QRect& rect);
  void Open();
  // What the bar opened folds back, but the path to a row the user has chosen since its last
  // match. The match stays selected where the user can see it; one folded away gives the
  // selection back to what it was before the bar opened.
  void Close();
  void Next();
  void Previous();
  // The matches searched anew, as what they are drawn from has changed; none is shown yet.
  void Refresh();

 private:
  void GoTo(int match);
  void Fold(std::span<const QModelIndex> keep);

  QTreeView& tree_;
  QString where_;
  QString placeholder_;
  Search search_;
  MatchRow row_;
  FindBar* bar_ = nullptr;  // only while it is open
  // The rows the bar expanded to show its matches, and whether it is expanding one now.
  std::vector<QPersistentModelIndex> opened_;
  QPersistentModelIndex before_;  // the selection when the bar opened
  QPersistentModelIndex shown_;   // the last match it selected
  bool finding_ = false;
  QRect place_;
};

}  // namespace valdren
