// Test main for the programs that draw into Qt's images but open no window: fonts and
// images need a GUI application object, widgets do not. Without the window's layer,
// the ThreadSanitizer build compiles only what these tests run.
#include <gtest/gtest.h>

#include <QGuiApplication>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
