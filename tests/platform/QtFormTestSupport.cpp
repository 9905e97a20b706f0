#include "QtFormTestSupport.h"

#include <algorithm>
#include <map>

namespace platform_testing {

ShownForm::ShownForm() : form_(std::make_unique<platform::QtForm>()) {
  form_->show();
  form_->activateWindow();
  QApplication::processEvents();
}

ShownForm::~ShownForm() = default;

void SendWindowMouseEvent(QWidget& window, QEvent::Type type, QPoint windowPosition, Qt::MouseButton button,
                          Qt::MouseButtons buttons) {
  QWindow* handle = window.windowHandle();
  QMouseEvent event(type, QPointF(windowPosition), QPointF(window.mapToGlobal(windowPosition)), button,
                    buttons, Qt::NoModifier);
  QApplication::sendEvent(handle, &event);
}

void ClickThroughWindow(QWidget& window, const QWidget& widget) {
  const QPoint centre = widget.mapTo(&window, widget.rect().center());
  SendWindowMouseEvent(window, QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::LeftButton);
  SendWindowMouseEvent(window, QEvent::MouseButtonRelease, centre, Qt::LeftButton, Qt::NoButton);
}

QColor MostCommonColour(const QImage& image, const QRect& rect) {
  std::map<QRgb, int> counts;
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x) ++counts[image.pixel(x, y) | 0xFF000000u];
  const auto most = std::ranges::max_element(counts, {}, &std::pair<const QRgb, int>::second);
  return QColor::fromRgb(most->first);
}

}  // namespace platform_testing
