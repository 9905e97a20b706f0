// The end-to-end tests start their own X server; this process joins it too, so that
// it can render reference texts exactly as the program does.
#include <gtest/gtest.h>

#include <QApplication>

#include "EndToEnd.h"
#include "XDisplay.h"

namespace e2e {
namespace {
XDisplay* server = nullptr;
}

QString DisplayName() { return server ? server->Name() : QString(); }
QString DisplayFailure() { return server ? server->Failure() : QString("not started"); }

}  // namespace e2e

int main(int argc, char** argv) {
  e2e::XDisplay display;
  if (display.Start()) {
    e2e::server = &display;
    qputenv("DISPLAY", display.Name().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "xcb");
  } else {
    e2e::server = &display;
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
