#include <QImage>

#include "Form1TestFixture.h"

namespace {

using platform::MessageIcon;
using DrawCommandTest = Form1Test;

TEST_F(DrawCommandTest, TheStartInputsDrawTheDefaultSurface) {
  EXPECT_EQ(Strings(controls.data.begin() + 1, controls.data.end()),
            (Strings{"-1", "1", "-1", "1", "12", "", ""}));
  EXPECT_FALSE(controls.picture1Enabled);
  form.CommandDraw_Click();
  EXPECT_EQ(MessageTexts(), Strings{});
  EXPECT_EQ(form.Spots().size(), 144u);
  EXPECT_EQ(controls.data[6] + " " + controls.data[7], "0. 1.708");
  EXPECT_TRUE(controls.picture1Enabled);
  EXPECT_EQ(controls.pointerChanges.back().second, platform::PointerShape::Default)
      << "busy pointer put back";
  controls.decimalSeparator = ',';  // the user's own separator
  form.CommandDraw_Click();
  EXPECT_EQ(controls.data[7], "1,708");
}

TEST_F(DrawCommandTest, AParseErrorKeepsTheEarlierSurfaceWhichStillTurns) {
  form.CommandDraw_Click();
  const QImage before = controls.surface.image().copy();
  const auto spotsBefore = form.Spots();
  controls.code = "SIN -X";
  form.CommandDraw_Click();
  EXPECT_EQ(controls.messages,
            (std::vector<testing_support::ShownMessage>{{"Parse Error", MessageIcon::None}}));
  EXPECT_EQ(form.Spots(), spotsBefore);
  EXPECT_EQ(controls.surface.image(), before);
  form.Picture1_MouseMove(Left, 0, 10, 10);
  EXPECT_NE(controls.surface.image(), before);
}

TEST_F(DrawCommandTest, ARefusalLeavesPictureAndTableUntouched) {
  std::string tokens97 = "X";
  for (int i = 0; i < 48; ++i) tokens97 += "+X";
  const struct {
    const char* name;
    Strings inputs;
    std::string code, refusal;  // a part of the one message
  } rows[] = {
      {"a reversed X range",
       {"-1", "-5", "-1", "1", "12"},
       "X",
       " Maximum 'X' Must be Greater than Minimum 'X'"},
      {"a step lost in rounding", {"1000000", "1000001", "-1", "1", "100"}, "X", "cannot be walked"},
      {"a table beyond the memory cap", {"-1", "1", "-1", "1", "100000"}, "X", "at most"},
      {"99 tokens", {"-1", "1", "-1", "1", "12"}, tokens97 + "+X", "too long"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    LoadedForm window;
    window.controls.code = tokens97;
    window.form.CommandDraw_Click();
    ASSERT_EQ(window.MessageTexts(), Strings{}) << "97 tokens are drawn";
    const auto spotsBefore = window.form.Spots();
    const QImage before = window.controls.surface.image().copy();
    const std::string zMaxBefore = window.controls.data[7];
    window.SetInputs(row.inputs);
    window.controls.code = row.code;
    window.form.CommandDraw_Click();
    ASSERT_EQ(window.controls.messages.size(), 1u);
    EXPECT_EQ(window.controls.messages[0].icon, MessageIcon::Critical);
    EXPECT_NE(window.controls.messages[0].text.find(row.refusal), std::string::npos);
    EXPECT_EQ(window.form.Spots(), spotsBefore);
    EXPECT_EQ(window.controls.surface.image(), before);
    EXPECT_EQ(window.controls.data[7], zMaxBefore);
  }
}

}  // namespace
