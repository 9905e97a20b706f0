// Show Values in the real window: the drawing area's menu turns the values on and
// off at once, and Save Picture writes the picture as the area shows it.
#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QThread>

#include "SurfplotUser.h"

namespace {

using e2e::DrawingArea;
using ShowValues = e2e::EndToEnd;

QImage AreaOf(const QImage& client) { return client.copy(DrawingArea); }

// Opens the drawing area's menu and picks its third item, Show Values.
bool ToggleValues(e2e::SurfplotUser& user) {
  user.RightClick(DrawingArea.topLeft() + QPoint(150, 150));
  const QDeadlineTimer deadline(5000);
  while (user.OtherWindows().isEmpty()) {
    if (deadline.hasExpired()) return false;
    QThread::msleep(50);
  }
  user.Keys("Down Down Down Return");
  return true;
}

// The area once it has stopped changing after it became other than `before` (or
// equal to it); under load the program may take a while to redraw.
QImage AreaAfter(e2e::SurfplotUser& user, const QImage& before, bool changed) {
  const QDeadlineTimer deadline(10000);
  while ((AreaOf(user.Screenshot()) != before) != changed && !deadline.hasExpired()) QThread::msleep(50);
  return AreaOf(user.SteadyScreenshot());
}

TEST_F(ShowValues, TheMenuItemTogglesTheValuesAndSavingWritesThemAsShown) {
  user.Click("CommandDraw");
  const QImage plain = AreaOf(user.SteadyScreenshot());
  ASSERT_TRUE(ToggleValues(user)) << "the menu did not open";
  const QImage withValues = AreaAfter(user, plain, /*changed=*/true);
  EXPECT_NE(withValues, plain);

  const QTemporaryDir folder;
  const QString path = folder.filePath("values.png");
  user.Keys("ctrl+s");
  ASSERT_FALSE(user.FocusWindow("^Save Picture As$").isEmpty()) << "no file dialog";
  user.Keys("ctrl+a");
  user.Type(path);
  user.Keys("Return");
  ASSERT_TRUE(e2e::WaitForFile(path, 10000));
  EXPECT_EQ(e2e::ComparableImage(QImage(path, "PNG")), withValues);

  ASSERT_TRUE(ToggleValues(user)) << "the menu did not open again";
  EXPECT_EQ(AreaAfter(user, plain, /*changed=*/false), plain);
}

}  // namespace
