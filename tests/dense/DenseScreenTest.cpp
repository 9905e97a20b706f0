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

// Each 2 x 2 block of pixels as its mean colour.
QImage HalvedByBoxes(const QImage& image) {
  QImage half(image.width() / 2, image.height() / 2, QImage::Format_RGB32);
  for (int y = 0; y < half.height(); ++y)
    for (int x = 0; x < half.width(); ++x) {
      int sum[3] = {};
      for (const QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
        const QRgb p = image.pixel(2 * x + d.x(), 2 * y + d.y());
        sum[0] += qRed(p), sum[1] += qGreen(p), sum[2] += qBlue(p);
      }
      half.setPixel(x, y, qRgb((sum[0] + 2) / 4, (sum[1] + 2) / 4, (sum[2] + 2) / 4));
    }
  return half;
}

double Agreement(const QImage& a, const QImage& b, int tolerance) {
  long close = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      close += std::abs(qRed(p) - qRed(q)) <= tolerance && std::abs(qGreen(p) - qGreen(q)) <= tolerance &&
               std::abs(qBlue(p) - qBlue(q)) <= tolerance;
    }
  return static_cast<double>(close) / (a.width() * a.height());
}

class DenseScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (form.devicePixelRatioF() != 2) GTEST_SKIP() << "Qt did not scale the screen by two";
    form.show();
  }
  gui::MainWindow form;
};

TEST_F(DenseScreenTest, TheWindowKeepsItsLogicalSizeAndThePictureHasTheScreensPixels) {
  const window::WindowLayout& layout = window::MainWindowLayout();
  EXPECT_EQ(form.size(), QSize(window::PixelsFromTwips(layout.clientWidthTwips),
                               window::PixelsFromTwips(layout.clientHeightTwips)));
  EXPECT_EQ(form.DrawingAreaWidth(), 326);
  EXPECT_EQ(form.Picture().image().size(), QSize(652, 652));
  EXPECT_EQ(form.Picture().image().devicePixelRatio(), 2);
}

TEST_F(DenseScreenTest, ThePictureIsTheLogicalOneSharper) {
  form.Logic().Draw();
  // A drag at logical pointer positions turns the view as it does on any screen.
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
  EXPECT_GE(Agreement(HalvedByBoxes(dense), logical.image(), 24), 0.95);

  // The widget shows every one of the picture's pixels, in its logical place.
  const QImage shown = area->grab().toImage();
  EXPECT_EQ(shown.devicePixelRatio(), 2);
  EXPECT_EQ(shown.copy(4, 4, 652, 652).convertToFormat(QImage::Format_RGB32), dense);
}

}  // namespace
