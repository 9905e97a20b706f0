#include "SurfplotUser.h"

#include <unistd.h>

#include <QColorSpace>
#include <QDeadlineTimer>
#include <QFile>
#include <QMap>
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

// The ids of the visible windows that xdotool search finds with these criteria.
QStringList VisibleWindows(const QStringList& criteria) {
  QStringList ids;
  for (const QByteArray& id : Run("xdotool", QStringList{"search", "--onlyvisible"} + criteria).split('\n'))
    if (!id.trimmed().isEmpty()) ids << QString::fromLatin1(id.trimmed());
  return ids;
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

QRect ControlRect(std::string_view control) {
  const window::TwipsRect& place = window::FindControlLayout(control)->twips;
  return {window::PixelsFromTwips(place.left), window::PixelsFromTwips(place.top),
          window::PixelsFromTwips(place.width), window::PixelsFromTwips(place.height)};
}

bool WaitForFile(const QString& path, int timeoutMs) {
  const QDeadlineTimer deadline(timeoutMs);
  while (!QFile::exists(path)) {
    if (deadline.hasExpired()) return false;
    QThread::msleep(50);
  }
  return true;
}

QImage ComparableImage(QImage image) {
  image = image.convertToFormat(QImage::Format_RGB32);
  image.setColorSpace({});
  return image;
}

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

void SurfplotUser::RightClick(QPoint client) {
  Xdotool(MoveTo(client) + QStringList{"click", "3"});
  Settle();
}

void SurfplotUser::ClickOnScreen(QPoint screen) {
  Xdotool({"mousemove", QString::number(screen.x()), QString::number(screen.y()), "click", "1"});
  Settle();
}

void SurfplotUser::PressButton(int button) {
  Xdotool({"mousedown", QString::number(button)});
  Settle();
}

void SurfplotUser::ReleaseButton(int button) {
  Xdotool({"mouseup", QString::number(button)});
  Settle();
}

void SurfplotUser::MovePointer(QPoint client) {
  Xdotool(MoveTo(client));
  Settle();
}

void SurfplotUser::Type(const QString& text) {
  Xdotool({"type", "--clearmodifiers", "--delay", "5", text});
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
  return ComparableImage(QImage::fromData(Run("import", {"-window", window_, "png:-"}), "PNG"));
}

QImage SurfplotUser::SteadyScreenshot(int timeoutMs) {
  const QDeadlineTimer deadline(timeoutMs);
  QImage previous = Screenshot(), current = Screenshot();
  while (current != previous && !deadline.hasExpired()) {
    previous = current;
    current = Screenshot();
  }
  return current;
}

QImage SurfplotUser::ScreenScreenshot() {
  return ComparableImage(QImage::fromData(Run("import", {"-window", "root", "png:-"}), "PNG"));
}

QImage SurfplotUser::ClipboardImage(int timeoutMs) {
  const QDeadlineTimer deadline(timeoutMs);
  QImage image = QImage::fromData(Run("xclip", {"-o", "-selection", "clipboard", "-t", "image/png"}), "PNG");
  while (image.isNull() && !deadline.hasExpired()) {
    QThread::msleep(100);
    image = QImage::fromData(Run("xclip", {"-o", "-selection", "clipboard", "-t", "image/png"}), "PNG");
  }
  return image.isNull() ? image : ComparableImage(image);
}

void SurfplotUser::PutTextOnClipboard(const QByteArray& text) { PutOnClipboard(text); }

QStringList SurfplotUser::OtherWindows() const {
  QStringList others = VisibleWindows({"--pid", QString::number(process_.processId())});
  others.removeAll(window_);
  return others;
}

QRect SurfplotUser::WindowPlace(const QString& id) const {
  QMap<QString, int> values;
  for (const QByteArray& line : Run("xdotool", {"getwindowgeometry", "--shell", id}).split('\n'))
    if (const qsizetype equals = line.indexOf('='); equals > 0)
      values[QString::fromLatin1(line.left(equals))] = line.mid(equals + 1).trimmed().toInt();
  return {values.value("X"), values.value("Y"), values.value("WIDTH"), values.value("HEIGHT")};
}

QString SurfplotUser::FocusWindow(const QString& captionPattern, int timeoutMs, const QString& besides) {
  const QDeadlineTimer deadline(timeoutMs);
  QStringList found = VisibleWindows({"--name", captionPattern});
  found.removeAll(besides);
  while (found.isEmpty() && !deadline.hasExpired()) {
    QThread::msleep(50);
    found = VisibleWindows({"--name", captionPattern});
    found.removeAll(besides);
  }
  if (found.isEmpty()) return {};
  Settle();
  Xdotool({"windowfocus", "--sync", found.first()});
  return found.first();
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
