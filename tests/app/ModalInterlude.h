#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QWidget>

namespace valdren::test {

// Every view on the screen paints its visible rows now, through its delegate, as a window does
// when a box opens or closes over it.
inline void PaintVisibleViews() {
  for (QWidget* widget : QApplication::allWidgets())
    if (auto* view = qobject_cast<QAbstractItemView*>(widget); view && view->isVisible())
      view->viewport()->repaint();
}

// What the event loop of a modal box runs before the box is answered: a modal window takes the
// focus from the main window (an open label editor commits), the events waiting are delivered,
// and every view paints.
inline void RunModalInterlude() {
  QWidget box;
  box.setWindowModality(Qt::ApplicationModal);
  box.show();
  QApplication::processEvents();
  PaintVisibleViews();
  box.hide();
  QApplication::processEvents();
}

}  // namespace valdren::test
