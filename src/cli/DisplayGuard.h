#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

namespace cli {

// Held while the window's application connects to the display. Qt ends a program
// that finds no display with an abort and a paragraph of advice; under the guard it
// says so in one line instead, suggests the command line, and exits with the
// status NoDisplay. Qt's other notes of that moment are passed on when it ends.
class DisplayGuard {
 public:
  DisplayGuard();
  ~DisplayGuard();
  DisplayGuard(const DisplayGuard&) = delete;
  DisplayGuard& operator=(const DisplayGuard&) = delete;

 private:
  QtMessageHandler previous_;
};

}  // namespace cli
