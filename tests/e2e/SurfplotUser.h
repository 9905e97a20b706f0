#pragma once

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QVector>
#include <ostream>
#include <string_view>

// Failures show an image by its size, not its bytes.
inline void PrintTo(const QImage& image, std::ostream* out) {
  *out << image.width() << "x" << image.height();
}

namespace e2e {

// Drives the real program on the X display of $DISPLAY the way a person does, and
// faster: pointer and keys through xdotool, eyes through screenshots. Positions are client pixels; they must
// not be negative.
class SurfplotUser {
 public:
  ~SurfplotUser();

  // Launches the program and waits for its window; false when it never appeared.
  bool Launch();
  // Controls are named as in the window's layout, such as "Data(5)".
  void Click(std::string_view control);
  void Keys(const QString& spaceSeparated);
  // Presses the left button at `from`, moves through the path in one burst and lets go.
  void Drag(QPoint from, const QVector<QPoint>& path);
  // Right-clicks the drawing area and picks the menu's item (1 is the first); false
  // when the menu did not open.
  bool ChooseFromAreaMenu(int item);
  // Types the text into whatever has the keyboard.
  void Type(const QString& text);
  // The client area as it shows now, and once it has stopped changing.
  QImage Screenshot();
  QImage SteadyScreenshot();
  // The image on the clipboard as a PNG, once one is there; a null image at the deadline.
  QImage ClipboardImage();
  // The program's visible windows besides the main one: an open menu, a dialog, a box.
  QStringList OtherWindows() const;
  // Waits until the program shows its main window alone; false at the deadline.
  bool WaitUntilAlone(int timeoutMs);
  // Waits for a visible window titled so and gives it the keyboard; returns its id, or
  // an empty string at the deadline.
  QString FocusWindow(const QString& captionPattern, int timeoutMs = 10000);
  // Starts a draw of several seconds over an earlier one; false when its progress
  // dialog did not show. The dialog has the keyboard. Without waiting, at once true.
  bool StartLongDraw(bool waitForDialog = true);
  // What a window manager's close button sends the main window.
  void AskToClose();
  bool WaitForExit() { return process_.state() == QProcess::NotRunning || process_.waitForFinished(10000); }

 private:
  QStringList MoveTo(QPoint client) const;

  QProcess process_;
  QString window_;
};

// The drawing area inside its border, in client pixels.
inline const QRect DrawingArea(10, 10, 326, 326);
// Waits until the file exists; false at the deadline.
bool WaitForFile(const QString& path, int timeoutMs);
// Untagged RGB32, like the screenshots, so that == compares pixels alone.
QImage ComparableImage(QImage image);

// Every test starts the program afresh.
class EndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "no X server: is Xvfb installed?";
    ASSERT_TRUE(user.Launch()) << "the window did not appear";
  }
  SurfplotUser user;
};

}  // namespace e2e
