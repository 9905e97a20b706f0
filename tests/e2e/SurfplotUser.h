#pragma once

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>
#include <optional>

namespace e2e {

// Drives the real program in an X window the way a person does: pointer and
// keyboard through xdotool, eyes through screenshots, text through the clipboard.
class SurfplotUser {
 public:
  explicit SurfplotUser(QString display);
  ~SurfplotUser();

  // Launches the program and waits for its window; false when it never appeared.
  bool Launch(const QString& program);

  // Client-area coordinates of the window, in pixels.
  void Click(QPoint at, int button = 1);
  void Drag(QPoint from, QPoint to, int steps);
  // Replaces the text of the box at that point.
  void TypeInto(QPoint box, const QString& text);
  void Key(const QString& keys);
  // The text of a box, copied through the clipboard.
  QString CopyText(QPoint box);

  // The client area as it shows now.
  QImage Screenshot();

  // Waits for a message box; returns its text (copied with Ctrl+C) and dismisses it.
  std::optional<QString> TakeMessageBox(int timeoutMs = 10000);
  bool MessageBoxShowing();

  // Waits until the program has ended.
  bool WaitForExit(int timeoutMs = 10000);
  bool Running() const { return process_.state() != QProcess::NotRunning; }

  // Lets the program handle what it was sent, then waits until it is idle again.
  void Settle();

 private:
  QByteArray Xdotool(const QStringList& arguments, bool* ok = nullptr);
  QPoint Screen(QPoint client) const { return client + origin_; }

  QString display_;
  QProcess process_;
  QString window_;
  QPoint origin_;
};

}  // namespace e2e
