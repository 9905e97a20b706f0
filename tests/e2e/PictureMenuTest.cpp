// The drawing area's own menu in the real window: a right click opens it, Save
// Picture As... writes the picture through the file dialog, and Copy Picture puts it on
// the clipboard.
#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QThread>

#include "SurfplotUser.h"

namespace {

using e2e::DrawingArea;
using PictureMenu = e2e::EndToEnd;

QPoint InArea(int x, int y) { return DrawingArea.topLeft() + QPoint(x, y); }

QImage AreaOf(const QImage& client) { return client.copy(DrawingArea); }

// Opens the menu with a right click; false when it did not show by the deadline.
bool OpenMenu(e2e::SurfplotUser& user, QPoint at) {
  user.RightClick(at);
  const QDeadlineTimer deadline(5000);
  while (user.OtherWindows().size() != 1 && !deadline.hasExpired()) QThread::msleep(50);
  return user.OtherWindows().size() == 1;
}

TEST_F(PictureMenu, SavePictureAsWritesTheDrawnPicture) {
  user.Click("CommandDraw");
  const QImage drawn = user.SteadyScreenshot();
  ASSERT_TRUE(OpenMenu(user, InArea(100, 100))) << "the menu did not open";
  user.Keys("Down Return");
  ASSERT_FALSE(user.FocusWindow("^Save Picture As$").isEmpty()) << "no file dialog";
  const QTemporaryDir folder;
  const QString path = folder.filePath("drawn.png");
  user.Keys("ctrl+a");
  user.Type(path);
  user.Keys("Return");
  ASSERT_TRUE(e2e::WaitForFile(path, 10000));
  EXPECT_EQ(e2e::ComparableImage(QImage(path, "PNG")), AreaOf(drawn));
  EXPECT_TRUE(user.OtherWindows().isEmpty()) << "a window stayed open";
}

TEST_F(PictureMenu, CopyPicturePutsTheDrawnPictureOnTheClipboard) {
  user.Click("CommandDraw");
  const QImage drawn = user.SteadyScreenshot();
  user.PutTextOnClipboard("no picture");
  ASSERT_TRUE(OpenMenu(user, InArea(200, 40))) << "the menu did not open";
  user.Keys("Down Down Return");
  EXPECT_EQ(user.ClipboardImage(), AreaOf(drawn));
  EXPECT_TRUE(user.OtherWindows().isEmpty()) << "the menu stayed open";
}

}  // namespace
