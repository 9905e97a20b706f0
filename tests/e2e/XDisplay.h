#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace e2e {

// A private X server (Xvfb) for the end-to-end tests, started on a free display.
class XDisplay {
 public:
  ~XDisplay();

  // Starts Xvfb and waits until it answers; false when no X server could be started.
  bool Start();
  QString Name() const { return name_; }
  QString Failure() const { return failure_; }

 private:
  QProcess server_;
  QString name_;
  QString failure_;
};

// Runs a command to its end (at most timeoutMs) and returns its standard output;
// ok tells whether it ran and exited with 0.
QByteArray RunCommand(const QString& program, const QStringList& arguments, bool* ok = nullptr,
                      int timeoutMs = 10000);

}  // namespace e2e
