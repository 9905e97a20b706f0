#include <QPointF>
#include <QRect>
#include <functional>
#include <tuple>

#include "PlotWindowFixture.h"

using ViewTest = PlotWindowTest;

TEST_F(ViewTest, OnlyALeftDragSetsTheAnglesFromThePointer) {
  form.Draw();
  // Beyond the area the mapping goes on; halves round to even.
  const std::pair<QPointF, std::string> rows[] = {
      {{0, 0}, "34 -34"}, {{326, 326}, "360 -360"}, {{-59.5, -139.5}, "-26 106"}};
  for (const auto& [pointer, angles] : rows) {
    form.Turn(Left, static_cast<float>(pointer.x()), static_cast<float>(pointer.y()));
    EXPECT_EQ(std::to_string(form.Theta()) + " " + std::to_string(form.Phi()), angles);
    EXPECT_EQ(controls.angles[0] + " " + controls.angles[1], angles);
  }
  for (const int16_t buttons :
       std::initializer_list<int16_t>{0, 2, 4, 3, 5}) {  // none, right, middle, left with right or middle
    form.Turn(buttons, 10, 10);
    EXPECT_EQ(form.Theta(), -26) << buttons;
  }
}

// The smallest rectangle holding every pixel that differs from the background.
static QRect DrawnBounds(const gui::ImageSurface& surface) {
  QRect bounds;
  for (int y = 0; y < surface.image().height(); ++y)
    for (int x = 0; x < surface.image().width(); ++x)
      if (surface.PixelAt(x, y) != render::Rgb(0xE0, 0xE0, 0xE0)) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

TEST_F(ViewTest, ScaleZeroCollapsesTheViewAndANegativeScaleMirrorsIt) {
  form.Draw();
  const QRect natural = DrawnBounds(controls.surface);
  controls.scale = 0;
  form.ScaleChanged();
  // Everything collapses onto the centre, where the three letters are written.
  EXPECT_TRUE(QRect(163, 163, 20, 20).contains(DrawnBounds(controls.surface)));
  controls.scale = -100;
  form.ScaleChanged();
  // Mirrored through the centre; the letters still extend right and down from their corners.
  const QRect mirrored = DrawnBounds(controls.surface);
  EXPECT_NEAR(mirrored.left(), 325 - natural.right(), 16);
  EXPECT_NEAR(mirrored.top(), 325 - natural.bottom(), 16);
}

TEST_F(ViewTest, ColourCodesAreThoseOfTheLastBuild) {
  form.Draw();  // built in "Grid": every code 0
  form.ChooseColorMode(surface::ColorMode::Colors);
  form.Turn(Left, 100, 100);
  EXPECT_EQ(controls.surface.PixelAt(163, 163), 0u) << "\"Colors\" fills with the old code 0";
  form.Draw();
  EXPECT_NE(controls.surface.PixelAt(163, 163), 0u);
}

TEST_F(ViewTest, AFaultDuringADragIsReportedOncePerDrag) {
  // Far from 0 the cube coordinates grow large; a large scale pushes them beyond 32-bit pixels.
  SetInputs({"1000000", "1000010", "-1", "1", "12"});
  form.Draw();
  controls.scale = 50000;
  for (int i = 0; i < 20; ++i) form.Turn(Left, static_cast<float>(100 + i), 100);
  ASSERT_EQ(controls.messages.size(), 1u);
  EXPECT_EQ(controls.messages[0].icon, window::MessageIcon::Critical);
  EXPECT_NE(controls.messages[0].text.find("Overflow"), std::string::npos);
  EXPECT_EQ(controls.pointerChanges.back().second, window::PointerShape::Default);
  // A new drag reports again.
  form.Turn(0, 100, 100);
  form.Turn(Left, 100, 100);
  EXPECT_EQ(controls.messages.size(), 2u);
}

// The busy pointer shows for the draw command, which builds a table; the redraws of a drag
// or a scale change over a table of this size are too quick to be worth two round trips to
// the display each.
TEST_F(ViewTest, OnlyTheDrawCommandShowsTheBusyPointerForASmallTable) {
  using window::PointerShape;
  using window::PointerTarget;
  using Changes = std::vector<std::pair<PointerTarget, PointerShape>>;
  const Changes busyAndBack{{PointerTarget::Window, PointerShape::Busy},
                            {PointerTarget::DrawingArea, PointerShape::Busy},
                            {PointerTarget::Window, PointerShape::Default},
                            {PointerTarget::DrawingArea, PointerShape::Default}};
  const std::tuple<const char*, std::function<void()>, Changes> rows[] = {
      {"draw", [&] { form.Draw(); }, busyAndBack},
      {"drag", [&] { form.Turn(Left, 120, 40); }, {}},
      {"scale", [&] { controls.scale = 80, form.ScaleChanged(); }, {}},
  };
  form.Draw();
  for (const auto& [name, action, changes] : rows) {
    controls.pointerChanges.clear();
    action();
    EXPECT_EQ(controls.pointerChanges, changes) << name;
  }
}
