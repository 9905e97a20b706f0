#include "gui/DrawingAreaWidget.h"

#include <QMouseEvent>
#include <QPainter>

#include "gui/ViewKeys.h"

namespace gui {

DrawingAreaWidget::DrawingAreaWidget(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  KeepBorderWhenDisabled();
  setAutoFillBackground(true);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
}

void DrawingAreaWidget::KeepBorderWhenDisabled() {
  QPalette shades = palette();
  for (const auto role :
       {QPalette::Light, QPalette::Midlight, QPalette::Mid, QPalette::Dark, QPalette::Shadow})
    shades.setColor(QPalette::Disabled, role, shades.color(QPalette::Active, role));
  setPalette(shades);
}

void DrawingAreaWidget::ShowPicture(const QImage* picture) {
  picture_ = picture;
  update();
}

void DrawingAreaWidget::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  if (picture_ == nullptr) return;
  QPainter painter(this);
  painter.setClipRect(contentsRect());
  painter.drawImage(contentsRect().topLeft(), *picture_);
}

bool DrawingAreaWidget::event(QEvent* event) {
  // Before the first draw the area is disabled, and a disabled widget hears no clicks
  // in its handlers; its menu must open all the same.
  if (event->type() == QEvent::MouseButtonPress) {
    const auto* press = static_cast<QMouseEvent*>(event);
    if (press->button() == Qt::RightButton && !(press->buttons() & Qt::LeftButton)) {
      emit pictureMenuRequested(press->globalPosition().toPoint());
      return true;
    }
  }
  return QFrame::event(event);
}

void DrawingAreaWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPointF inner = event->position() - QPointF(contentsRect().topLeft());
  emit mouseMoved(ButtonMask(event->buttons()), static_cast<float>(inner.x()), static_cast<float>(inner.y()));
}

void DrawingAreaWidget::keyPressEvent(QKeyEvent* event) {
  const std::optional<ViewKeyCommand> command = ViewKeyCommandOf(event->key(), event->modifiers());
  if (!command) {
    QFrame::keyPressEvent(event);
    return;
  }
  if (command->openMenu)
    emit pictureMenuRequested(mapToGlobal(contentsRect().topLeft()));
  else if (command->scaleSteps != 0)
    emit scaleStepRequested(command->scaleSteps);
  else
    emit turnRequested(command->thetaDegrees, command->phiDegrees);
  event->accept();
}

int16_t ButtonMask(Qt::MouseButtons buttons) {
  int16_t mask = 0;
  if (buttons & Qt::LeftButton) mask |= 1;
  if (buttons & Qt::RightButton) mask |= 2;
  if (buttons & Qt::MiddleButton) mask |= 4;
  return mask;
}

}  // namespace gui
