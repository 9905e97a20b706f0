#include "HostileInput.h"

#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

namespace e2e {

HostileInput::HostileInput(QString display) : display_(std::move(display)) {
  const QByteArray ids = Xdotool({"search", "--onlyvisible", "--name", "^Plotting f\\(x\\) Functions$"});
  if (ids.trimmed().isEmpty()) return;
  window_ = QString::fromLatin1(ids.trimmed().split('\n').first());
  processId_ = Xdotool({"getwindowpid", window_}).trimmed().toLongLong();
}

QByteArray HostileInput::Xdotool(const QStringList& arguments) const {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("DISPLAY", display_);
  process.setProcessEnvironment(environment);
  process.start("xdotool", arguments);
  process.waitForFinished(60000);
  return process.readAllStandardOutput();
}

QStringList HostileInput::MoveTo(QPoint client) const {
  return {"mousemove", "--window", window_, QString::number(client.x()), QString::number(client.y())};
}

void HostileInput::PasteInto(QPoint box, const QByteArray& text) {
  // xclip stays behind to serve the text until another program takes the clipboard.
  QProcess xclip;
  xclip.start("xclip", {"-display", display_, "-i", "-selection", "clipboard"});
  xclip.write(text);
  xclip.closeWriteChannel();
  xclip.waitForFinished(10000);
  Xdotool(MoveTo(box) + QStringList{"click", "1", "key", "--clearmodifiers", "ctrl+a", "ctrl+v"});
}

void HostileInput::DragBurst(QPoint from, const QVector<QPoint>& path) {
  QStringList burst = MoveTo(from) + QStringList{"mousedown", "1"};
  for (QPoint point : path) burst += MoveTo(point);
  burst += QStringList{"mouseup", "1"};
  Xdotool(burst);
}

std::size_t HostileInput::ProgramResidentBytes() const {
  QFile statm(QString("/proc/%1/statm").arg(processId_));
  if (processId_ <= 0 || !statm.open(QIODevice::ReadOnly)) return 0;
  const QList<QByteArray> pages = statm.readAll().split(' ');
  if (pages.size() < 2) return 0;
  return static_cast<std::size_t>(pages[1].toLongLong()) * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

}  // namespace e2e
