#include "gui/UpDownControl.h"

#include <QKeyEvent>
#include <QWheelEvent>
#include <algorithm>

namespace gui {
namespace {

QToolButton* MakeArrow(Qt::ArrowType arrow, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

}  // namespace

UpDownControl::UpDownControl(QWidget* parent)
    : QWidget(parent), up_(MakeArrow(Qt::UpArrow, this)), down_(MakeArrow(Qt::DownArrow, this)) {
  setFocusPolicy(Qt::StrongFocus);
  connect(up_, &QToolButton::clicked, this, &UpDownControl::StepUp);
  connect(down_, &QToolButton::clicked, this, &UpDownControl::StepDown);
  // The arrows cover the whole control: the wheel over them is the control's.
  up_->installEventFilter(this);
  down_->installEventFilter(this);
}

bool UpDownControl::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Wheel) return QWidget::eventFilter(watched, event);
  wheelEvent(static_cast<QWheelEvent*>(event));
  return true;
}

void UpDownControl::Configure(const window::UpDownSettings& settings) {
  increment_ = settings.increment;
  minimum_ = settings.min;
  maximum_ = settings.max;
  value_ = std::clamp(settings.value, minimum_, maximum_);
}

void UpDownControl::setValue(int32_t value) {
  const int32_t clamped = std::clamp(value, minimum_, maximum_);
  if (clamped == value_) return;
  value_ = clamped;
  emit valueChanged(value_);
}

void UpDownControl::StepUp() { StepBy(increment_); }

void UpDownControl::StepDown() { StepBy(-int64_t{increment_}); }

void UpDownControl::StepBy(int64_t delta) {
  const int64_t target = std::clamp<int64_t>(int64_t{value_} + delta, minimum_, maximum_);
  setValue(static_cast<int32_t>(target));
}

void UpDownControl::resizeEvent(QResizeEvent*) {
  const int upperHeight = height() - height() / 2;
  up_->setGeometry(0, 0, width(), upperHeight);
  down_->setGeometry(0, upperHeight, width(), height() - upperHeight);
}

void UpDownControl::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Plus:
      StepUp();
      break;
    case Qt::Key_Down:
    case Qt::Key_Minus:
      StepDown();
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  event->accept();
}

void UpDownControl::wheelEvent(QWheelEvent* event) {
  // Qt counts a notch as 120 (eighths of a degree, 15 degrees a notch).
  constexpr int Notch = 120;
  wheelEighths_ += event->angleDelta().y();
  const int notches = wheelEighths_ / Notch;
  wheelEighths_ -= notches * Notch;
  if (notches != 0) StepBy(int64_t{notches} * increment_);
  event->accept();
}

}  // namespace gui
