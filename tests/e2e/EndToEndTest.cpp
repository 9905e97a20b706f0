// The real program in a real X window: what only the window system shows.
#include <QDir>
#include <map>

#include "SurfplotUser.h"

namespace {

using e2e::DrawingArea;
using EndToEnd = e2e::EndToEnd;

// How often each colour occurs in the drawing area.
std::map<QRgb, int> AreaColours(const QImage& client) {
  std::map<QRgb, int> counts;
  for (int y = DrawingArea.top(); y <= DrawingArea.bottom(); ++y)
    for (int x = DrawingArea.left(); x <= DrawingArea.right(); ++x) ++counts[client.pixel(x, y)];
  return counts;
}

TEST_F(EndToEnd, ALeftDragTurnsTheViewAndShowsTheAngles) {
  user.Click("CommandDraw");
  EXPECT_EQ(user.Copy("Data(6)") + " " + user.Copy("Data(7)"), "0. 1.708");
  const QImage before = user.Screenshot();
  const QPoint corner = DrawingArea.topLeft();
  user.Drag(corner + QPoint(100, 100), {corner + QPoint(120, 150), corner + QPoint(150, 200)});
  const QImage after = user.Screenshot();
  EXPECT_NE(before.copy(DrawingArea), after.copy(DrawingArea));
  EXPECT_NE(before.copy(e2e::AnglesRow()), after.copy(e2e::AnglesRow()));
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
    auto colours = AreaColours(drawn);
    EXPECT_GT(colours[row.outline], row.outlinePixels) << row.file;
    EXPECT_GE(colours.size(), row.colours) << row.file;
  }
}

}  // namespace
