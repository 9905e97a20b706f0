#include "SurfplotUser.h"

#include <unistd.h>

#include <QColorSpace>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include "window/Form1Layout.h"

namespace e2e {
namespace {

QByteArray Run(const QString& program, const QStringList& arguments, const QByteArray& input = {}) {
  QProcess process;
  process.start(program, arguments);
  process.write(input);
  process.closeWriteChannel();
  process.waitForFinished(60000);
  return process.readAllStandardOutput();
}

// Any visible window with that caption.
QString FindWindow(const char* captionPattern) {
  const QByteArray ids = Run("xdotool", {"search", "--onlyvisible", "--name", captionPattern}).trimmed();
  return QString::fromLatin1(ids.split('\n').first());
}

void PutOnClipboard(const QByteArray& text) {
  // xclip stays behind to serve the text until another program takes the clipboard.
  Run("xclip", {"-i", "-selection", "clipboard"}, text);
}

QString Clipboard() { return QString::fromUtf8(Run("xclip", {"-o", "-selection", "clipboard"})); }

}  // namespace

SurfplotUser::~SurfplotUser() {
  process_.kill();
  process_.waitForFinished(3000);
}

QPoint SurfplotUser::Centre(std::string_view control) {
  const window::TwipsRect& place = window::FindForm1Control(control)->twips;
  return {window::PixelsFromTwips(place.left + place.width / 2),
          window::PixelsFromTwips(place.top + place.height / 2)};
}

bool SurfplotUser::Launch() {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "xcb");
  environment.insert("LC_ALL", "C.UTF-8");
  process_.setProcessEnvironment(environment);
  process_.setProcessChannelMode(QProcess::ForwardedChannels);
  process_.start(SURFPLOT_PROGRAM, {});
  QElapsedTimer timer;
  timer.start();
  while (window_.isEmpty() && Running() && timer.elapsed() < 20000) {
    QThread::msleep(100);
    window_ = FindWindow("^Plotting f\\(x\\) Functions$");
  }
  Settle();
  return !window_.isEmpty();
}

QByteArray SurfplotUser::Xdotool(QStringList arguments) { return Run("xdotool", arguments); }

QStringList SurfplotUser::MoveTo(QPoint client) const {
  return {"mousemove", "--window", window_, QString::number(client.x()), QString::number(client.y())};
}

void SurfplotUser::Settle() {
  // A round trip through the X server, then a short pause for the program's redraw.
  Xdotool({"getmouselocation"});
  QThread::msleep(300);
}

void SurfplotUser::Click(QPoint at) {
  Xdotool(MoveTo(at) + QStringList{"click", "1"});
  Settle();
}

void SurfplotUser::Keys(const QString& spaceSeparated) {
  Xdotool(QStringList{"key", "--clearmodifiers"} + spaceSeparated.split(' '));
  Settle();
}

void SurfplotUser::Drag(QPoint from, const QVector<QPoint>& path) {
  QStringList burst = MoveTo(from) + QStringList{"mousedown", "1"};
  for (QPoint point : path) burst += MoveTo(point);
  Xdotool(burst + QStringList{"mouseup", "1"});
  Settle();
}

void SurfplotUser::Paste(QPoint box, const QByteArray& text) {
  PutOnClipboard(text);
  Click(box);
  Keys("ctrl+a ctrl+v");
}

QString SurfplotUser::Copy(QPoint box) {
  // An empty box copies nothing, so the clipboard starts with a text no box holds.
  const QString nothingCopied = "\x01nothing copied\x01";
  PutOnClipboard(nothingCopied.toUtf8());
  Click(box);
  Keys("ctrl+a ctrl+c");
  const QString text = Clipboard();
  return text == nothingCopied ? QString() : text;
}

bool SurfplotUser::WaitForText(QPoint box, const QString& expected, int timeoutMs) {
  QElapsedTimer timer;
  timer.start();
  while (Running() && timer.elapsed() < timeoutMs)
    if (Copy(box) == expected) return true;
  return false;
}

QImage SurfplotUser::Screenshot() {
  QImage image = QImage::fromData(Run("import", {"-window", window_, "png:-"}), "PNG")
                     .convertToFormat(QImage::Format_RGB32);
  image.setColorSpace({});  // untagged, like the images drawn here, so that == compares pixels alone
  return image;
}

bool SurfplotUser::MessageBoxShowing() { return !FindWindow("^surfplot$").isEmpty(); }

std::optional<QString> SurfplotUser::TakeMessageBox(int timeoutMs) {
  QElapsedTimer timer;
  timer.start();
  QString box;
  while (box.isEmpty() && timer.elapsed() < timeoutMs) box = FindWindow("^surfplot$");
  if (box.isEmpty()) return std::nullopt;
  Settle();
  Xdotool({"windowfocus", "--sync", box});
  Keys("ctrl+c");
  const QString text = Clipboard();
  Keys("Return");
  return text;
}

std::size_t SurfplotUser::ResidentBytes() const {
  QFile statm(QString("/proc/%1/statm").arg(process_.processId()));
  if (!Running() || !statm.open(QIODevice::ReadOnly)) return 0;
  return statm.readAll().split(' ').value(1).toULongLong() * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

}  // namespace e2e
