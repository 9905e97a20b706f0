#include "gui/WindowManagerClose.h"

#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdlib>
#include <memory>

namespace gui {
namespace {

uint32_t InternAtom(xcb_connection_t* connection, const char* name) {
  const xcb_intern_atom_cookie_t cookie =
      xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::char_traits<char>::length(name)), name);
  const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
      xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
  return reply ? reply->atom : uint32_t{XCB_ATOM_NONE};
}

}  // namespace

WindowManagerClose::WindowManagerClose(const QWidget& window, std::function<bool()> asked)
    : window_(window), asked_(std::move(asked)) {
  // Other platforms (offscreen among them) may answer as X11 without an X connection.
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (QGuiApplication::platformName() != "xcb" || x11 == nullptr || x11->connection() == nullptr) return;
  protocolsAtom_ = InternAtom(x11->connection(), "WM_PROTOCOLS");
  deleteWindowAtom_ = InternAtom(x11->connection(), "WM_DELETE_WINDOW");
  QCoreApplication::instance()->installNativeEventFilter(this);
}

WindowManagerClose::~WindowManagerClose() {
  if (QCoreApplication::instance() != nullptr) QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool WindowManagerClose::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (eventType != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if ((event->response_type & ~0x80) != XCB_CLIENT_MESSAGE) return false;
  const auto* request = static_cast<const xcb_client_message_event_t*>(message);
  const bool closeRequest = request->format == 32 && request->type == protocolsAtom_ &&
                            request->data.data32[0] == deleteWindowAtom_ &&
                            deleteWindowAtom_ != XCB_ATOM_NONE;
  if (!closeRequest || !window_.internalWinId() || request->window != window_.internalWinId()) return false;
  return asked_();
}

}  // namespace gui
