#include <gtest/gtest.h>

#include <QImage>

#include "Form1TestFixture.h"
#include "formula/Module1.h"

namespace {

using platform::MessageIcon;
using DrawCommandTest = Form1Test;

TEST_F(DrawCommandTest, StartUpShowsTheInputsAndTheAxesOnly) {
  EXPECT_EQ(std::vector<std::string>(controls.data.begin() + 1, controls.data.end()),
            (std::vector<std::string>{"-1", "1", "-1", "1", "12", "", ""}));
  EXPECT_EQ(controls.labels[1] + controls.labels[2], "");
  EXPECT_FALSE(controls.picture1Enabled);
  EXPECT_EQ(form.Theta(), -25);
  EXPECT_EQ(form.Phi(), 105);
  EXPECT_FALSE(form.Coefficients().CoefX.has_value());
  EXPECT_TRUE(form.Spots().empty());
  EXPECT_GT(DrawnPixels(), 0) << "the axes are drawn";
  EXPECT_TRUE(controls.messages.empty());
}

TEST_F(DrawCommandTest, TheStartInputsDrawTheDefaultSurface) {
  form.CommandDraw_Click();
  EXPECT_TRUE(controls.messages.empty());
  EXPECT_EQ(form.Spots().size(), 144u);
  EXPECT_EQ(controls.data[6], "0.");
  EXPECT_EQ(controls.data[7], "1.708");
  EXPECT_EQ(form.Limits().ZMax(), 1.7080734f);
  controls.decimalSeparator = ',';  // the user's own separator
  form.CommandDraw_Click();
  EXPECT_EQ(controls.data[7], "1,708");
  EXPECT_EQ(form.Coefficients().CoefX, 75.0f);
  EXPECT_TRUE(controls.picture1Enabled);
  // Light grey cells with black outlines in the default mode.
  EXPECT_GT(CountPixels(0), 1000);
  EXPECT_GT(DrawnPixels(), 1000);
  // The busy pointer showed and was put back.
  ASSERT_FALSE(controls.pointerChanges.empty());
  EXPECT_EQ(controls.pointerChanges.back().second, platform::PointerShape::Default);
}

TEST_F(DrawCommandTest, ARefusedInputLeavesEverythingAsItWas) {
  form.CommandDraw_Click();
  const QImage before = controls.surface.image().copy();
  const auto spotsBefore = form.Spots();
  controls.data[2] = "-5";
  form.CommandDraw_Click();
  EXPECT_EQ(controls.messages.size(), 1u);
  EXPECT_EQ(controls.messages[0].text, " Maximum 'X' Must be Greater than Minimum 'X'");
  EXPECT_EQ(controls.surface.image(), before);
  EXPECT_EQ(form.Spots(), spotsBefore);
}

TEST_F(DrawCommandTest, AParseErrorKeepsTheEarlierSurfaceWhichStillTurns) {
  form.CommandDraw_Click();
  const QImage before = controls.surface.image().copy();
  const auto spotsBefore = form.Spots();
  controls.code = "SIN -X";
  form.CommandDraw_Click();
  ASSERT_EQ(controls.messages.size(), 1u);
  EXPECT_EQ(controls.messages[0], (testing_support::ShownMessage{"Parse Error", MessageIcon::None}));
  EXPECT_EQ(form.Spots(), spotsBefore);
  EXPECT_EQ(controls.surface.image(), before);
  EXPECT_EQ(controls.data[6], "0.");
  EXPECT_EQ(controls.data[7], "0.");

  form.Picture1_MouseMove(1, 0, 10, 10);
  EXPECT_NE(controls.surface.image(), before);
  EXPECT_EQ(form.Spots().size(), 144u);
}

TEST_F(DrawCommandTest, AParseErrorOnTheFirstDrawKeepsTheAreaDisabled) {
  controls.code = "";
  form.CommandDraw_Click();
  EXPECT_EQ(controls.messages.size(), 1u);
  EXPECT_FALSE(controls.picture1Enabled);
  EXPECT_TRUE(form.Spots().empty());
}

TEST_F(DrawCommandTest, GridsThatCannotBeWalkedOrHeldAreRefusedBeforeAnythingChanges) {
  form.CommandDraw_Click();
  const auto spotsBefore = form.Spots();
  // A step lost in rounding, and a table far beyond the memory cap.
  for (const char* resolution : {"100", "100000"}) {
    controls.messages.clear();
    SetInputs(resolution[3] ? "-1" : "1000000", resolution[3] ? "1" : "1000001", "-1", "1", resolution);
    form.CommandDraw_Click();
    ASSERT_EQ(controls.messages.size(), 1u) << resolution;
    EXPECT_EQ(controls.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(form.Spots(), spotsBefore);
    EXPECT_EQ(controls.data[7], "1.708");
  }
}

TEST_F(DrawCommandTest, AFormulaTooLongToEvaluateIsRefusedNotDrawnFlat) {
  form.CommandDraw_Click();
  const auto spotsBefore = form.Spots();
  std::string longest = "X";
  for (int i = 0; i < 48; ++i) longest += "+X";  // 97 tokens: still fits
  controls.code = longest;
  form.CommandDraw_Click();
  EXPECT_TRUE(controls.messages.empty());
  EXPECT_NE(form.Spots(), spotsBefore);
  const auto spotsOfLongest = form.Spots();
  const std::string zMaxOfLongest = controls.data[7];

  controls.code = longest + "+X";  // 99 tokens
  form.CommandDraw_Click();
  ASSERT_EQ(controls.messages.size(), 1u);
  EXPECT_EQ(controls.messages[0].icon, MessageIcon::Critical);
  EXPECT_NE(controls.messages[0].text.find("too long"), std::string::npos);
  EXPECT_EQ(controls.data[7], zMaxOfLongest);
  EXPECT_EQ(form.Spots(), spotsOfLongest);
}

TEST_F(DrawCommandTest, FormulaFaultsAreNotReported) {
  controls.code = "LOG(X - 5)";
  form.CommandDraw_Click();
  EXPECT_TRUE(controls.messages.empty());
  EXPECT_EQ(Module1::ParseError, 5);
  EXPECT_EQ(form.Spots().size(), 144u);
}

}  // namespace
