#include <QApplication>

#include "platform/QtForm.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("surfplot");
  // A style that honours the layout's colours on every desktop.
  QApplication::setStyle("Fusion");
  platform::QtForm window;
  window.show();
  return application.exec();
}
