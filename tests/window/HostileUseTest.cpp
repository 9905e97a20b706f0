// The window's logic under hostile use; after each ordeal it still draws as a fresh window does.
#include <malloc.h>

#include <QImage>
#include <random>

#include "Form1TestFixture.h"

constexpr auto FormulaTooLong =
    "The formula is too long: it may hold at most 98 numbers, names, operators and parentheses, "
    "and at most 32764 characters.";

static std::string Repeated(const char* piece, int length) {
  return QByteArray(piece).repeated(length).left(length).toStdString();
}

class HeadlessHostileUse : public Form1Test {
 protected:
  void ExpectTheDefaultDrawStillWorks() {
    LoadedForm fresh;
    fresh.form.CommandDraw_Click();
    controls.messages.clear();
    controls.code = fresh.controls.code;
    SetInputs({"-1", "1", "-1", "1", "12"});
    form.MenuColorModeItem_Click(1);
    controls.graphScale = 100;
    form.Picture1_MouseMove(Left, 0, -59, -139);  // back to the start's angles -25 and 105
    form.CommandDraw_Click();
    EXPECT_EQ(MessageTexts(), Strings{});
    EXPECT_EQ(controls.surface.image(), fresh.controls.surface.image());
  }
};

TEST_F(HeadlessHostileUse, TheScaleAtBothBoundsDrawsAndDrags) {
  for (int32_t bound : {50000, -50000}) {
    controls.graphScale = bound;
    form.CommandDraw_Click();
    const QImage drawn = controls.surface.image().copy();
    for (float x : {0.0f, 326.0f, bound > 0 ? 900.0f : 50.0f}) form.Picture1_MouseMove(Left, 0, x, 326 - x);
    EXPECT_EQ(MessageTexts(), Strings{}) << bound;
    EXPECT_NE(controls.surface.image(), drawn) << bound;
  }
  ExpectTheDefaultDrawStillWorks();
}

TEST_F(HeadlessHostileUse, FormulasFillingTheCodeBox) {
  const int codeBox = 32767, longestScanned = 32764;  // "(" + formula + ")" in 16 bits
  const struct {
    const char* name;
    std::string text, message, zRange;
  } rows[] = {
      {"one number filling the box", Repeated("9", codeBox), FormulaTooLong, " "},
      {"one past the longest scanned", "X" + Repeated(" ", longestScanned), FormulaTooLong, " "},
      {"the longest scanned, mostly blanks", "X / Y" + Repeated(" ", longestScanned - 5), "",
       "-11184811. 9320677."},
      {"97 tokens", Repeated("X+", 97), "", "-49. 40.833"},
      {"99 tokens", Repeated("X+", 99), FormulaTooLong, " "},
      {"the longest scanned, one number", Repeated("9", longestScanned), "Parse Error", "0. 0."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    controls.messages.clear();
    controls.data[6] = controls.data[7] = "";
    controls.code = row.text;
    form.CommandDraw_Click();
    EXPECT_EQ(MessageTexts(), row.message.empty() ? Strings{} : Strings{row.message});
    EXPECT_EQ(controls.data[6] + " " + controls.data[7], row.zRange);
    ExpectTheDefaultDrawStillWorks();
  }
}

TEST_F(HeadlessHostileUse, HundredsOfDrawsWithChangingInputsKeepMemoryBounded) {
  // Drawn, refused, unreadable, failing and random formulas over changing ranges,
  // resolutions, colour modes and scales, with drags in between.
  const std::string formulas[] = {"X * Y", "Sin(X * Y) / X",  "Rnd * X + Y",         "SIN -X",
                                  "1 / 0", "Sqr(X) + Log(Y)", "X ^ 1000 * 10 ^ 300", Repeated("X+", 121)};
  const std::pair<const char*, const char*> ranges[] = {
      {"-1", "1"}, {"-1000000", "1000000"}, {"-0,001", "0.001"}, {"2.5", "7,25"}, {"1", "-1"}, {"abc", "1"}};
  const char* resolutions[] = {"2", "7", "25", "100", "160", "1,5", "0"};
  const int32_t scales[] = {100, 5, 0, 50000, -50000};
  std::mt19937 random(7);
  auto pick = [&](const auto& list) { return list[random() % std::size(list)]; };
  std::size_t quietDraws = 0, refusals = 0, settled = 0;
  for (int round = 0; round < 400; ++round) {
    // Bytes handed out by malloc and not yet returned; under AddressSanitizer 0.
    if (round == 100) settled = mallinfo2().uordblks;
    controls.code = pick(formulas);
    std::tie(controls.data[1], controls.data[2]) = pick(ranges);
    std::tie(controls.data[3], controls.data[4]) = pick(ranges);
    controls.data[5] = pick(resolutions);
    form.MenuColorModeItem_Click(static_cast<int16_t>(1 + random() % 4));
    controls.graphScale = pick(scales);
    form.CommandDraw_Click();
    (controls.messages.empty() ? quietDraws : refusals)++;
    for (auto move = random() % 4; move > 0; --move)
      form.Picture1_MouseMove(Left, 0, random() % 500 - 80.0f, random() % 500 - 80.0f);
    form.Picture1_MouseMove(0, 0, 0, 0);
    controls.messages.clear();
    controls.pointerChanges.clear();
  }
  EXPECT_LT(mallinfo2().uordblks, settled + (std::size_t{4} << 20)) << "memory grows with the draws";
  EXPECT_GT(quietDraws, 50u);
  EXPECT_GT(refusals, 50u);
  ExpectTheDefaultDrawStillWorks();
}
