#include "XDisplay.h"

#include <QFile>
#include <QStandardPaths>
#include <QThread>

namespace e2e {

QByteArray RunCommand(const QString& program, const QStringList& arguments, bool* ok, int timeoutMs) {
  QProcess process;
  process.start(program, arguments);
  const bool finished = process.waitForStarted(timeoutMs) && process.waitForFinished(timeoutMs);
  if (!finished) process.kill();
  if (ok) *ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
  return process.readAllStandardOutput();
}

XDisplay::~XDisplay() {
  if (server_.state() != QProcess::NotRunning) {
    server_.terminate();
    if (!server_.waitForFinished(3000)) server_.kill();
  }
}

bool XDisplay::Start() {
  if (QStandardPaths::findExecutable("Xvfb").isEmpty()) {
    failure_ = "Xvfb is not installed";
    return false;
  }
  for (int number = 90; number < 140; ++number) {
    if (QFile::exists(QString("/tmp/.X%1-lock").arg(number))) continue;
    const QString name = QString(":%1").arg(number);
    server_.start("Xvfb", {name, "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    if (!server_.waitForStarted(5000)) continue;
    for (int attempt = 0; attempt < 100; ++attempt) {
      bool answered = false;
      RunCommand("xdpyinfo", {"-display", name}, &answered, 2000);
      if (answered) {
        name_ = name;
        return true;
      }
      if (server_.state() == QProcess::NotRunning) break;
      QThread::msleep(50);
    }
    server_.kill();
    server_.waitForFinished(2000);
  }
  failure_ = "no X server could be started with Xvfb";
  return false;
}

}  // namespace e2e
