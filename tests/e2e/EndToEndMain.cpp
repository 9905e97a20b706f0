// The end-to-end tests start their own X server; this process joins it too, so that
// it can render reference texts exactly as the program does.
#include <gtest/gtest.h>

#include <QApplication>
#include <QProcess>

int main(int argc, char** argv) {
  // Xvfb picks a free display and names it on standard output once it takes connections.
  QProcess xvfb;
  xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
  const QByteArray display = xvfb.waitForReadyRead(20000) ? xvfb.readLine().trimmed() : QByteArray();
  qputenv("QT_QPA_PLATFORM", display.isEmpty() ? "offscreen" : "xcb");
  if (!display.isEmpty()) qputenv("DISPLAY", ":" + display);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  const int failed = RUN_ALL_TESTS();
  xvfb.terminate();
  xvfb.waitForFinished(3000);
  return failed;
}
