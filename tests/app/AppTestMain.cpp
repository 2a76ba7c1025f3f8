#include <gtest/gtest.h>

#include <QApplication>

#include "UserHome.h"

namespace {

// The offscreen platform says at every window that it cannot raise or grab anything; that says
// nothing about the tests.
QtMessageHandler qtHandler = nullptr;

void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.startsWith(QStringLiteral("This plugin does not support"))) return;
  qtHandler(type, context, text);
}

}  // namespace

// The window's tests run on Qt's offscreen platform: no display, no window manager. What the
// editor keeps for a user (settings, recovery files) goes to a folder of the run's own.
int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  const valdren::test::GameFolder home;
  valdren::test::UseAsHome(home);
  qtHandler = qInstallMessageHandler(QuietOffscreenNotes);
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
