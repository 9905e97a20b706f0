#include <QImage>

#include "Form1TestFixture.h"

using platform::MessageIcon;
using DrawCommandTest = Form1Test;

TEST_F(DrawCommandTest, TheStartInputsDrawTheDefaultSurfaceWhichAParseErrorKeeps) {
  EXPECT_EQ(Strings(controls.data.begin() + 1, controls.data.end()),
            (Strings{"-1", "1", "-1", "1", "12", "", ""}));
  form.CommandDraw_Click();
  EXPECT_EQ(MessageTexts(), Strings{});
  EXPECT_EQ(form.Spots().size(), 144u);
  EXPECT_EQ(controls.data[6] + " " + controls.data[7], "0. 1.708");
  EXPECT_EQ(controls.pointerChanges.back().second, platform::PointerShape::Default)
      << "busy pointer put back";
  controls.decimalSeparator = ',';  // the user's own separator
  form.CommandDraw_Click();
  EXPECT_EQ(controls.data[7], "1,708");

  const QImage before = controls.surface.image().copy();
  const auto spotsBefore = form.Spots();
  controls.code = "SIN -X";
  form.CommandDraw_Click();
  EXPECT_EQ(controls.messages,
            (std::vector<testing_support::ShownMessage>{{"Parse Error", MessageIcon::None}}));
  EXPECT_EQ(form.Spots(), spotsBefore);
  EXPECT_EQ(controls.surface.image(), before);
  form.Picture1_MouseMove(Left, 0, 10, 10);
  EXPECT_NE(controls.surface.image(), before) << "the old surface turns";
}

TEST_F(DrawCommandTest, ARefusalLeavesPictureAndTableUntouched) {
  form.CommandDraw_Click();
  const auto spots = form.Spots();
  const QImage picture = controls.surface.image().copy();
  const std::string maxX = " Maximum 'X' Must be Greater than Minimum 'X'";
  const struct {
    const char* name;
    Strings inputs;
    std::string code, refusal;  // a part of the one message
  } rows[] = {
      {"a reversed X range", {"-1", "-5", "-1", "1", "12"}, "X", maxX},
      {"a step lost in rounding", {"1000000", "1000001", "-1", "1", "100"}, "X", "cannot be walked"},
      {"a table beyond the memory cap", {"-1", "1", "-1", "1", "100000"}, "X", "at most"},
      {"a formula too long", {"-1", "1", "-1", "1", "12"}, std::string(40000, 'X'), "too long"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    controls.messages.clear();
    SetInputs(row.inputs);
    controls.code = row.code;
    form.CommandDraw_Click();
    ASSERT_EQ(controls.messages.size(), 1u);
    EXPECT_EQ(controls.messages[0].icon, MessageIcon::Critical);
    EXPECT_NE(controls.messages[0].text.find(row.refusal), std::string::npos);
    EXPECT_EQ(form.Spots(), spots);
    EXPECT_EQ(controls.surface.image(), picture);
    EXPECT_EQ(controls.data[7], "1.708");
  }
}

// Draws with the text as XMin: the XMin stored and the messages shown.
static std::pair<float, Strings> ReadAsXMin(const std::string& text) {
  LoadedForm window;
  window.SetInputs({text, "100", "-1", "1", "12"});
  window.form.CommandDraw_Click();
  return {window.form.Limits().XMin(), window.MessageTexts()};
}

TEST(NumberBoxTest, TextsAreReadStrictly) {
  // Either separator, whatever the locale; far too small is 0.
  // clang-format off
  const std::pair<std::string, float> accepted[] = {
      {"1,5", 1.5f}, {"1.5", 1.5f}, {"-0,25", -0.25f}, {"-3", -3}, {"", 0}, {"-", 0}, {".", 0}, {",", 0},
      {"-.5", -0.5f}, {"7.", 7}, {"007", 7}, {"0,1", 0.1f}, {"-." + std::string(50, '0') + "1", 0}};
  // clang-format on
  for (auto [text, value] : accepted) EXPECT_EQ(ReadAsXMin(text), std::make_pair(value, Strings{})) << text;
  // A refused text stores 0.
  for (const char* text :
       {"1,5,0", "1.5.0", "1.5,0", "3-", "--3", "+3", "1e3", "0x10", " 1", "1 ", "\xce\x98"})
    EXPECT_EQ(ReadAsXMin(text), std::make_pair(0.0f, Strings{"Wrong value"})) << text;
}

TEST(NumberBoxTest, AWholeAttemptIsValidatedInOrder) {
  const std::string maxX = " Maximum 'X' Must be Greater than Minimum 'X'";
  const std::string maxY = " Maximum 'Y' Must be Greater than Minimum 'Y'";
  const std::string resolution = "Resolution Must be Greater than '1'";
  const struct {
    const char* name;
    Strings inputs, messages;
    std::vector<float> limits;  // XMin, XMax, YMin, YMax, Resolution afterwards
  } rows[] = {
      // Boxes after the bad one are not read: their entries keep the start values.
      {"a bad box stops the reading", {"-2", "x", "-7", "7", "30"}, {"Wrong value"}, {-2, 0, -1, 1, 12}},
      {"every range refusal shows", {"1", "1", "2", "-2", "0"}, {maxX, maxY, resolution}, {1, 1, 2, -2, 0}},
      {"resolution 1", {"-1", "1", "-1", "1", "1"}, {resolution}, {-1, 1, -1, 1, 1}},
      {"resolution 1,5", {"-1", "1", "-1", "1", "1,5"}, {}, {-1, 1, -1, 1, 1.5f}},
      // A number beyond a float (even a double) keeps the previous entry, silently.
      {"-4e41", {"-4" + std::string(41, '0'), "1", "-1", "1", "12"}, {}, {-1, 1, -1, 1, 12}},
      {"1e400", {"1" + std::string(400, '0'), "1", "-1", "1", "12"}, {}, {-1, 1, -1, 1, 12}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    LoadedForm window;
    window.SetInputs(row.inputs);
    window.form.CommandDraw_Click();
    EXPECT_EQ(window.MessageTexts(), row.messages);
    for (const auto& m : window.controls.messages) EXPECT_EQ(m.icon, platform::MessageIcon::Critical);
    const auto& l = window.form.Limits();
    EXPECT_EQ((std::vector<float>{l.XMin(), l.XMax(), l.YMin(), l.YMax(), l.Resolution()}), row.limits);
    EXPECT_EQ(window.controls.picture1Enabled, row.messages.empty());
  }
}
