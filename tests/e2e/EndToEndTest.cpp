// The real program in a real X window: what only the window system shows.
#include <QDeadlineTimer>
#include <QDir>
#include <QTemporaryDir>
#include <QThread>
#include <map>

#include "SurfplotUser.h"

namespace {

using e2e::DrawingArea;
using EndToEnd = e2e::EndToEnd;

QImage AreaOf(const QImage& client) { return client.copy(DrawingArea); }

// The area once it has stopped changing after it became other than `before` (or
// equal to it); under load the program may take a while to redraw.
QImage AreaAfter(e2e::SurfplotUser& user, const QImage& before, bool changed) {
  const QDeadlineTimer deadline(10000);
  while ((AreaOf(user.Screenshot()) != before) != changed && !deadline.hasExpired()) QThread::msleep(50);
  return AreaOf(user.SteadyScreenshot());
}

// Draws the default surface; the drawing area once it shows.
QImage DrawDefault(e2e::SurfplotUser& user) {
  const QImage axes = AreaOf(user.SteadyScreenshot());
  user.Click("CommandDraw");
  return AreaAfter(user, axes, /*changed=*/true);
}

TEST_F(EndToEnd, ALeftDragTurnsTheView) {
  const QImage before = DrawDefault(user);
  const QPoint corner = DrawingArea.topLeft();
  user.Drag(corner + QPoint(100, 100), {corner + QPoint(120, 150), corner + QPoint(150, 200)});
  EXPECT_NE(AreaOf(user.Screenshot()), before);
}

// The window's pixels once per mode, the mode chosen through the pop-up menu's keys.
TEST_F(EndToEnd, EachColourModeShowsItsColours) {
  const struct {
    int item;
    const char* file;
    QRgb outline;
    int outlinePixels, colours;  // at least
  } rows[] = {
      {2, "lines.png", qRgb(128, 128, 128), 500, 5},
      {3, "colors.png", qRgb(192, 192, 192), 1000, 7},
      {4, "rnd-colors.png", qRgb(192, 192, 192), 1000, 20},
      {1, "grid.png", qRgb(0, 0, 0), 2000, 3},
  };
  for (const auto& row : rows) {
    user.Click("CmdMenu");
    user.Keys(QString("Down ").repeated(row.item) + "Return");
    user.Click("CommandDraw");
    const QImage drawn = user.Screenshot();
    if (qEnvironmentVariableIsSet("SURFPLOT_SCREENSHOT_DIR"))
      drawn.save(QDir(qEnvironmentVariable("SURFPLOT_SCREENSHOT_DIR")).filePath(row.file));
    std::map<QRgb, int> colours;
    for (int y = DrawingArea.top(); y <= DrawingArea.bottom(); ++y)
      for (int x = DrawingArea.left(); x <= DrawingArea.right(); ++x) ++colours[drawn.pixel(x, y)];
    EXPECT_GT(colours[row.outline], row.outlinePixels) << row.file;
    EXPECT_GE(colours.size(), row.colours) << row.file;
  }
}

// The earlier surface stays: the draw was stopped, not finished.
TEST_F(EndToEnd, EscOnTheProgressDialogStopsALongDraw) {
  const QImage drawn = DrawDefault(user);
  ASSERT_TRUE(user.StartLongDraw()) << "no progress dialog";
  user.Keys("Escape");
  EXPECT_TRUE(user.WaitUntilAlone(60000)) << "the dialog is gone";
  EXPECT_EQ(AreaOf(user.SteadyScreenshot()), drawn);
}

// The window manager's close during a long draw stops it and closes the window,
// whether the progress dialog shows yet or not.
TEST_F(EndToEnd, ClosingTheWindowDuringALongDrawStopsItAndCloses) {
  ASSERT_TRUE(user.StartLongDraw()) << "no progress dialog";
  user.AskToClose();
  EXPECT_TRUE(user.WaitForExit()) << "closed while the dialog shows";

  e2e::SurfplotUser early;
  ASSERT_TRUE(early.Launch());
  early.StartLongDraw(/*waitForDialog=*/false);
  early.AskToClose();
  EXPECT_TRUE(early.WaitForExit()) << "closed before the dialog shows";
}

// The drawing area's menu: Show Values turns the values on and off at once; Copy
// Picture and Save Picture As... (through the file dialog) take the area as it shows.
TEST_F(EndToEnd, TheAreaMenuShowsValuesAndCopiesAndSavesThePictureAsShown) {
  const QImage plain = DrawDefault(user);
  ASSERT_TRUE(user.ChooseFromAreaMenu(3)) << "Show Values";
  const QImage withValues = AreaAfter(user, plain, /*changed=*/true);
  EXPECT_NE(withValues, plain);

  ASSERT_TRUE(user.ChooseFromAreaMenu(2)) << "Copy Picture";
  EXPECT_EQ(user.ClipboardImage(), withValues);

  ASSERT_TRUE(user.ChooseFromAreaMenu(1)) << "Save Picture As...";
  ASSERT_FALSE(user.FocusWindow("^Save Picture As$").isEmpty()) << "no file dialog";
  const QTemporaryDir folder;
  const QString path = folder.filePath("drawn.png");
  user.Keys("ctrl+a");
  user.Type(path);
  user.Keys("Return");
  ASSERT_TRUE(e2e::WaitForFile(path, 10000));
  EXPECT_EQ(e2e::ComparableImage(QImage(path, "PNG")), withValues);

  ASSERT_TRUE(user.ChooseFromAreaMenu(3)) << "Show Values again";
  EXPECT_EQ(AreaAfter(user, plain, /*changed=*/false), plain);
  EXPECT_TRUE(user.OtherWindows().isEmpty()) << "a menu or a dialog stayed open";
}

}  // namespace
