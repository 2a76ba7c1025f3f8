#include "app/ChartPreview.h"

#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace valdren {

ChartPreview::ChartPreview(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ChartPreview"));
}

void ChartPreview::Load(const QByteArray& svg) {
  renderer_.load(svg);
  SetZoom(zoom_);
}

void ChartPreview::SetZoom(double zoom) {
  zoom_ = std::clamp(zoom, 0.05, 8.0);
  resize(sizeHint());
  update();
}

void ChartPreview::Fit(QSize area) {
  const QSizeF chart = renderer_.defaultSize();
  if (chart.isEmpty()) return;
  SetZoom(std::min({1.0, area.width() / chart.width(), area.height() / chart.height()}));
}

QSize ChartPreview::sizeHint() const {
  return (QSizeF(renderer_.defaultSize()) * zoom_).toSize();
}

void ChartPreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer_.render(&painter, QRectF(QPointF(), QSizeF(renderer_.defaultSize()) * zoom_));
}

// The point under the pointer stays under it.
void ChartPreview::wheelEvent(QWheelEvent* event) {
  if (!(event->modifiers() & Qt::ControlModifier)) return QWidget::wheelEvent(event);
  const QPointF at = event->position();
  const double before = zoom_;
  SetZoom(zoom_ * std::pow(1.25, event->angleDelta().y() / 120.0));
  if (auto* area =
          qobject_cast<QScrollArea*>(parentWidget() ? parentWidget()->parentWidget() : nullptr)) {
    const QPointF moved = at * (zoom_ / before) - at;
    area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->value() + qRound(moved.x()));
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->value() + qRound(moved.y()));
  }
  event->accept();
}

}  // namespace valdren
