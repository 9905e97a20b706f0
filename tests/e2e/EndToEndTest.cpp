#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QPalette>
#include <QWidget>
#include <map>

#include "EndToEnd.h"
#include "SurfplotUser.h"
#include "platform/CaptionLabel.h"
#include "platform/ControlFactory.h"
#include "window/Form1Layout.h"

namespace {

using e2e::SurfplotUser;

// Places on the window, in client pixels: the centres of the controls.
const QPoint CodeBox(512, 41);
const QPoint DataBox[] = {{}, {432, 97}, {560, 97}, {432, 121}, {560, 121}, {572, 145}, {432, 201}, {549, 201}};
const QPoint MenuButton(408, 242);
const QPoint ScaleUp(536, 236);
const QPoint ScaleDown(536, 247);
const QPoint DrawButton(432, 324);
const QPoint ExitButton(544, 324);
// The drawing area's inner 326 x 326 pixels start here.
const QPoint Area(10, 10);

QRgb Colour(uint32_t red, uint32_t green, uint32_t blue) { return qRgb(red, green, blue); }

// How often each colour occurs in the inner drawing area.
std::map<QRgb, int> AreaColours(const QImage& client) {
  std::map<QRgb, int> counts;
  for (int y = Area.y(); y < Area.y() + 326; ++y)
    for (int x = Area.x(); x < Area.x() + 326; ++x) ++counts[client.pixel(x, y) & 0xFFFFFF];
  return counts;
}

// The smallest rectangle of the inner drawing area holding everything drawn on it.
QRect DrawnBounds(const QImage& client) {
  QRect bounds;
  for (int y = Area.y(); y < Area.y() + 326; ++y)
    for (int x = Area.x(); x < Area.x() + 326; ++x)
      if ((client.pixel(x, y) & 0xFFFFFF) != (qRgb(224, 224, 224) & 0xFFFFFF)) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

int Count(const std::map<QRgb, int>& counts, QRgb colour) {
  const auto it = counts.find(colour & 0xFFFFFF);
  return it == counts.end() ? 0 : it->second;
}

// Same size and the same colour at every pixel, whatever the images' formats.
bool SamePixels(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return false;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if ((a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF)) return false;
  return true;
}

// Renders a label of the layout with the given caption, the way the program does.
QImage RenderedLabel(const char* name, const QString& caption, QRect* where) {
  QWidget window;
  window.resize(629, 366);
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, QColor(128, 128, 255));
  window.setPalette(palette);
  window.setAutoFillBackground(true);
  auto* label =
      static_cast<platform::CaptionLabel*>(platform::BuildControl(*window::FindForm1Control(name), &window));
  label->FixLayoutWidth();
  label->SetCaption(caption);
  *where = label->geometry();
  return window.grab(*where).toImage().convertToFormat(QImage::Format_RGB32);
}

bool LabelShows(const QImage& client, const char* name, const QString& caption) {
  QRect where;
  const QImage expected = RenderedLabel(name, caption, &where);
  return SamePixels(client.copy(where), expected);
}

class EndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    if (e2e::DisplayName().isEmpty()) GTEST_SKIP() << "no X server: " << e2e::DisplayFailure().toStdString();
    user = std::make_unique<SurfplotUser>(e2e::DisplayName());
    ASSERT_TRUE(user->Launch(SURFPLOT_PROGRAM)) << "the window did not appear";
  }

  void ChooseColourMode(int item) {
    user->Click(MenuButton);
    for (int i = 0; i < item; ++i) user->Key("Down");
    user->Key("Return");
  }

  void SaveScreenshot(const QImage& image, const QString& name) {
    const QString folder = qEnvironmentVariable("SURFPLOT_SCREENSHOT_DIR");
    if (!folder.isEmpty()) image.save(QDir(folder).filePath(name));
  }

  std::unique_ptr<SurfplotUser> user;
};

TEST_F(EndToEnd, StartsWithTheInputsAndTheAxes) {
  const QImage start = user->Screenshot();
  EXPECT_EQ(start.pixel(3, 3) & 0xFFFFFF, Colour(128, 128, 255) & 0xFFFFFF) << "window background";
  const auto colours = AreaColours(start);
  EXPECT_GT(Count(colours, Colour(224, 224, 224)), 300 * 300);
  EXPECT_GT(Count(colours, Colour(255, 255, 255)), 100) << "dotted white axes";
  EXPECT_GT(Count(colours, Colour(0, 0, 0)), 10) << "the letters";
  EXPECT_EQ(user->CopyText(DataBox[1]), "-1");
  EXPECT_EQ(user->CopyText(DataBox[5]), "12");
  EXPECT_EQ(user->CopyText(DataBox[6]), "");
}

