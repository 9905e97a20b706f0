#include <QApplication>

#include "platform/QtForm.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  platform::QtForm window;
  window.show();
  return application.exec();
}
