#include <gtest/gtest.h>

#include <QImage>

#include "Form1TestFixture.h"

namespace {

using platform::MessageIcon;
using ViewTest = Form1Test;

constexpr int16_t Left = 1, Right = 2, Middle = 4;

TEST_F(ViewTest, NothingTurnsBeforeTheFirstDraw) {
  const QImage before = controls.surface.image().copy();
  controls.picture1Enabled = true;  // even a move that got through changes nothing
  controls.graphScale = 200;
  form.GraphScale_Change();
  EXPECT_EQ(controls.surface.image(), before);
  EXPECT_TRUE(controls.messages.empty());
}

TEST_F(ViewTest, ALeftDragSetsTheAnglesFromThePointer) {
  form.CommandDraw_Click();
  form.Picture1_MouseMove(Left, 0, 0, 0);
  EXPECT_EQ(form.Theta(), 34);
  EXPECT_EQ(form.Phi(), -34);
  EXPECT_EQ(controls.labels[1], "34");
  EXPECT_EQ(controls.labels[2], "-34");

  form.Picture1_MouseMove(Left, 0, 326, 326);
  EXPECT_EQ(form.Theta(), 360);
  EXPECT_EQ(form.Phi(), -360);
  // Beyond the area the mapping goes on linearly; halves round to even.
  form.Picture1_MouseMove(Left, 0, -59.5f, -139.5f);
  EXPECT_EQ(form.Theta(), -26);
  EXPECT_EQ(form.Phi(), 106);
  EXPECT_EQ(controls.labels[1], "-26");
}

TEST_F(ViewTest, OnlyTheLeftButtonAloneDrags) {
  form.CommandDraw_Click();
  const QImage before = controls.surface.image().copy();
  for (int buttons : {0, Right | 0, Middle | 0, Left | Right, Left | Middle}) {
    form.Picture1_MouseMove(static_cast<int16_t>(buttons), 0, 10, 10);
    EXPECT_EQ(form.Theta(), -25) << buttons;
    EXPECT_EQ(controls.surface.image(), before) << buttons;
  }
  EXPECT_EQ(controls.labels[1], "");
}

TEST_F(ViewTest, TheScaleControlRedraws) {
  form.CommandDraw_Click();
  const QRect natural = DrawnBounds();
  controls.graphScale = 0;
  form.GraphScale_Change();
  // Everything collapses onto the centre, where the three letters are written.
  EXPECT_TRUE(QRect(163, 163, 20, 20).contains(DrawnBounds())) << DrawnBounds().x() << "," << DrawnBounds().y();
  controls.graphScale = -100;
  form.GraphScale_Change();
  // A negative scale mirrors the picture through the centre; the letters still
  // extend right and down from their corners, so allow for their size.
  const QRect mirrored = DrawnBounds();
  EXPECT_NEAR(mirrored.left(), 326 - 1 - natural.right(), 16);
  EXPECT_NEAR(mirrored.top(), 326 - 1 - natural.bottom(), 16);
  EXPECT_NEAR(mirrored.right(), 326 - 1 - natural.left(), 16);
}

TEST_F(ViewTest, TheMenuMovesTheCheckMarkOnly) {
  form.CommandDraw_Click();
  const QImage before = controls.surface.image().copy();
  form.CmdMenu_Click();
  EXPECT_EQ(controls.popups, 1);
  form.MenuColorModeItem_Click(3);
  EXPECT_EQ(controls.menuChecked, (std::array<bool, 5>{false, false, false, true, false}));
  EXPECT_EQ(controls.surface.image(), before);
  form.MenuColorModeItem_Click(3);
  EXPECT_TRUE(controls.menuChecked[3]);
}

TEST_F(ViewTest, ColourCodesAreThoseOfTheLastBuild) {
  form.CommandDraw_Click();  // built in "Grid": every code 0
  form.MenuColorModeItem_Click(3);
  form.Picture1_MouseMove(Left, 0, 100, 100);
  // "Colors" fills with the code, which is still 0: black cells.
  EXPECT_EQ(controls.surface.PixelAt(163, 163), 0u);
  form.CommandDraw_Click();
  EXPECT_NE(controls.surface.PixelAt(163, 163), 0u);
}

TEST_F(ViewTest, ExitUnloads) {
  form.Command1_Click();
  EXPECT_TRUE(controls.unloaded);
}

TEST_F(ViewTest, AFaultDuringADragIsReportedOnceAndTheWindowGoesOn) {
  // Far from 0 the cube coordinates grow large (the centre is a sum over 8), and a
  // large scale pushes them beyond a 32-bit pixel coordinate.
  SetInputs("1000000", "1000010", "-1", "1", "12");
  form.CommandDraw_Click();
  ASSERT_TRUE(controls.messages.empty());
  controls.graphScale = 50000;
  for (int i = 0; i < 20; ++i) form.Picture1_MouseMove(Left, 0, 100 + i, 100);
  ASSERT_EQ(controls.messages.size(), 1u);
  EXPECT_EQ(controls.messages[0].icon, MessageIcon::Critical);
  EXPECT_NE(controls.messages[0].text.find("Overflow"), std::string::npos);
  EXPECT_EQ(controls.pointerChanges.back().second, platform::PointerShape::Default);

  // A new drag reports again; a smaller scale draws again.
  form.Picture1_MouseMove(0, 0, 100, 100);
  form.Picture1_MouseMove(Left, 0, 100, 100);
  EXPECT_EQ(controls.messages.size(), 2u);
  controls.graphScale = 0;
  form.GraphScale_Change();
  EXPECT_EQ(controls.messages.size(), 2u);
}

}  // namespace
