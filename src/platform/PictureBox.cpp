#include "platform/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace platform {

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  KeepBorderWhenDisabled();
  setAutoFillBackground(true);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::KeepBorderWhenDisabled() {
  QPalette shades = palette();
  for (const auto role :
       {QPalette::Light, QPalette::Midlight, QPalette::Mid, QPalette::Dark, QPalette::Shadow})
    shades.setColor(QPalette::Disabled, role, shades.color(QPalette::Active, role));
  setPalette(shades);
}

void PictureBox::ShowPicture(const QImage* picture) {
  picture_ = picture;
  update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  if (picture_ == nullptr) return;
  QPainter painter(this);
  painter.setClipRect(contentsRect());
  painter.drawImage(contentsRect().topLeft(), *picture_);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
  const QPointF inner = event->position() - QPointF(contentsRect().topLeft());
  emit mouseMoved(ButtonMask(event->buttons()), ShiftMask(event->modifiers()), static_cast<float>(inner.x()),
                  static_cast<float>(inner.y()));
}

int16_t ButtonMask(Qt::MouseButtons buttons) {
  int16_t mask = 0;
  if (buttons & Qt::LeftButton) mask |= 1;
  if (buttons & Qt::RightButton) mask |= 2;
  if (buttons & Qt::MiddleButton) mask |= 4;
  return mask;
}

int16_t ShiftMask(Qt::KeyboardModifiers modifiers) {
  int16_t mask = 0;
  if (modifiers & Qt::ShiftModifier) mask |= 1;
  if (modifiers & Qt::ControlModifier) mask |= 2;
  if (modifiers & Qt::AltModifier) mask |= 4;
  return mask;
}

}  // namespace platform
