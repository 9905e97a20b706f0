#include "gui/FocusMark.h"

#include <QFocusEvent>
#include <QPainter>
#include <QRegion>

namespace gui {

FocusMark::FocusMark(QWidget* control) : QWidget(control->parentWidget()), control_(control) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  constexpr int margin = Gap + Width;
  setGeometry(control->geometry().adjusted(-margin, -margin, margin, margin));
  // Only the ring belongs to the mark; inside it the control shows as it is.
  setMask(QRegion(rect()) - QRegion(rect().adjusted(Width, Width, -Width, -Width)));
  hide();
  control->installEventFilter(this);
}

bool FocusMark::eventFilter(QObject* watched, QEvent* event) {
  if (watched != control_) return false;
  switch (event->type()) {
    case QEvent::FocusIn:
      switch (static_cast<QFocusEvent*>(event)->reason()) {
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
          keyboardInUse_ = true;
          break;
        case Qt::MouseFocusReason:
          keyboardInUse_ = false;
          break;
        default:  // back from a menu or another window: as it was before
          break;
      }
      break;
    case QEvent::KeyPress:
      keyboardInUse_ = true;
      break;
    case QEvent::MouseButtonPress:
      keyboardInUse_ = false;
      break;
    case QEvent::FocusOut:
    case QEvent::Hide:
    case QEvent::Show:
      break;
    default:
      return false;
  }
  Update();
  return false;
}

void FocusMark::Update() {
  const bool shown = keyboardInUse_ && control_->hasFocus() && control_->isVisible();
  if (shown == isVisible()) return;
  if (shown) raise();
  setVisible(shown);
}

void FocusMark::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
}

}  // namespace gui
