#pragma once

#include <QFrame>
#include <QImage>
#include <QPoint>
#include <cstdint>

namespace gui {

// The drawing area: a 2-pixel sunken frame around an inner area that shows a picture
// drawn elsewhere, and reports every mouse move in pixels of that inner area.
// Moves arrive with and without buttons, and keep coming while a button that was
// pressed inside is held, wherever the pointer goes.
class DrawingAreaWidget : public QFrame {
  Q_OBJECT

 public:
  explicit DrawingAreaWidget(QWidget* parent);

  // The picture to show; it must outlive the box. Null shows the background.
  void ShowPicture(const QImage* picture);

 signals:
  // buttons: 1 left, 2 right, 4 middle, added.
  void mouseMoved(int16_t buttons, float x, float y);
  // A right click while the left button is not held, disabled or not, or the Menu
  // key or Shift+F10: the picture's own menu belongs at that global position.
  void pictureMenuRequested(QPoint globalPosition);
  // Keys pressed while the area has the keyboard (see ViewKeys.h): turn the view by
  // so many degrees, or step the scale as its arrows do.
  void turnRequested(int thetaDegrees, int phiDegrees);
  void scaleStepRequested(int steps);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // A disabled area looks like an enabled one.
  void KeepBorderWhenDisabled();

  const QImage* picture_ = nullptr;
};

int16_t ButtonMask(Qt::MouseButtons buttons);

}  // namespace gui
