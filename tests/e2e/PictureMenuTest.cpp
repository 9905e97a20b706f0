// The drawing area's own menu in the real window: a right click opens it, Save
// Picture As... and Ctrl+S write the picture through the file dialog, Copy Picture
// puts it on the clipboard, and a right click during a left drag does nothing.
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QThread>

#include "SurfplotUser.h"

namespace {

using e2e::DrawingArea;
using PictureMenu = e2e::EndToEnd;

const QString SaveDialog = "^Save Picture As$";

QPoint InArea(int x, int y) { return DrawingArea.topLeft() + QPoint(x, y); }

QImage AreaOf(const QImage& client) { return client.copy(DrawingArea); }

// The row beneath the drawing area where the angles show.
QRect AnglesRow(const QImage& client) {
  const QRect label = e2e::ControlRect("Label3");
  return {0, label.top(), client.width(), label.height()};
}

// The menu's window once it shows, or an empty string at the deadline.
QString WaitForMenu(const e2e::SurfplotUser& user) {
  const QDeadlineTimer deadline(5000);
  QStringList windows = user.OtherWindows();
  while (windows.isEmpty() && !deadline.hasExpired()) {
    QThread::msleep(50);
    windows = user.OtherWindows();
  }
  return windows.size() == 1 ? windows.first() : QString();
}

QImage PictureIn(const QString& path) { return e2e::ComparableImage(QImage(path, "PNG")); }

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// Types the full path into the file dialog's name box, which has the focus, and
// accepts; returns the dialog's window, or an empty string when none opened.
QString SaveInDialog(e2e::SurfplotUser& user, const QString& path) {
  const QString dialog = user.FocusWindow(SaveDialog);
  if (dialog.isEmpty()) return dialog;
  user.Keys("ctrl+a");
  user.Type(path);
  user.Keys("Return");
  return dialog;
}

// Types a name into the open file dialog: the file written is the drawing area of `shown`.
void ExpectSavedThroughTheDialog(e2e::SurfplotUser& user, const QString& name, const QImage& shown) {
  const QTemporaryDir folder;
  const QString path = folder.filePath(name);
  ASSERT_FALSE(SaveInDialog(user, path).isEmpty()) << "no file dialog";
  ASSERT_TRUE(e2e::WaitForFile(path, 10000));
  EXPECT_EQ(PictureIn(path), AreaOf(shown));
}

TEST_F(PictureMenu, SavePictureAsFromTheMenuWritesTheDrawnPicture) {
  user.Click("CommandDraw");
  const QImage drawn = user.SteadyScreenshot();
  user.RightClick(InArea(100, 100));
  ASSERT_FALSE(WaitForMenu(user).isEmpty()) << "the menu did not open";
  if (qEnvironmentVariableIsSet("SURFPLOT_SCREENSHOT_DIR"))
    user.ScreenScreenshot().save(
        QDir(qEnvironmentVariable("SURFPLOT_SCREENSHOT_DIR")).filePath("picture-menu.png"));
  user.Keys("Down Return");

  ExpectSavedThroughTheDialog(user, "drawn.png", drawn);
  EXPECT_TRUE(user.OtherWindows().isEmpty()) << "a window stayed open";
}

TEST_F(PictureMenu, CtrlSSavesFromTheFormulaBox) {
  user.Click("CommandDraw");
  // A turned view, so that the file holds the picture as it stands now.
  user.Drag(InArea(100, 100), {InArea(150, 200)});
  const QImage turned = user.SteadyScreenshot();
  user.Click("Code");
  user.Keys("ctrl+s");

  ExpectSavedThroughTheDialog(user, "turned.png", turned);
}

TEST_F(PictureMenu, CopyPicturePutsTheDrawnPictureOnTheClipboard) {
  user.Click("CommandDraw");
  const QImage drawn = user.SteadyScreenshot();
  user.PutTextOnClipboard("no picture");
  user.RightClick(InArea(200, 40));
  const QString menu = WaitForMenu(user);
  ASSERT_FALSE(menu.isEmpty()) << "the menu did not open";
  // Its second item of three, by the pointer this time.
  const QRect place = user.WindowPlace(menu);
  user.ClickOnScreen(place.center());
  EXPECT_EQ(user.ClipboardImage(), AreaOf(drawn));
  EXPECT_TRUE(user.OtherWindows().isEmpty()) << "the menu stayed open";
}

TEST_F(PictureMenu, ASaveThatFailsNamesTheFileInABoxAndLeavesTheOldFileAlone) {
  user.Click("CommandDraw");
  // The superuser may write any folder but /sys; anyone else is kept out of a
  // folder by its permissions, and there an old file can wait.
  const QTemporaryDir folder;
  const bool superuser = geteuid() == 0;
  const QString path = superuser ? QString("/sys/surface.png") : folder.filePath("old.png");
  const QByteArray old = "the old picture";
  // Writable again at the end, so that the folder can be removed.
  const auto writable = qScopeGuard([&folder] {
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  });
  if (!superuser) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(old), old.size());
    file.close();
    ASSERT_TRUE(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
  }

