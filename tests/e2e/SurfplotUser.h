#pragma once

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QVector>
#include <string_view>

namespace e2e {

// Drives the real program on the X display of $DISPLAY the way a person does, and
// faster: pointer and keys through xdotool, eyes through screenshots, text through
// the clipboard. Positions are client pixels; they must not be negative.
class SurfplotUser {
 public:
  ~SurfplotUser();

  // Launches the program and waits for its window; false when it never appeared.
  bool Launch();
  // Controls are named as in the window's layout, such as "Data(5)"; the offset is
  // from the control's centre.
  void Click(std::string_view control, QPoint offset = {});
  void Keys(const QString& spaceSeparated);
  // Presses the left button at `from`, moves through the path in one burst and lets go.
  void Drag(QPoint from, const QVector<QPoint>& path);
  // Replaces the text of the box by pasting through the clipboard.
  void Paste(std::string_view box, const QByteArray& text);
  // The text of a box, copied through the clipboard.
  QString Copy(std::string_view box);
  // Waits until the program has worked through everything sent so far: the copy
  // keys queue behind whatever it is still busy with.
  bool WaitForText(std::string_view box, const QString& expected, int timeoutMs);
  // The client area as it shows now.
  QImage Screenshot();

  // Waits for a message box; returns its text (copied with Ctrl+C) and dismisses it,
  // or "(no box)".
  QString TakeMessageBox(int timeoutMs = 10000);

  bool Running() const { return process_.state() != QProcess::NotRunning; }
  bool WaitForExit() { return !Running() || process_.waitForFinished(10000); }
  // The program's resident memory in bytes; 0 once it has ended.
  std::size_t ResidentBytes() const;

 private:
  QStringList MoveTo(QPoint client) const;

  QProcess process_;
  QString window_;
};

// The drawing area inside its border, in client pixels.
inline const QRect DrawingArea(10, 10, 326, 326);

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
