#include "dialogs/DialogLayout.h"

#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace valdren {

QRect ToPixels(const QFontMetrics& metrics, const DialogRect& rect) {
  const int across = metrics.averageCharWidth();
  const int down = metrics.height();
  return {rect.x * across / 4, rect.y * down / 8, rect.width * across / 4, rect.height * down / 8};
}

void SetDialogSize(QDialog& dialog, int width, int height) {
  dialog.setFixedSize(ToPixels(QFontMetrics(dialog.font()), {0, 0, width, height}).size());
}

void PlaceControl(QDialog& dialog, QWidget& control, const DialogRect& rect) {
  control.setGeometry(ToPixels(QFontMetrics(dialog.font()), rect));
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
  QObject::connect(key, &QShortcut::activated, &dialog,
                   [&dialog, showHelp = std::move(showHelp)] {
                     if (showHelp) showHelp(dialog.windowTitle());
                   });
}

}  // namespace valdren
