#pragma once

#include <QFrame>
#include <QImage>
#include <cstdint>

namespace platform {

// The drawing area: a 2-pixel sunken frame around an inner area that shows a picture
// drawn elsewhere, and reports every mouse move in pixels of that inner area.
// Moves arrive with and without buttons, and keep coming while a button that was
// pressed inside is held, wherever the pointer goes.
class PictureBox : public QFrame {
  Q_OBJECT

 public:
  explicit PictureBox(QWidget* parent);

  // The picture to show; it must outlive the box. Null shows the background.
  void ShowPicture(const QImage* picture);

 signals:
  // button: 1 left, 2 right, 4 middle, added; shift: 1 Shift, 2 Ctrl, 4 Alt, added.
  void mouseMoved(int16_t button, int16_t shift, float x, float y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  // A disabled area looks like an enabled one.
  void KeepBorderWhenDisabled();

  const QImage* picture_ = nullptr;
};

int16_t ButtonMask(Qt::MouseButtons buttons);
int16_t ShiftMask(Qt::KeyboardModifiers modifiers);

}  // namespace platform
