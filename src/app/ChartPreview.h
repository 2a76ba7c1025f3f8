#pragma once

#include <QSvgRenderer>
#include <QWidget>

namespace valdren {

// A chart drawn at a zoom, inside a scroll area: Ctrl and the wheel zoom about the pointer, as in
// image viewers. The renderer holds the chart's SVG; the widget is as large as the zoomed chart.
class ChartPreview : public QWidget {
  Q_OBJECT

 public:
  explicit ChartPreview(QWidget* parent = nullptr);

  QSvgRenderer& Renderer() { return renderer_; }
  void Load(const QByteArray& svg);
  double Zoom() const { return zoom_; }
  // Between 5% and 800%.
  void SetZoom(double zoom);
  // The zoom at which the whole chart fits the area, no larger than 100%.
  void Fit(QSize area);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  QSvgRenderer renderer_;
  double zoom_ = 1;
};

}  // namespace valdren
