// The window's logic under hostile use; after each ordeal it still draws as a fresh window does.
#include <malloc.h>

#include <QImage>

#include "PlotWindowFixture.h"
#include "testkit/ChangingInputs.h"

class HeadlessHostileUse : public PlotWindowTest {
 protected:
  void ExpectTheDefaultDrawStillWorks() {
    LoadedForm fresh;
    fresh.form.Draw();
    controls.messages.clear();
    controls.formula = fresh.controls.formula;
    SetInputs({"-1", "1", "-1", "1", "12"});
    form.ChooseColorMode(surface::ColorMode::Grid);
    controls.scale = 100;
    form.Turn(Left, -59, -139);  // back to the start's angles -25 and 105
    form.Draw();
    EXPECT_EQ(MessageTexts(), Strings{});
    EXPECT_EQ(controls.surface.image(), fresh.controls.surface.image());
  }
};

TEST_F(HeadlessHostileUse, TheScaleAtBothBoundsDrawsAndDrags) {
  for (int32_t bound : {50000, -50000}) {
    controls.scale = bound;
    form.Draw();
    const QImage drawn = controls.surface.image().copy();
    for (float x : {0.0f, 326.0f, bound > 0 ? 900.0f : 50.0f}) form.Turn(Left, x, 326 - x);
    EXPECT_EQ(MessageTexts(), Strings{}) << bound;
    EXPECT_NE(controls.surface.image(), drawn) << bound;
  }
  ExpectTheDefaultDrawStillWorks();
}

TEST_F(HeadlessHostileUse, HundredsOfDrawsWithChangingInputsKeepMemoryBounded) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer replaces malloc, and mallinfo2 then counts nothing";
#endif
  ChangingInputs user(controls, form, 7);
  for (int i = 0; i < 100; ++i) user.Round();
  // Bytes handed out by malloc and not yet returned.
  const std::size_t settled = mallinfo2().uordblks;
  for (int i = 0; i < 300; ++i) user.Round();
  EXPECT_LT(mallinfo2().uordblks, settled + (std::size_t{4} << 20)) << "memory grows with the draws";
  EXPECT_GT(user.QuietRounds(), 50u);
  EXPECT_GT(user.MessagesSeen(), 50u);
  ExpectTheDefaultDrawStillWorks();
}
