#include "SurfplotUser.h"

#include <xcb/xcb.h>

#include <QColorSpace>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <cstdlib>
#include <cstring>
#include <functional>

#include "window/WindowLayout.h"

namespace e2e {
namespace {

QByteArray Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished(60000);
  return process.readAllStandardOutput();
}

// Asks until the answer is there or the deadline has passed; the last answer.
bool Until(int timeoutMs, const std::function<bool()>& answered) {
  const QDeadlineTimer deadline(timeoutMs);
  while (!answered() && !deadline.hasExpired()) QThread::msleep(50);
  return answered();
}

// The ids of the visible windows that xdotool search finds with these criteria.
QStringList VisibleWindows(const QStringList& criteria) {
  QStringList ids;
  for (const QByteArray& id : Run("xdotool", QStringList{"search", "--onlyvisible"} + criteria).split('\n'))
    if (!id.trimmed().isEmpty()) ids << QString::fromLatin1(id.trimmed());
  return ids;
}

// Sends the commands, then lets the program handle them: a round trip through the X
// server and a short pause for the redraw.
void Xdotool(const QStringList& arguments) {
  Run("xdotool", arguments);
  Run("xdotool", {"getmouselocation"});
  QThread::msleep(300);
}

QRect ControlRect(std::string_view control) {
  const window::TwipsRect& place = window::FindControlLayout(control)->twips;
  return {window::PixelsFromTwips(place.left), window::PixelsFromTwips(place.top),
          window::PixelsFromTwips(place.width), window::PixelsFromTwips(place.height)};
}

}  // namespace

bool WaitForFile(const QString& path, int timeoutMs) {
  return Until(timeoutMs, [&] { return QFile::exists(path); });
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
  Until(20000, [&] {
    window_ = VisibleWindows({"--name", "^Plotting f\\(x\\) Functions$"}).value(0);
    return !window_.isEmpty() || process_.state() == QProcess::NotRunning;
  });
  Xdotool({"sleep", "0"});
  return !window_.isEmpty();
}

QStringList SurfplotUser::MoveTo(QPoint client) const {
  return {"mousemove", "--window", window_, QString::number(client.x()), QString::number(client.y())};
}

void SurfplotUser::Click(std::string_view control) {
  Xdotool(MoveTo(ControlRect(control).center()) + QStringList{"click", "1"});
}

void SurfplotUser::Keys(const QString& spaceSeparated) {
  Xdotool(QStringList{"key", "--clearmodifiers"} + spaceSeparated.split(' '));
}

void SurfplotUser::Drag(QPoint from, const QVector<QPoint>& path) {
  QStringList burst = MoveTo(from) + QStringList{"mousedown", "1"};
  for (QPoint point : path) burst += MoveTo(point);
  Xdotool(burst + QStringList{"mouseup", "1"});
}

void SurfplotUser::Type(const QString& text) { Xdotool({"type", "--clearmodifiers", "--delay", "5", text}); }

QImage SurfplotUser::Screenshot() {
  return ComparableImage(QImage::fromData(Run("import", {"-window", window_, "png:-"}), "PNG"));
}

QImage SurfplotUser::SteadyScreenshot() {
  QImage current = Screenshot();
  Until(10000, [&] {
    const QImage previous = current;
    current = Screenshot();
    return current == previous;
  });
  return current;
}

QImage SurfplotUser::ClipboardImage() {
  QImage image;
  Until(10000, [&] {
    image = QImage::fromData(Run("xclip", {"-o", "-selection", "clipboard", "-t", "image/png"}), "PNG");
    return !image.isNull();
  });
  return image.isNull() ? image : ComparableImage(image);
}

QStringList SurfplotUser::OtherWindows() const {
  QStringList others = VisibleWindows({"--pid", QString::number(process_.processId())});
  others.removeAll(window_);
  return others;
}

bool SurfplotUser::WaitUntilAlone(int timeoutMs) {
  return Until(timeoutMs, [&] { return OtherWindows().isEmpty(); });
}

QString SurfplotUser::FocusWindow(const QString& captionPattern, int timeoutMs) {
  QString found;
  if (!Until(timeoutMs, [&] {
        return !(found = VisibleWindows({"--name", captionPattern}).value(0)).isEmpty();
      }))
    return {};
  Xdotool({"windowfocus", "--sync", found});
  return found;
}

bool SurfplotUser::ChooseFromAreaMenu(int item) {
  Xdotool(MoveTo(DrawingArea.topLeft() + QPoint(150, 150)) + QStringList{"click", "3"});
  if (!Until(5000, [&] { return OtherWindows().size() == 1; })) return false;
  Keys(QString("Down ").repeated(item) + "Return");
  return true;
}

bool SurfplotUser::StartLongDraw(bool waitForDialog) {
  // Several seconds on any machine: Rnd keeps the work on one thread.
  const QString formula =
      "Sin(X * Y) * Cos(X) + Atn(X) * Log(Y + 2) + Exp(X / 3) * Sqr(Y + 1) + Sin(X + Y) * Cos(X - Y) + "
      "Atn(Y) * Exp(Y / 4) + Rnd(1) / 1000";
  for (const auto& [box, text] :
       {std::pair<std::string_view, QString>{"Code", formula}, {"Data(5)", "1800"}}) {
    Click(box);
    Keys("ctrl+a");
    Type(text);
  }
  Click("CommandDraw");
  return !waitForDialog || !FocusWindow("^surfplot$", 30000).isEmpty();
}

void SurfplotUser::AskToClose() {
  xcb_connection_t* connection = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
  const auto atom = [connection](const char* name) {
    const auto reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(strlen(name)), name), nullptr);
    const xcb_atom_t value = reply->atom;
    free(reply);
    return value;
  };
  xcb_client_message_event_t request{};
  request.response_type = XCB_CLIENT_MESSAGE;
  request.format = 32;
  request.window = window_.toUInt();
  request.type = atom("WM_PROTOCOLS");
  request.data.data32[0] = atom("WM_DELETE_WINDOW");
  request.data.data32[1] = XCB_CURRENT_TIME;
  xcb_send_event(connection, 0, request.window, XCB_EVENT_MASK_NO_EVENT,
                 reinterpret_cast<const char*>(&request));
  free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

}  // namespace e2e
