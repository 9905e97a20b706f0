// The drawing area's mouse report and its picture.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWindow>
#include <vector>

#include "platform/PictureBox.h"

namespace {

struct Move {
  int16_t button;
  int16_t shift;
  float x;
  float y;
};

class PictureBoxTest : public ::testing::Test {
 protected:
  PictureBoxTest() : box(&window) {
    window.resize(400, 400);
    box.setGeometry(8, 8, 330, 330);
    QObject::connect(&box, &platform::PictureBox::mouseMoved,
                     [this](int16_t button, int16_t shift, float x, float y) {
                       moves.push_back({button, shift, x, y});
                     });
    window.show();
  }

  void Send(QEvent::Type type, QPointF windowPosition, Qt::MouseButton button, Qt::MouseButtons buttons,
            Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QMouseEvent event(type, windowPosition, window.mapToGlobal(windowPosition), button, buttons, modifiers);
    QApplication::sendEvent(window.windowHandle(), &event);
  }

  QWidget window;
  platform::PictureBox box;
  std::vector<Move> moves;
};

TEST_F(PictureBoxTest, MovesWithoutButtonsArriveInInnerAreaPixels) {
  Send(QEvent::MouseMove, {10, 10}, Qt::NoButton, Qt::NoButton);
  Send(QEvent::MouseMove, {335, 100}, Qt::NoButton, Qt::NoButton);
  ASSERT_EQ(moves.size(), 2u);
  EXPECT_EQ(moves[0].button, 0);
  EXPECT_FLOAT_EQ(moves[0].x, 0);
  EXPECT_FLOAT_EQ(moves[0].y, 0);
  EXPECT_FLOAT_EQ(moves[1].x, 325);
  EXPECT_FLOAT_EQ(moves[1].y, 90);

  // Fractions of a pixel, where the window system gives them, are kept.
  const QPointF at(337.5, 100.25);
  QMouseEvent move(QEvent::MouseMove, at, box.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&box, &move);
  EXPECT_FLOAT_EQ(moves.back().x, 335.5f);
  EXPECT_FLOAT_EQ(moves.back().y, 98.25f);
}

TEST_F(PictureBoxTest, ButtonAndShiftMasks) {
  struct Row {
    const char* what;
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;
    int16_t button;
    int16_t shift;
  };
  const Row rows[] = {
      {"left", Qt::LeftButton, Qt::NoModifier, 1, 0},
      {"right", Qt::RightButton, Qt::NoModifier, 2, 0},
      {"middle", Qt::MiddleButton, Qt::NoModifier, 4, 0},
      {"left and right", Qt::LeftButton | Qt::RightButton, Qt::NoModifier, 3, 0},
      {"all three", Qt::LeftButton | Qt::RightButton | Qt::MiddleButton, Qt::NoModifier, 7, 0},
      {"a side button alone", Qt::BackButton, Qt::NoModifier, 0, 0},
      {"shift", Qt::LeftButton, Qt::ShiftModifier, 1, 1},
      {"ctrl and alt", Qt::LeftButton, Qt::ControlModifier | Qt::AltModifier, 1, 6},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    EXPECT_EQ(platform::ButtonMask(row.buttons), row.button);
    EXPECT_EQ(platform::ShiftMask(row.modifiers), row.shift);
  }
}

TEST_F(PictureBoxTest, ADragKeepsReportingOutsideTheArea) {
  Send(QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton, Qt::LeftButton);
  Send(QEvent::MouseMove, {390, 395}, Qt::NoButton, Qt::LeftButton);  // right of and below the area
  Send(QEvent::MouseMove, {1, 2}, Qt::NoButton, Qt::LeftButton);      // left of and above it
  Send(QEvent::MouseButtonRelease, {1, 2}, Qt::LeftButton, Qt::NoButton);
  Send(QEvent::MouseMove, {2, 2}, Qt::NoButton, Qt::NoButton);  // no longer grabbed
  ASSERT_EQ(moves.size(), 2u);
  EXPECT_EQ(moves[0].button, 1);
  EXPECT_FLOAT_EQ(moves[0].x, 380);
  EXPECT_FLOAT_EQ(moves[0].y, 385);
  EXPECT_FLOAT_EQ(moves[1].x, -9);
  EXPECT_FLOAT_EQ(moves[1].y, -8);
}

TEST_F(PictureBoxTest, ShowsItsPictureInTheInnerAreaAndKeepsTheBorder) {
  QImage picture(326, 326, QImage::Format_RGB32);
  picture.fill(Qt::red);
  picture.setPixel(0, 0, qRgb(0, 0, 255));
  box.ShowPicture(&picture);
  const QImage shown = box.grab().toImage();
  EXPECT_EQ(shown.pixelColor(2, 2), QColor(0, 0, 255));
  EXPECT_EQ(shown.pixelColor(327, 327), QColor(Qt::red));
  for (const QPoint border : {QPoint(0, 0), QPoint(1, 100), QPoint(328, 328), QPoint(100, 329)})
    EXPECT_NE(shown.pixelColor(border), QColor(Qt::red)) << border.x() << "," << border.y();

  // Disabled, it looks the same.
  box.setEnabled(false);
  EXPECT_EQ(box.grab().toImage(), shown);
}

}  // namespace
