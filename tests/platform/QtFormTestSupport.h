#pragma once

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QWindow>
#include <memory>
#include <string>

#include "RecordedMessageBoxes.h"
#include "platform/QtForm.h"

namespace platform_testing {

// A shown window with its message boxes recorded.
class ShownForm {
 public:
  ShownForm();
  ~ShownForm();

  platform::QtForm& form() const { return *form_; }
  template <class Widget = QWidget>
  Widget* Control(std::string_view name) const {
    return form_->findChild<Widget*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
  }

  RecordedMessageBoxes messages;

 private:
  std::unique_ptr<platform::QtForm> form_;
};

// Sends a mouse event to the window as the window system would, so that Qt picks
// the receiving widget and keeps the pointer grabbed while a button is held.
void SendWindowMouseEvent(QWidget& window, QEvent::Type type, QPoint windowPosition, Qt::MouseButton button,
                          Qt::MouseButtons buttons);
// A press and release of the left button at the centre of widget.
void ClickThroughWindow(QWidget& window, const QWidget& widget);

// The colour that covers most of rect in the image.
QColor MostCommonColour(const QImage& image, const QRect& rect);

}  // namespace platform_testing
