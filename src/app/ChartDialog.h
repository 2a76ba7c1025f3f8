#pragma once

#include <QDialog>
#include <string>

#include "chart/Chart.h"
#include "org/OrgRoot.h"

class QCheckBox;
class QLabel;
class QSpinBox;

namespace valdren {

class ChartPreview;
class OobDatabase;
class Prompter;

// Export Chart: the selected formation, or the whole organization, as a chart (chart/Chart.h)
// in a small window of its own. The user sets the depth, sees the chart in a preview that zooms
// (Ctrl and the wheel, or the buttons), and saves it by Save..., as SVG, PNG or PDF after the
// name's extension (ChartExport.h). A PNG is drawn at the chosen scale on white or on nothing,
// and the window says its size in pixels before it is written; one beyond the limits is not
// written. The window charts a copy of what was selected when it opened, as the strength window
// shows what was selected then: edits made meanwhile change nothing here, and an item deleted
// takes nothing from under it. The file question goes through the prompter.
class ChartDialog : public QDialog {
  Q_OBJECT

 public:
  ChartDialog(const OrgItem* selected, const OrgRoot& organization, const OobDatabase& database,
              Prompter& prompter, QWidget* owner);
  ~ChartDialog() override;

  QSpinBox* Depth() const { return depth_; }
  QSpinBox* Scale() const { return scale_; }
  QCheckBox* Transparent() const { return transparent_; }
  // "PNG: 1,234 × 567 pixels", or why such a PNG cannot be made.
  QString PixelSize() const;
  ChartPreview& Preview() const { return *preview_; }
  const std::string& Svg() const { return svg_; }

  // Asks for the file and writes the chart there.
  void Save();

 private:
  void Redraw();
  void ShowPixelSize();

  OrgRoot copy_;
  bool whole_;
  QString name_;
  const OobDatabase& database_;
  Prompter& prompter_;
  std::string svg_;
  Chart chart_;
  QSpinBox* depth_;
  QSpinBox* scale_;
  QCheckBox* transparent_;
  QLabel* pixels_;
  QLabel* said_;
  ChartPreview* preview_;
};

}  // namespace valdren
