#include <QPointF>

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
  // None, right, middle, left with right or middle: the view stays.
  for (const int buttons : {0, 2, 4, 3, 5}) form.Turn(static_cast<int16_t>(buttons), 10, 10);
  EXPECT_EQ(form.Theta(), -26);
}

TEST_F(ViewTest, AFaultDuringADragIsReportedOncePerDrag) {
  // Far from 0 the cube coordinates grow large; a large scale pushes them beyond 32-bit pixels.
  SetInputLine("1000000 1000010 -1 1 12");
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

// Before the first draw, or at the largest angle, there is nothing to turn, so a steady
// turn stops; the redraws of a small surface leave the pointer alone, sparing a drag two
// trips to the display.
TEST_F(ViewTest, TurnsNeedASurfaceAndSmallRedrawsLeaveThePointer) {
  EXPECT_FALSE(form.TurnOnwards(5));
  form.Draw();
  const std::size_t pointerChanges = controls.pointerChanges.size();
  EXPECT_TRUE(form.TurnOnwards(5));
  form.Turn(Left, 10, 10);
  EXPECT_EQ(controls.pointerChanges.size(), pointerChanges);
  form.SetViewAngles(32767, 0);
  EXPECT_FALSE(form.TurnOnwards(1)) << "at the largest angle the view no longer turns";
}
