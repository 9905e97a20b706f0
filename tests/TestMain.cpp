// Test main: brings up Qt without a display (fonts and images need a GUI
// application object), then runs GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>

#include "gui/MessageBox.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // No test may wait for someone to press OK: a box that no test expects fails the test instead.
  gui::ReplaceMessageBoxPresenter([](QWidget*, const std::string& text, window::MessageIcon) {
    ADD_FAILURE() << "unexpected message box: " << text;
  });
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
