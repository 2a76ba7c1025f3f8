#include <gtest/gtest.h>

#include <QApplication>

namespace {

// The offscreen platform says at every window that it cannot raise or grab anything; that says
// nothing about the tests.
QtMessageHandler qtHandler = nullptr;

void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.startsWith(QStringLiteral("This plugin does not support"))) return;
  qtHandler(type, context, text);
}

}  // namespace

// The window's tests run on Qt's offscreen platform: no display, no window manager.
int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qtHandler = qInstallMessageHandler(QuietOffscreenNotes);
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
