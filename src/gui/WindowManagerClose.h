#pragma once

#include <QAbstractNativeEventFilter>
#include <QWidget>
#include <cstdint>
#include <functional>

namespace gui {

// Hears the window manager ask to close a window (its close button, Alt+F4) even while
// a modal dialog is open: Qt drops such a request for a window the dialog blocks, yet a
// user who closes the window during a long draw means it. `asked` decides: true when it
// has dealt with the request, false to leave it to Qt. Works on X11; elsewhere it hears
// nothing and Qt's own handling stays.
class WindowManagerClose : public QAbstractNativeEventFilter {
 public:
  WindowManagerClose(const QWidget& window, std::function<bool()> asked);
  ~WindowManagerClose() override;

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  const QWidget& window_;
  std::function<bool()> asked_;
  uint32_t protocolsAtom_ = 0;
  uint32_t deleteWindowAtom_ = 0;
};

}  // namespace gui
