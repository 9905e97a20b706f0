#include <QDir>
#include <QPalette>
#include <QWidget>
#include <map>

#include "SurfplotUser.h"
#include "platform/CaptionLabel.h"
#include "platform/ControlFactory.h"
#include "window/Form1Layout.h"

namespace {

using e2e::SurfplotUser;
using EndToEnd = e2e::EndToEnd;

const QPoint DrawButton = SurfplotUser::Centre("CommandDraw");
const QPoint ScaleArrows = SurfplotUser::Centre("GraphScale");
const QRect Area(10, 10, 326, 326);  // the drawing area inside its border
const QRgb Background = qRgb(224, 224, 224), Black = qRgb(0, 0, 0);

// How often each colour occurs in the drawing area.
std::map<QRgb, int> AreaColours(const QImage& client) {
  std::map<QRgb, int> counts;
  for (int y = Area.top(); y <= Area.bottom(); ++y)
    for (int x = Area.left(); x <= Area.right(); ++x) ++counts[client.pixel(x, y)];
  return counts;
}

// Whether the window shows the label with that caption exactly as the program renders it.
bool LabelShows(const QImage& client, const char* name, const QString& caption) {
  QWidget window;
  window.resize(client.size());
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, QColor(128, 128, 255));
  window.setPalette(palette);
  window.setAutoFillBackground(true);
  auto* label =
      static_cast<platform::CaptionLabel*>(platform::BuildControl(*window::FindForm1Control(name), &window));
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
  EXPECT_EQ(user.Copy(SurfplotUser::Centre("Data(1)")), "-1");
  EXPECT_EQ(user.Copy(SurfplotUser::Centre("Data(5)")), "12");
  EXPECT_EQ(user.Copy(SurfplotUser::Centre("Data(6)")), "");
}

TEST_F(EndToEnd, ALeftDragTurnsTheViewAndShowsTheAngles) {
  user.Click(DrawButton);
  EXPECT_EQ(user.Copy(SurfplotUser::Centre("Data(6)")), "0.");
  EXPECT_EQ(user.Copy(SurfplotUser::Centre("Data(7)")), "1.708");
  const QImage before = user.Screenshot();
  user.Drag(Area.topLeft() + QPoint(100, 100),
            {Area.topLeft() + QPoint(120, 150), Area.topLeft() + QPoint(150, 200)});
  const QImage after = user.Screenshot();
  EXPECT_NE(before.copy(Area), after.copy(Area));
  // The last position sets the angles: 150 - 326 + 360 and 326 - 200 - 360.
  EXPECT_TRUE(LabelShows(after, "Label1", "184"));
  EXPECT_TRUE(LabelShows(after, "Label2", "-234"));
  EXPECT_FALSE(LabelShows(after, "Label2", "-235"));
}

TEST_F(EndToEnd, TheScaleArrowsResizeThePicture) {
  user.Click(DrawButton);
  const QImage natural = user.Screenshot();
  for (int i = 0; i < 4; ++i) user.Click(ScaleArrows - QPoint(0, 5));
  // 120 instead of 100: the picture covers more of the background.
  EXPECT_LT(AreaColours(user.Screenshot())[Background], AreaColours(natural)[Background]);
  for (int i = 0; i < 4; ++i) user.Click(ScaleArrows + QPoint(0, 6));
  EXPECT_EQ(user.Screenshot().copy(Area), natural.copy(Area));
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
    user.Click(SurfplotUser::Centre("CmdMenu"));
    user.Keys(QString("Down ").repeated(row.item) + "Return");
    user.Click(DrawButton);
    const QImage drawn = user.Screenshot();
    if (qEnvironmentVariableIsSet("SURFPLOT_SCREENSHOT_DIR"))
      drawn.save(QDir(qEnvironmentVariable("SURFPLOT_SCREENSHOT_DIR")).filePath(row.file));
    auto colours = AreaColours(drawn);
    EXPECT_GT(colours[row.outline], row.outlinePixels);
    EXPECT_GE(colours.size(), row.colours);
  }
}

TEST_F(EndToEnd, RefusalsAndParseErrorsAreShownInMessageBoxes) {
  user.Paste(SurfplotUser::Centre("Data(1)"), "1e3");
  user.Click(DrawButton);
  EXPECT_EQ(user.TakeMessageBox().value_or("(no box)"), "Wrong value");

  user.Paste(SurfplotUser::Centre("Data(1)"), "2");
  user.Paste(SurfplotUser::Centre("Data(5)"), "0");
  user.Click(DrawButton);
  EXPECT_EQ(user.TakeMessageBox().value_or("(no box)"), " Maximum 'X' Must be Greater than Minimum 'X'");
  EXPECT_EQ(user.TakeMessageBox().value_or("(no box)"), "Resolution Must be Greater than '1'");

  user.Paste(SurfplotUser::Centre("Data(1)"), "-1");
  user.Paste(SurfplotUser::Centre("Data(3)"), "1");
  user.Paste(SurfplotUser::Centre("Data(5)"), "12");
  user.Click(DrawButton);
  EXPECT_EQ(user.TakeMessageBox().value_or("(no box)"), " Maximum 'Y' Must be Greater than Minimum 'Y'");

  user.Paste(SurfplotUser::Centre("Data(3)"), "-1");
  user.Paste(SurfplotUser::Centre("Code"), "SIN -X");
  user.Click(DrawButton);
  EXPECT_EQ(user.TakeMessageBox().value_or("(no box)"), "Parse Error");
  EXPECT_FALSE(user.MessageBoxShowing());

  user.Click(SurfplotUser::Centre("Command1"));
  EXPECT_TRUE(user.WaitForExit()) << "Exit did not end the program";
}

}  // namespace
