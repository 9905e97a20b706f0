#include <QDir>
#include <QPalette>
#include <QWidget>
#include <map>

#include "SurfplotUser.h"
#include "gui/CaptionLabel.h"
#include "gui/ControlFactory.h"
#include "window/WindowLayout.h"

namespace {

using e2e::DrawingArea;
using EndToEnd = e2e::EndToEnd;

const QRgb Background = qRgb(224, 224, 224), Black = qRgb(0, 0, 0);

// How often each colour occurs in the drawing area.
std::map<QRgb, int> AreaColours(const QImage& client) {
  std::map<QRgb, int> counts;
  for (int y = DrawingArea.top(); y <= DrawingArea.bottom(); ++y)
    for (int x = DrawingArea.left(); x <= DrawingArea.right(); ++x) ++counts[client.pixel(x, y)];
  return counts;
}

// Whether the window shows the label with that caption exactly as the program renders it.
bool LabelShows(const QImage& client, const char* name, const QString& caption) {
  QWidget window;
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, QColor(128, 128, 255));
  window.setPalette(palette);
  window.setAutoFillBackground(true);
  auto* label = static_cast<gui::CaptionLabel*>(gui::BuildControl(*window::FindControlLayout(name), &window));
  label->FixLayoutWidth();
  label->SetCaption(caption);
  return client.copy(label->geometry()) ==
         window.grab(label->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
}

TEST_F(EndToEnd, StartsWithTheInputsAndTheAxes) {
  const QImage start = user.Screenshot();
  EXPECT_EQ(start.pixel(3, 3), qRgb(128, 128, 255)) << "window background";
  auto colours = AreaColours(start);
  EXPECT_GT(colours[Background], 300 * 300);
  EXPECT_GT(colours[qRgb(255, 255, 255)], 100) << "dotted white axes";
  EXPECT_GT(colours[Black], 10) << "the letters";
  EXPECT_EQ(user.Copy("Data(1)") + " " + user.Copy("Data(5)") + " " + user.Copy("Data(6)"), "-1 12 ");
}

TEST_F(EndToEnd, ALeftDragTurnsTheViewAndShowsTheAngles) {
  user.Click("CommandDraw");
  EXPECT_EQ(user.Copy("Data(6)") + " " + user.Copy("Data(7)"), "0. 1.708");
  const QImage before = user.Screenshot();
  const QPoint corner = DrawingArea.topLeft();
  user.Drag(corner + QPoint(100, 100), {corner + QPoint(120, 150), corner + QPoint(150, 200)});
  const QImage after = user.Screenshot();
  EXPECT_NE(before.copy(DrawingArea), after.copy(DrawingArea));
  // The last position sets the angles: 150 - 326 + 360 and 326 - 200 - 360.
  EXPECT_TRUE(LabelShows(after, "Label1", "184"));
  EXPECT_TRUE(LabelShows(after, "Label2", "-234"));
  EXPECT_FALSE(LabelShows(after, "Label2", "-235"));
}

TEST_F(EndToEnd, TheScaleArrowsResizeThePicture) {
  user.Click("CommandDraw");
  const QImage natural = user.Screenshot();
  for (int i = 0; i < 4; ++i) user.Click("GraphScale", {0, -5});
  // 120 instead of 100: the picture covers more of the background.
  EXPECT_LT(AreaColours(user.Screenshot())[Background], AreaColours(natural)[Background]);
  for (int i = 0; i < 4; ++i) user.Click("GraphScale", {0, 6});
  EXPECT_EQ(user.Screenshot().copy(DrawingArea), natural.copy(DrawingArea));
}

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
      {1, "grid.png", Black, 2000, 3},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.file);
    user.Click("CmdMenu");
    user.Keys(QString("Down ").repeated(row.item) + "Return");
    user.Click("CommandDraw");
    const QImage drawn = user.Screenshot();
    if (qEnvironmentVariableIsSet("SURFPLOT_SCREENSHOT_DIR"))
      drawn.save(QDir(qEnvironmentVariable("SURFPLOT_SCREENSHOT_DIR")).filePath(row.file));
    auto colours = AreaColours(drawn);
    EXPECT_GT(colours[row.outline], row.outlinePixels);
    EXPECT_GE(colours.size(), row.colours);
  }
}

TEST_F(EndToEnd, RefusalsAndParseErrorsAreShownInMessageBoxesAndExitEnds) {
  const struct {
    std::vector<std::pair<const char*, QByteArray>> pasted;
    QStringList messages;
  } attempts[] = {
      {{{"Data(1)", "1e3"}}, {"Wrong value"}},
      {{{"Data(1)", "2"}, {"Data(5)", "0"}},
       {" Maximum 'X' Must be Greater than Minimum 'X'", "Resolution Must be Greater than '1'"}},
      {{{"Data(1)", "-1"}, {"Data(3)", "1"}, {"Data(5)", "12"}},
       {" Maximum 'Y' Must be Greater than Minimum 'Y'"}},
      {{{"Data(3)", "-1"}, {"Code", "SIN -X"}}, {"Parse Error"}},
  };
  for (const auto& attempt : attempts) {
    for (const auto& [box, text] : attempt.pasted) user.Paste(box, text);
    user.Click("CommandDraw");
    for (const QString& message : attempt.messages) EXPECT_EQ(user.TakeMessageBox(), message);
  }
  EXPECT_EQ(user.TakeMessageBox(0), "(no box)");
  user.Click("Command1");
  EXPECT_TRUE(user.WaitForExit()) << "Exit did not end the program";
}

}  // namespace
