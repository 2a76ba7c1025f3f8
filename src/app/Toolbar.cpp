#include "app/Toolbar.h"

#include <QAction>
#include <QToolButton>
#include <algorithm>

namespace valdren {

namespace {

constexpr int kSeparatorWidth = 8;
constexpr QMargins kBorder{4, 2, 4, 2};

}  // namespace

Toolbar::Toolbar(QWidget* parent) : QWidget(parent) {
  setContextMenuPolicy(Qt::NoContextMenu);
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Button);
}

void Toolbar::AddButton(QAction* action) {
  auto* button = new QToolButton(this);
  button->setDefaultAction(action);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setIconSize(kImageSize);
  button->setFixedSize(kButtonSize);
  AddSlot(button, kButtonSize.width(), false);
}

void Toolbar::AddSeparator() {
  AddSlot(nullptr, kSeparatorWidth, true);
}

void Toolbar::AddWidget(QWidget* widget, int width) {
  widget->setParent(this);
  widget->setFixedWidth(width);
  AddSlot(widget, width, true);
}

void Toolbar::AddSlot(QWidget* widget, int width, bool separator) {
  const int left = slots_.empty() ? kBorder.left() : slots_.back().right;
  slots_.push_back({.left = left, .right = left + width, .separator = separator});
  widgets_.push_back(widget);
  Relayout();
}

int Toolbar::HeightOf(std::size_t slot) const {
  if (!widgets_[slot]) return 0;
  return slots_[slot].separator ? widgets_[slot]->sizeHint().height() : kButtonSize.height();
}

QRect Toolbar::SlotRect(int slot) const {
  return rects_[slot];
}

void Toolbar::WrapToolbar(int cx) {
  // The slots' places in one row decide, so the rows depend on the width alone.
  valdren::WrapToolbar(slots_, cx);
  Relayout();
}

void Toolbar::Relayout() {
  rects_.assign(slots_.size(), QRect());
  int x = kBorder.left();
  int top = kBorder.top();
  std::size_t rowStart = 0;
  for (std::size_t i = 0; i < slots_.size(); ++i) {
    const int width = slots_[i].right - slots_[i].left;
    rects_[i] = QRect(x, top, width, kButtonSize.height());
    x += width;
    const bool rowEnds = slots_[i].wrapped || i + 1 == slots_.size();
    if (!rowEnds) continue;
    // A row of separators alone (the rest of a row that ended at a filter box) takes no room.
    int rowHeight = 0;
    for (std::size_t j = rowStart; j <= i; ++j)
      rowHeight = std::max(rowHeight, HeightOf(j));
    for (std::size_t j = rowStart; j <= i; ++j) {
      rects_[j].setHeight(rowHeight);
      if (!widgets_[j]) continue;
      const int height = HeightOf(j);
      const QRect place(rects_[j].left(), top + (rowHeight - height) / 2, rects_[j].width(),
                        height);
      widgets_[j]->setGeometry(place);
    }
    top += rowHeight;
    x = kBorder.left();
    rowStart = i + 1;
  }
  setFixedHeight(top + kBorder.bottom());
}

}  // namespace valdren
