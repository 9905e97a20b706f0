#include "SurfplotUser.h"

#include <unistd.h>

#include <QColorSpace>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include "window/WindowLayout.h"

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

// xclip stays behind to serve the text until another program takes the clipboard.
void PutOnClipboard(const QByteArray& text) { Run("xclip", {"-i", "-selection", "clipboard"}, text); }

QString Clipboard() { return QString::fromUtf8(Run("xclip", {"-o", "-selection", "clipboard"})); }

QByteArray Xdotool(const QStringList& arguments) { return Run("xdotool", arguments); }

// Lets the program handle what it was sent: a round trip through the X server, then
// a short pause for the redraw.
void Settle() {
  Xdotool({"getmouselocation"});
  QThread::msleep(300);
}

QPoint Centre(std::string_view control) {
  const window::TwipsRect& place = window::FindControlLayout(control)->twips;
  return {window::PixelsFromTwips(place.left + place.width / 2),
          window::PixelsFromTwips(place.top + place.height / 2)};
}

}  // namespace

SurfplotUser::~SurfplotUser() {
  process_.kill();
  process_.waitForFinished(3000);
}

bool SurfplotUser::Launch() {
  process_.setEnvironment(QProcess::systemEnvironment() << "QT_QPA_PLATFORM=xcb"
                                                        << "LC_ALL=C.UTF-8");
  process_.setProcessChannelMode(QProcess::ForwardedChannels);
  process_.start(SURFPLOT_PROGRAM, {});
  const QDeadlineTimer deadline(20000);
  while (window_.isEmpty() && Running() && !deadline.hasExpired()) {
    QThread::msleep(100);
    window_ = FindWindow("^Plotting f\\(x\\) Functions$");
  }
  Settle();
  return !window_.isEmpty();
}

QStringList SurfplotUser::MoveTo(QPoint client) const {
  return {"mousemove", "--window", window_, QString::number(client.x()), QString::number(client.y())};
}

void SurfplotUser::Click(std::string_view control, QPoint offset) {
  Xdotool(MoveTo(Centre(control) + offset) + QStringList{"click", "1"});
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

void SurfplotUser::Paste(std::string_view box, const QByteArray& text) {
  PutOnClipboard(text);
  Click(box);
  Keys("ctrl+a ctrl+v");
}

QString SurfplotUser::Copy(std::string_view box) {
  // An empty box copies nothing, so the clipboard starts with a text no box holds.
  const QString nothingCopied = "\x01nothing copied\x01";
  PutOnClipboard(nothingCopied.toUtf8());
  Click(box);
  Keys("ctrl+a ctrl+c");
  const QString text = Clipboard();
  return text == nothingCopied ? QString() : text;
}

bool SurfplotUser::WaitForText(std::string_view box, const QString& expected, int timeoutMs) {
  const QDeadlineTimer deadline(timeoutMs);
  while (Running() && !deadline.hasExpired())
    if (Copy(box) == expected) return true;
  return false;
}

QImage SurfplotUser::Screenshot() {
  QImage image = QImage::fromData(Run("import", {"-window", window_, "png:-"}), "PNG")
                     .convertToFormat(QImage::Format_RGB32);
  image.setColorSpace({});  // untagged, like the images drawn here, so that == compares pixels alone
  return image;
}

QString SurfplotUser::TakeMessageBox(int timeoutMs) {
  const QDeadlineTimer deadline(timeoutMs);
  QString box;
  do box = FindWindow("^surfplot$");
  while (box.isEmpty() && !deadline.hasExpired());
  if (box.isEmpty()) return "(no box)";
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
