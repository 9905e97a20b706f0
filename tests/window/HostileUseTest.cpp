// The window's logic under hostile use: the scale at both bounds, formulas as long
// as the Code box takes, and hundreds of draws with ever-changing inputs. After each
// ordeal the window must still draw the default surface as a fresh one does.
#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "ChangingInputs.h"
#include "Form1TestFixture.h"
#include "ResidentMemory.h"

namespace {

constexpr int16_t LeftButton = 1;
constexpr std::size_t CodeBoxLimit = 32767;
constexpr auto FormulaTooLong =
    "The formula is too long: it may hold at most 98 numbers, names, operators and parentheses, "
    "and at most 32764 characters.";

// What a fresh window shows after drawing the default inputs.
QImage DefaultDrawing() {
  testing_support::RecordingControls controls;
  Form1 form(controls);
  form.Form_Load();
  form.CommandDraw_Click();
  return controls.surface.image().copy();
}

class HeadlessHostileUse : public Form1Test {
 protected:
  // Back to the start's inputs, a draw: the window must answer as a fresh one.
  void ExpectTheDefaultDrawStillWorks() {
    controls.messages.clear();
    controls.code = "(Cos(X) ^ 2 + Sin(Y) ^ 2)";
    SetInputs("-1", "1", "-1", "1", "12");
    form.MenuColorModeItem_Click(1);
    form.Picture1_MouseMove(0, 0, 0, 0);
    controls.graphScale = 100;
    // Back to the start's angles -25 and 105 by a move: X - 326 + 360 and 326 - Y - 360.
    form.Picture1_MouseMove(LeftButton, 0, -59, -139);
    form.Picture1_MouseMove(0, 0, 0, 0);
    form.CommandDraw_Click();
    EXPECT_TRUE(controls.messages.empty()) << controls.messages.front().text;
    EXPECT_EQ(controls.data[6], "0.");
    EXPECT_EQ(controls.data[7], "1.708");
    EXPECT_EQ(form.Theta(), -25);
    EXPECT_EQ(form.Phi(), 105);
    EXPECT_EQ(controls.surface.image(), DefaultDrawing());
  }
};

TEST_F(HeadlessHostileUse, TheScaleAtBothBoundsDrawsAndDrags) {
  for (int32_t bound : {50000, -50000}) {
    SCOPED_TRACE(bound);
    controls.graphScale = bound;
    form.CommandDraw_Click();
    const QImage drawn = controls.surface.image().copy();
    for (float x : {0.0f, 163.0f, 326.0f, 900.0f}) form.Picture1_MouseMove(LeftButton, 0, x, 326 - x);
    controls.graphScale = -bound;
    form.GraphScale_Change();
    EXPECT_TRUE(controls.messages.empty()) << controls.messages.front().text;
    EXPECT_NE(controls.surface.image(), drawn) << "the view did not change";
    ExpectTheDefaultDrawStillWorks();
  }
}

struct LongFormula {
  const char* name;
  std::string text;
  // The one message box shown, or none and the Z range shown.
  std::string message;
  std::string zMin, zMax;
};

std::string Repeated(const std::string& piece, std::size_t length) {
  std::string text;
  while (text.size() < length) text += piece;
  return text.substr(0, length);
}

std::string Padded(std::string text, std::size_t length) {
  text.resize(length, ' ');
  return text;
}

TEST_F(HeadlessHostileUse, FormulasAsLongAsTheCodeBoxTakes) {
  // The evaluator counts character positions in 16 bits over "(" + formula + ")".
  const std::size_t longestScanned = 32764;
  const LongFormula rows[] = {
      {"a sum filling the box", Repeated("X+", CodeBoxLimit), FormulaTooLong, "", ""},
      {"one number filling the box", std::string(CodeBoxLimit, '9'), FormulaTooLong, "", ""},
      {"blanks filling the box", std::string(CodeBoxLimit, ' '), FormulaTooLong, "", ""},
      {"open parentheses filling the box", std::string(CodeBoxLimit, '('), FormulaTooLong, "", ""},
      {"a name filling the box", std::string(CodeBoxLimit, 'X'), FormulaTooLong, "", ""},
      {"one past the longest scanned", Padded("X", longestScanned + 1), FormulaTooLong, "", ""},
      {"the longest scanned, mostly blanks", Padded("X / Y", longestScanned), "", "-11184811.", "9320677."},
      {"the longest scanned, one number", std::string(longestScanned, '9'), "Parse Error", "0.", "0."},
      {"97 tokens", Repeated("X+", 97), "", "-49.", "40.833"},
      {"99 tokens", Repeated("X+", 99), FormulaTooLong, "", ""},
  };
  for (const LongFormula& row : rows) {
    SCOPED_TRACE(row.name);
    controls.messages.clear();
    controls.data[6] = controls.data[7] = "";
    controls.code = row.text;
    form.CommandDraw_Click();
    if (row.message.empty()) {
      EXPECT_TRUE(controls.messages.empty()) << controls.messages.front().text;
    } else {
      ASSERT_EQ(controls.messages.size(), 1u);
      EXPECT_EQ(controls.messages[0].text, row.message);
    }
    EXPECT_EQ(controls.data[6], row.zMin);
    EXPECT_EQ(controls.data[7], row.zMax);
    ExpectTheDefaultDrawStillWorks();
  }
}

TEST_F(HeadlessHostileUse, HundredsOfDrawsWithChangingInputsKeepMemoryBounded) {
  ChangingInputs user(controls, form, 7);
  for (int i = 0; i < 100; ++i) user.Round();
  const std::size_t settled = ResidentBytes();
  for (int i = 0; i < 300; ++i) user.Round();
  // The largest table of the mix is under 2 MB; a leak of one per draw would pass this.
  if (ResidentSizeTracksLeaks) {
    EXPECT_LT(ResidentBytes(), settled + (std::size_t{64} << 20));
  }
  // The mix both drew and refused.
  EXPECT_GT(user.QuietRounds(), 100u);
  EXPECT_GT(user.MessagesSeen(), 50u);
  ExpectTheDefaultDrawStillWorks();
}

}  // namespace
