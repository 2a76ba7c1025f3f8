#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace valdren {

// A window of its own at the size it asks for, but never larger than most of the screen it opens
// on: at a large scale its buttons and close box stay within reach.
inline void ResizeWithinScreen(QWidget& window, QSize wanted) {
  const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  if (screen) wanted = wanted.boundedTo(screen->availableGeometry().size() * 9 / 10);
  window.resize(wanted);
}

}  // namespace valdren
