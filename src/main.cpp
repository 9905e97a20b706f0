#include <QApplication>

#include "gui/MainWindow.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("surfplot");
  // A style that honours the layout's colours on every desktop.
  QApplication::setStyle("Fusion");
  gui::MainWindow window;
  window.show();
  return application.exec();
}
