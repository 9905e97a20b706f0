#include "gui/RectangleShape.h"

#include <QPainter>

namespace gui {

RectangleShape::RectangleShape(QColor outline, QWidget* parent) : QWidget(parent), outline_(outline) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

void RectangleShape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(outline_, 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace gui
