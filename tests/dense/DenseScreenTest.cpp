// The window on a screen of two device pixels per logical one: the drawing area's
// picture has the screen's pixels, the window and the logic keep logical ones.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWindow>
#include <cstdlib>

#include "gui/DrawingAreaImage.h"
#include "gui/MainWindow.h"
#include "window/WindowLayout.h"

namespace {

// The share of 2 x 2 blocks of `dense` whose mean colour lies within 24 per channel of `logical`'s pixel.
double BoxAgreement(const QImage& dense, const QImage& logical) {
  long close = 0;
  for (int y = 0; y < logical.height(); ++y)
    for (int x = 0; x < logical.width(); ++x) {
      int sum[3] = {};
      for (const QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
        const QRgb p = dense.pixel(2 * x + d.x(), 2 * y + d.y());
        sum[0] += qRed(p), sum[1] += qGreen(p), sum[2] += qBlue(p);
      }
      const QRgb q = logical.pixel(x, y);
      close += std::abs(sum[0] / 4 - qRed(q)) <= 24 && std::abs(sum[1] / 4 - qGreen(q)) <= 24 &&
               std::abs(sum[2] / 4 - qBlue(q)) <= 24;
    }
  return static_cast<double>(close) / (logical.width() * logical.height());
}

TEST(DenseScreen, TheWindowKeepsLogicalPixelsAndThePictureHasTheScreens) {
  gui::MainWindow form;
  if (form.devicePixelRatioF() != 2) GTEST_SKIP() << "Qt did not scale the screen by two";
  form.show();
  const window::WindowLayout& layout = window::MainWindowLayout();
  EXPECT_EQ(form.size(), QSize(window::PixelsFromTwips(layout.clientWidthTwips),
                               window::PixelsFromTwips(layout.clientHeightTwips)));
  EXPECT_EQ(form.DrawingAreaWidth(), 326);
  EXPECT_EQ(form.Picture().image().size(), QSize(652, 652));

  form.Logic().Draw();
  // A drag at logical pointer positions turns the view as on any screen.
  auto* area = form.findChild<QWidget*>("Picture1");
  const auto send = [&](QEvent::Type type, QPoint inner, Qt::MouseButton button, Qt::MouseButtons buttons) {
    const QPoint at = area->mapTo(&form, inner + QPoint(2, 2));
    QMouseEvent event(type, QPointF(at), QPointF(form.mapToGlobal(at)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(form.windowHandle(), &event);
  };
  send(QEvent::MouseButtonPress, {50, 50}, Qt::LeftButton, Qt::LeftButton);
  send(QEvent::MouseMove, {100, 60}, Qt::NoButton, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, {100, 60}, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(form.Logic().Theta(), 100 - 326 + 360);
  EXPECT_EQ(form.Logic().Phi(), 326 - 60 - 360);

  gui::ImageSurface logical = gui::MakeDrawingAreaImage();
  form.Logic().DrawPictureOn(logical);
  const QImage dense = form.Picture().image();
  EXPECT_GE(BoxAgreement(dense, logical.image()), 0.95);
  // The widget shows every one of the picture's pixels in the area's logical place.
  const QImage shown = area->grab().toImage();
  EXPECT_EQ(shown.devicePixelRatio(), 2);
  EXPECT_EQ(shown.copy(4, 4, 652, 652).convertToFormat(QImage::Format_RGB32), dense);
}

}  // namespace
