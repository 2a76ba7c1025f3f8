#pragma once

#include <QTreeView>

class QMenu;

namespace valdren {

// One of the window's two trees. Its popup menu (right button or the menu key) acts on the
// selected row, so the right button never moves the selection, as in the trees users know from
// their file managers' folder panes.
class TreeView : public QTreeView {
  Q_OBJECT

 public:
  TreeView(int id, QWidget* parent);

  void SetPopupMenu(QMenu* menu) { popup_ = menu; }
  // A name being typed is taken as the user left it, before a command acts on the tree.
  void CommitEdit();

 protected:
  // A name cut short with "..." shows whole as the row's tooltip, above the model's tooltip for
  // the row when it has one.
  bool viewportEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  QMenu* popup_ = nullptr;
};

}  // namespace valdren
