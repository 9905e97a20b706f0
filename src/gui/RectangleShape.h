#pragma once

#include <QColor>
#include <QWidget>

namespace gui {

// A decorative rectangle outline, one pixel wide, inside its bounds. It lets
// the mouse through to whatever lies beneath.
class RectangleShape : public QWidget {
  Q_OBJECT

 public:
  RectangleShape(QColor outline, QWidget* parent);

  QColor outline() const { return outline_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor outline_;
};

}  // namespace gui
