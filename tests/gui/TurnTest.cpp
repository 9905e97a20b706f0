// "Turn" and "Save Turntable As..." offscreen: the view turns until the user does
// anything, and a saved turning picture is the command line's.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "ShownWindow.h"

namespace {

using TurnTest = ShownWindow;

TEST_F(TurnTest, TurnsTheViewUntilAPressAKeyADrawOrUnchecking) {
  QWidget* area = form.findChild<QWidget*>("Picture1");
  const std::pair<const char*, std::function<void()>> rows[] = {
      {"a press on the area", [&] { QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(9, 9)); }},
      {"a key elsewhere", [&] { QTest::keyClick(form.findChild<QWidget*>("Code"), Qt::Key_End); }},
      {"a draw", [&] { form.DrawFunction(); }},
      {"unchecking", [&] { form.TurnItem().setChecked(false); }},
  };
  form.DrawFunction();
  for (const auto& [name, stop] : rows) {
    const int16_t start = form.Logic().Theta();
    form.TurnItem().setChecked(true);
    // Waits for the turn rather than for a time: a busy machine may delay the first step.
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.Logic().Theta() > start; }, 10000)) << name;
    EXPECT_EQ(form.findChild<QLabel*>("Label1")->text().toInt(), form.Logic().Theta()) << name;
    stop();
    const int16_t stopped = form.Logic().Theta();
    QTest::qWait(50);
    EXPECT_FALSE(form.TurnItem().isChecked() || form.Logic().Theta() != stopped) << name;
  }
}

TEST_F(TurnTest, SavedTurntablesAreTheCommandLinesAndACancelLeavesNoFile) {
  const QTemporaryDir folder;
  form.DrawFunction();
  for (const char* name : {"t.webp", "t.gif", "t-%d.png"}) form.SaveTurntable(folder.filePath(name), 3, 90);
  EXPECT_EQ(
      std::system(qPrintable("cd " + folder.path() + " && for n in t.webp t.gif t-%d.png; do " +
                             SURFPLOT_PROGRAM " --frames 3 --turn 90 --output c$n >/dev/null; done && " +
                             "for f in ct*; do cmp $f ${f#c} || exit 1; done")),
      0);
  const QStringList saved = QDir(folder.path()).entryList(QDir::Files);
  // Cancelled at the third frame, after two numbered frames are written.
  int polls = 0;
  QTimer canceller;
  QObject::connect(&canceller, &QTimer::timeout, [&] {
    if (++polls == 3) static_cast<gui::DrawProgress&>(form.DrawProgress()).Cancel();
  });
  canceller.start(0);
  const auto bytesOf = [&](const char* name) {
    QFile file(folder.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  };
  const QByteArray earlierFrame = bytesOf("t-1.png");
  // Over frames of an earlier save too: they stay as they were, none replaced.
  for (const char* name : {"x.webp", "x-%d.png", "t-%d.png"}) {
    polls = 0;
    form.SaveTurntable(folder.filePath(name), 72, 360);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), saved) << name;
  }
  EXPECT_EQ(bytesOf("t-1.png"), earlierFrame);
  EXPECT_TRUE(messages.texts.empty());
}

}  // namespace
