#pragma once

#include <QRect>
#include <QWidget>
#include <optional>

namespace valdren {

class CatalogPane;
class CreatedTree;

// The line between the two trees, which the user drags to give one of them more room. Until it
// is dragged the trees share the width half and half, as the window has always laid them out
// (with an odd width the rightmost column stays uncovered); once dragged, each tree keeps its
// share as the window is resized. The handle is a thin strip over the border, not a gap between
// the trees.
class TreeSplitter : public QWidget {
  Q_OBJECT

 public:
  TreeSplitter(CatalogPane& left, CreatedTree& right, QWidget* parent);

  // Lays the two trees and the handle out over the area.
  void Place(const QRect& area);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  CatalogPane& left_;
  CreatedTree& right_;
  QRect area_;
  std::optional<double> share_;  // the left tree's, once the user has dragged the line
  int grab_ = 0;                 // from where the pointer took the handle to the line
};

}  // namespace valdren
