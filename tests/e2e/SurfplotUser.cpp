#include "SurfplotUser.h"

#include <QElapsedTimer>
#include <QProcessEnvironment>
#include <QThread>

#include "XDisplay.h"

namespace e2e {
namespace {

constexpr auto WindowCaption = "^Plotting f\\(x\\) Functions$";
constexpr auto MessageBoxTitle = "^surfplot$";

}  // namespace

SurfplotUser::SurfplotUser(QString display) : display_(std::move(display)) {}

SurfplotUser::~SurfplotUser() {
  if (process_.state() != QProcess::NotRunning) {
    process_.kill();
    process_.waitForFinished(3000);
  }
}

QByteArray SurfplotUser::Xdotool(const QStringList& arguments, bool* ok) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("DISPLAY", display_);
  process.setProcessEnvironment(environment);
  process.start("xdotool", arguments);
  const bool finished = process.waitForFinished(15000);
  if (ok) *ok = finished && process.exitCode() == 0;
  return process.readAllStandardOutput();
}

bool SurfplotUser::Launch(const QString& program) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("DISPLAY", display_);
  environment.insert("QT_QPA_PLATFORM", "xcb");
  environment.insert("LC_ALL", "C.UTF-8");
  process_.setProcessEnvironment(environment);
  process_.setProcessChannelMode(QProcess::ForwardedChannels);
  process_.start(program, {});
  if (!process_.waitForStarted(10000)) return false;

  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < 20000) {
    bool found = false;
    const QByteArray ids = Xdotool({"search", "--onlyvisible", "--name", WindowCaption}, &found);
    if (found && !ids.trimmed().isEmpty()) {
      window_ = QString::fromLatin1(ids.trimmed().split('\n').first());
      break;
    }
    QThread::msleep(100);
  }
  if (window_.isEmpty()) return false;

  // Without a window manager the window has no frame: its position is the client area's.
  const QByteArray geometry = Xdotool({"getwindowgeometry", "--shell", window_});
  for (const QByteArray& line : geometry.split('\n')) {
    if (line.startsWith("X=")) origin_.setX(line.mid(2).toInt());
    if (line.startsWith("Y=")) origin_.setY(line.mid(2).toInt());
  }
  Settle();
  return true;
}

void SurfplotUser::Settle() {
  // A round trip through the X server, then a short pause for the program's redraw.
  Xdotool({"getmouselocation"});
  QThread::msleep(300);
}

void SurfplotUser::Click(QPoint at, int button) {
  const QPoint screen = Screen(at);
  Xdotool({"mousemove", QString::number(screen.x()), QString::number(screen.y())});
  Xdotool({"click", QString::number(button)});
  Settle();
}

void SurfplotUser::Drag(QPoint from, QPoint to, int steps) {
  const QPoint start = Screen(from);
  Xdotool({"mousemove", QString::number(start.x()), QString::number(start.y())});
  Xdotool({"mousedown", "1"});
  for (int i = 1; i <= steps; ++i) {
    const QPoint p = start + (Screen(to) - start) * i / steps;
    Xdotool({"mousemove", QString::number(p.x()), QString::number(p.y())});
  }
  Xdotool({"mouseup", "1"});
  Settle();
}

void SurfplotUser::Key(const QString& keys) {
  Xdotool({"key", "--clearmodifiers", keys});
  Settle();
}

void SurfplotUser::TypeInto(QPoint box, const QString& text) {
  Click(box);
  Xdotool({"key", "--clearmodifiers", "ctrl+a", "BackSpace"});
  if (!text.isEmpty()) Xdotool({"type", "--delay", "10", text});
  Settle();
}

QString SurfplotUser::CopyText(QPoint box) {
  // An empty box copies nothing, so the clipboard starts with a text no box holds.
  const QByteArray sentinel = "\x01nothing copied\x01";
  QProcess xclip;
  xclip.start("xclip", {"-display", display_, "-i", "-selection", "clipboard"});
  xclip.write(sentinel);
  xclip.closeWriteChannel();
  xclip.waitForFinished(5000);

  Click(box);
  Xdotool({"key", "--clearmodifiers", "ctrl+a", "ctrl+c"});
  Settle();
  const QByteArray text = RunCommand("xclip", {"-display", display_, "-o", "-selection", "clipboard"});
  return text == sentinel ? QString() : QString::fromUtf8(text);
}

QImage SurfplotUser::Screenshot() {
  const QByteArray png = RunCommand("import", {"-display", display_, "-window", "root", "png:-"});
  const QImage screen = QImage::fromData(png, "PNG");
  return screen.copy(QRect(origin_, QSize(629, 366))).convertToFormat(QImage::Format_RGB32);
}

bool SurfplotUser::MessageBoxShowing() {
  bool found = false;
  const QByteArray ids = Xdotool({"search", "--onlyvisible", "--name", MessageBoxTitle}, &found);
  return found && !ids.trimmed().isEmpty();
}

std::optional<QString> SurfplotUser::TakeMessageBox(int timeoutMs) {
  QElapsedTimer timer;
  timer.start();
  QString box;
  while (timer.elapsed() < timeoutMs && box.isEmpty()) {
    bool found = false;
    const QByteArray ids = Xdotool({"search", "--onlyvisible", "--name", MessageBoxTitle}, &found);
    if (found && !ids.trimmed().isEmpty()) box = QString::fromLatin1(ids.trimmed().split('\n').first());
    else QThread::msleep(100);
  }
  if (box.isEmpty()) return std::nullopt;
  Settle();
  Xdotool({"windowfocus", "--sync", box});
  Xdotool({"key", "--clearmodifiers", "ctrl+c"});
  Settle();
  const QString copied =
      QString::fromUtf8(RunCommand("xclip", {"-display", display_, "-o", "-selection", "clipboard"}));
  Xdotool({"key", "--clearmodifiers", "Return"});
  Settle();
  return copied;
}

bool SurfplotUser::WaitForExit(int timeoutMs) {
  return process_.state() == QProcess::NotRunning || process_.waitForFinished(timeoutMs);
}

}  // namespace e2e