TEST_F(EndToEnd, DrawsTheDefaultSurfaceAndShowsTheZRange) {
  user->Click(DrawButton);
  const QImage drawn = user->Screenshot();
  SaveScreenshot(drawn, "grid.png");
  const auto colours = AreaColours(drawn);
  EXPECT_GT(Count(colours, Colour(0, 0, 0)), 2000) << "black cell outlines";
  EXPECT_GT(Count(colours, Colour(224, 224, 224)), 20000);
  EXPECT_EQ(user->CopyText(DataBox[6]), "0.");
  EXPECT_EQ(user->CopyText(DataBox[7]), "1.708");
}

TEST_F(EndToEnd, ALeftDragTurnsTheViewAndShowsTheAngles) {
  user->Click(DrawButton);
  const QImage before = user->Screenshot();
  user->Drag(Area + QPoint(100, 100), Area + QPoint(150, 200), 10);
  const QImage after = user->Screenshot();
  EXPECT_FALSE(SamePixels(before.copy(QRect(Area, QSize(326, 326))), after.copy(QRect(Area, QSize(326, 326)))));
  // The last position sets the angles: 150 - 326 + 360 and 326 - 200 - 360.
  EXPECT_TRUE(LabelShows(after, "Label1", "184"));
  EXPECT_TRUE(LabelShows(after, "Label2", "-234"));
  EXPECT_FALSE(LabelShows(after, "Label2", "-235"));
}

TEST_F(EndToEnd, TheScaleArrowsResizeThePicture) {
  user->Click(DrawButton);
  const QImage natural = user->Screenshot();
  for (int i = 0; i < 4; ++i) user->Click(ScaleUp);
  const QImage larger = user->Screenshot();
  // 120 instead of 100: the axes reach further out.
  EXPECT_GT(DrawnBounds(larger).width(), DrawnBounds(natural).width());
  for (int i = 0; i < 4; ++i) user->Click(ScaleDown);
  EXPECT_TRUE(SamePixels(user->Screenshot().copy(QRect(Area, QSize(326, 326))),
                         natural.copy(QRect(Area, QSize(326, 326)))));
}

TEST_F(EndToEnd, EachColourModeShowsItsColours) {
  ChooseColourMode(2);
  user->Click(DrawButton);
  const QImage lines = user->Screenshot();
  SaveScreenshot(lines, "lines.png");
  auto colours = AreaColours(lines);
  EXPECT_GT(Count(colours, Colour(187, 227, 236)), 10000) << "Lines fill";
  EXPECT_GT(Count(colours, Colour(128, 128, 128)), 500) << "dark grey lines";
  EXPECT_LT(Count(colours, Colour(0, 0, 0)), 200) << "no black outlines, at most the axis letters";

  ChooseColourMode(3);
  user->Click(DrawButton);
  const QImage bands = user->Screenshot();
  SaveScreenshot(bands, "colors.png");
  colours = AreaColours(bands);
  EXPECT_GT(Count(colours, Colour(192, 192, 192)), 1000) << "light grey outlines";
  int bandColours = 0;
  for (QRgb band : {Colour(112, 99, 226), Colour(133, 231, 138), Colour(115, 213, 186), Colour(136, 209, 225),
                    Colour(187, 227, 236), Colour(177, 107, 224), Colour(234, 220, 119), Colour(234, 187, 26)})
    bandColours += Count(colours, band) > 100;
  EXPECT_GE(bandColours, 3);

  ChooseColourMode(4);
  user->Click(DrawButton);
  const QImage mixed = user->Screenshot();
  SaveScreenshot(mixed, "rnd-colors.png");
  colours = AreaColours(mixed);
  EXPECT_GT(Count(colours, Colour(192, 192, 192)), 1000);
  EXPECT_GT(colours.size(), 20u) << "many mixed colours";

  ChooseColourMode(1);
  user->Click(DrawButton);
  EXPECT_GT(Count(AreaColours(user->Screenshot()), Colour(0, 0, 0)), 2000);
}

TEST_F(EndToEnd, RefusalsAndParseErrorsAreShownInMessageBoxes) {
  user->TypeInto(DataBox[1], "1e3");
  user->Click(DrawButton);
  EXPECT_EQ(user->TakeMessageBox().value_or("(no box)"), "Wrong value");

  user->TypeInto(DataBox[1], "2");
  user->TypeInto(DataBox[5], "0");
  user->Click(DrawButton);
  EXPECT_EQ(user->TakeMessageBox().value_or("(no box)"), " Maximum 'X' Must be Greater than Minimum 'X'");
  EXPECT_EQ(user->TakeMessageBox().value_or("(no box)"), "Resolution Must be Greater than '1'");

  user->TypeInto(DataBox[1], "-1");
  user->TypeInto(DataBox[5], "12");
  user->TypeInto(CodeBox, "SIN -X");
  user->Click(DrawButton);
  EXPECT_EQ(user->TakeMessageBox().value_or("(no box)"), "Parse Error");
  EXPECT_FALSE(user->MessageBoxShowing());
  EXPECT_TRUE(user->Running());
}

TEST_F(EndToEnd, ExitEndsTheProgram) {
  user->Click(ExitButton);
  EXPECT_TRUE(user->WaitForExit());
}

}  // namespace
