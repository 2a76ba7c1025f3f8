#pragma once

#include <QWidget>
#include <vector>

#include "app/ToolbarWrap.h"

class QAction;

namespace valdren {

// The toolbar under the menu bar: a row of slots (buttons of 24 x 23 with 17 x 17 pictures,
// separators, and separators widened to carry a filter box) that breaks into further rows at its
// separators when the window is too narrow for one. It never floats or docks, and it shows no
// context menu.
class Toolbar : public QWidget {
  Q_OBJECT

 public:
  static constexpr QSize kButtonSize{24, 23};
  static constexpr QSize kImageSize{17, 17};

  explicit Toolbar(QWidget* parent);

  void AddButton(QAction* action);
  void AddSeparator();
  // A separator widened to the width, carrying the widget.
  void AddWidget(QWidget* widget, int width);

  int SlotCount() const { return static_cast<int>(slots_.size()); }
  bool IsSeparator(int slot) const { return slots_[slot].separator; }
  bool IsWrapped(int slot) const { return slots_[slot].wrapped; }
  // Where the slot is now, in the toolbar's coordinates.
  QRect SlotRect(int slot) const;

  // Breaks the rows for a window cx pixels wide and lays the slots out; the toolbar takes the
  // height of its rows.
  void WrapToolbar(int cx);

 private:
  void AddSlot(QWidget* widget, int width, bool separator);
  void Relayout();
  // The height the slot's widget asks for; 0 for a plain separator.
  int HeightOf(std::size_t slot) const;

  std::vector<ToolbarSlot> slots_;  // their places in one row, and where the rows end
  std::vector<QWidget*> widgets_;   // null for a plain separator
  std::vector<QRect> rects_;        // their places now
};

}  // namespace valdren
