#include "app/TreeSplitter.h"

#include <QMouseEvent>
#include <algorithm>
#include <cmath>

#include "app/CatalogPane.h"
#include "app/CreatedTree.h"

namespace valdren {

namespace {

constexpr int kHandleWidth = 6;
// Neither tree is dragged out of sight.
constexpr int kLeast = 40;

}  // namespace

TreeSplitter::TreeSplitter(CatalogPane& left, CreatedTree& right, QWidget* parent)
    : QWidget(parent), left_(left), right_(right) {
  setObjectName(QStringLiteral("TreeSplitter"));
  setCursor(Qt::SplitHCursor);
}

void TreeSplitter::Place(const QRect& area) {
  area_ = area;
  const int half = area.width() / 2;
  const int split = share_ ? static_cast<int>(std::lround(*share_ * area.width())) : half;
  const int right = share_ ? area.width() - split : half;
  left_.Place({area.left(), area.top(), split, area.height()});
  right_.Place({area.left() + split, area.top(), right, area.height()});
  setGeometry(area.left() + split - kHandleWidth / 2, area.top(), kHandleWidth, area.height());
  raise();
}

// The line moves with the pointer from where it was taken, without a jump.
void TreeSplitter::mousePressEvent(QMouseEvent* event) {
  grab_ = kHandleWidth / 2 - event->position().toPoint().x();
  event->accept();
}

void TreeSplitter::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton) || area_.width() < 2 * kLeast) return;
  const int x = mapToParent(event->position().toPoint()).x() + grab_ - area_.left();
  share_ = static_cast<double>(std::clamp(x, kLeast, area_.width() - kLeast)) / area_.width();
  Place(area_);
}

}  // namespace valdren
