#include "dialogs/DialogLayout.h"

#include <QAbstractButton>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <algorithm>
#include <vector>

namespace valdren {

QRect ToPixels(const QFontMetrics& metrics, const DialogRect& rect) {
  const int across = metrics.averageCharWidth();
  const int down = metrics.height();
  return {rect.x * across / 4, rect.y * down / 8, rect.width * across / 4, rect.height * down / 8};
}

namespace {

// Where the layout put each control and how large it made the dialog, before any text grew them.
constexpr char kPlace[] = "placeInDialogUnits";
// The room left between a control that grew and the one it pushed along.
constexpr int kGap = 4;

bool SameRow(const QRect& a, const QRect& b) {
  return a.top() <= b.bottom() && b.top() <= a.bottom();
}

}  // namespace

void SetDialogSize(QDialog& dialog, int width, int height) {
  const QSize size = ToPixels(QFontMetrics(dialog.font()), {0, 0, width, height}).size();
  dialog.setProperty(kPlace, QRect(QPoint(), size));
  dialog.setFixedSize(size);
}

void PlaceControl(QDialog& dialog, QWidget& control, const DialogRect& rect) {
  const QRect place = ToPixels(QFontMetrics(dialog.font()), rect);
  control.setProperty(kPlace, place);
  control.setGeometry(place);
}

void FitToText(QDialog& dialog) {
  std::vector<std::pair<QWidget*, QRect>> placed;
  for (QWidget* control : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    QRect rect = control->property(kPlace).toRect();
    if (rect.isNull()) continue;
    if (qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control))
      rect.setSize(rect.size().expandedTo(control->sizeHint()));
    placed.emplace_back(control, rect);
  }
  std::ranges::sort(placed, {}, [](const auto& control) { return control.second.left(); });
  QRect used = dialog.property(kPlace).toRect();
  int margin = used.width();
  for (auto control = placed.begin(); control != placed.end(); ++control) {
    for (auto left = placed.begin(); left != control; ++left)
      if (SameRow(left->second, control->second) && left->second.right() >= control->second.left())
        control->second.moveLeft(left->second.right() + kGap);
    control->first->setGeometry(control->second);
    margin = std::min(margin, control->second.left());
    used |= control->second;
  }
  // Room for the caption beside the window's icon and buttons, which are about a line high each.
  const QFontMetrics metrics(dialog.font());
  const int caption = metrics.horizontalAdvance(dialog.windowTitle()) + 6 * metrics.height();
  dialog.setFixedSize(
      used.size().expandedTo({std::max(used.right() + margin, caption), used.bottom() + margin}));
}

QPushButton* AddButton(QDialog& dialog, int id, const QString& text, const DialogRect& rect,
                       bool isDefault) {
  auto* button = new QPushButton(text, &dialog);
  button->setObjectName(QString::number(id));
  button->setDefault(isDefault);
  PlaceControl(dialog, *button, rect);
  return button;
}

QLabel* AddStatic(QDialog& dialog, int id, const QString& text, const DialogRect& rect) {
  auto* label = new QLabel(text, &dialog);
  if (id != 0) label->setObjectName(QString::number(id));
  PlaceControl(dialog, *label, rect);
  return label;
}

void AddHelpKey(QDialog& dialog, ShowHelp showHelp) {
  auto* key = new QShortcut(Qt::Key_F1, &dialog);
  QObject::connect(key, &QShortcut::activated, &dialog, [&dialog, showHelp = std::move(showHelp)] {
    if (showHelp) showHelp(dialog.windowTitle());
  });
}

}  // namespace valdren