  user.RightClick(InArea(100, 100));
  ASSERT_FALSE(WaitForMenu(user).isEmpty()) << "the menu did not open";
  user.Keys("Down Return");
  const QString dialog = SaveInDialog(user, path);
  ASSERT_FALSE(dialog.isEmpty()) << "no file dialog";
  if (!superuser) {
    // The file dialog asks before it lets an old file be replaced.
    ASSERT_FALSE(user.FocusWindow(SaveDialog, 10000, dialog).isEmpty()) << "no question about the old file";
    user.Keys("alt+y");
  }
  const QString message = user.TakeMessageBox();
  EXPECT_TRUE(message.contains("\"" + path + "\"")) << message.toStdString();
  EXPECT_TRUE(message.contains("Permission denied")) << message.toStdString();
  if (!superuser) {
    EXPECT_EQ(Contents(path), old);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList("old.png"))
        << "a temporary file was left behind";
  }
  EXPECT_TRUE(user.OtherWindows().isEmpty()) << "a window stayed open";
}

TEST_F(PictureMenu, ARightClickDuringALeftDragNeitherOpensTheMenuNorTurnsTheView) {
  user.Click("CommandDraw");
  user.MovePointer(InArea(100, 100));
  user.PressButton(1);
  user.MovePointer(InArea(120, 150));
  const QImage leftOnly = user.SteadyScreenshot();

  user.PressButton(3);
  EXPECT_TRUE(user.OtherWindows().isEmpty()) << "a menu opened during the drag";
  user.MovePointer(InArea(200, 60));
  user.MovePointer(InArea(250, 250));
  const QImage bothHeld = user.SteadyScreenshot();
  EXPECT_EQ(AreaOf(bothHeld), AreaOf(leftOnly)) << "the picture turned while both buttons were held";
  EXPECT_EQ(bothHeld.copy(AnglesRow(bothHeld)), leftOnly.copy(AnglesRow(leftOnly)))
      << "the angles changed while both buttons were held";

  // With the right button up again, the drag goes on turning the view.
  user.ReleaseButton(3);
  user.MovePointer(InArea(150, 200));
  user.ReleaseButton(1);
  const QImage after = user.SteadyScreenshot();
  EXPECT_NE(AreaOf(after), AreaOf(leftOnly)) << "the drag stopped turning the picture";
  EXPECT_NE(after.copy(AnglesRow(after)), leftOnly.copy(AnglesRow(leftOnly)))
      << "the drag stopped turning the angles";
  EXPECT_TRUE(user.OtherWindows().isEmpty()) << "a menu opened during the drag";
}

TEST_F(PictureMenu, BeforeTheFirstDrawARightClickOpensTheMenuAndCopiesTheAxes) {
  const QImage axes = user.SteadyScreenshot();
  user.PutTextOnClipboard("no picture");
  user.RightClick(InArea(150, 150));
  ASSERT_FALSE(WaitForMenu(user).isEmpty()) << "the menu did not open";
  user.Keys("Down Down Return");
  EXPECT_EQ(user.ClipboardImage(), AreaOf(axes));
  EXPECT_TRUE(user.OtherWindows().isEmpty()) << "the menu stayed open";
}

}  // namespace
