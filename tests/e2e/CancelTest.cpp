#include "SurfplotUser.h"

namespace {

using e2e::DrawingArea;
using EndToEnd = e2e::EndToEnd;

// A draw long enough to show its progress: Esc stops it and nothing changes.
TEST_F(EndToEnd, EscStopsALongDrawAndLeavesEverythingAsItWas) {
  user.Click("CommandDraw");
  ASSERT_TRUE(user.WaitForText("Data(7)", "1.708", 30000));
  const QImage before = user.SteadyScreenshot().copy(DrawingArea);
  // Several seconds on any machine: RND keeps the work on one thread.
  user.Paste(
      "Code",
      "Sin(X * Y) * Cos(X) + Atn(X) * Log(Y + 2) + Exp(X / 3) * Sqr(Y + 1) + Sin(X + Y) * Cos(X - Y) + "
      "Atn(Y) * Exp(Y / 4) + Rnd(1) / 1000");
  user.Paste("Data(5)", "1800");
  user.Click("CommandDraw");
  const QString dialog = user.FocusWindow("^surfplot$", 30000);
  ASSERT_FALSE(dialog.isEmpty()) << "no progress dialog";
  user.Keys("Escape");
  EXPECT_TRUE(user.WaitForText("Data(7)", "1.708", 60000)) << "the Z range of the earlier draw";
  EXPECT_EQ(user.Copy("Data(6)"), "0.");
  EXPECT_EQ(user.SteadyScreenshot().copy(DrawingArea), before) << "the earlier picture";
  EXPECT_TRUE(user.OtherWindows().isEmpty()) << "the dialog is gone";
}

}  // namespace
