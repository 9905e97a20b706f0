// Values on the picture: small print never overlaps, the caption fits, crowded ticks
// thin out.
#include <gtest/gtest.h>

#include <utility>

#include "PlotWindowFixture.h"
#include "render/Values.h"
#include "testkit/RecordingSurface.h"

namespace {

using testkit::RecordingSurface;

// A surface drawn by the window, with its values written onto a recorder.
struct Drawn : LoadedForm {
  Drawn(const std::string& inputs, const std::string& formula,
        surface::ColorMode m = surface::ColorMode::Grid)
      : mode(m) {
    SetInputLine(inputs);
    controls.formula = formula;
    form.ChooseColorMode(mode);
    form.Draw();
  }
  RecordingSurface Values(render::View view, double scale = 1) const {
    RecordingSurface recorder(scale);
    view.mode = mode;
    render::DrawValues(recorder, {controls.formula, form.Limits(), form.Coefficients(), mode, '.'},
                       render::StandardAxisPoints(), view);
    return recorder;
  }
  surface::ColorMode mode;
};

TEST(ValuesLayout, SmallPrintNeitherOverlapsNorLeavesThePicture) {
  const Drawn plot("-3 7 -1 1 12", "X * Y * 1000", surface::ColorMode::Colors);
  for (const double size : {326.0, 1200.0, 4000.0})
    for (const auto& [theta, phi] : {std::pair{-25, 105}, {0, 90}, {45, 30}, {90, 0}, {200, -40}, {10, 170}})
      for (const int32_t zoom : {30, 100, 250}) {
        SCOPED_TRACE(testing::Message() << theta << "/" << phi << "/" << zoom << ", " << size);
        const auto texts = plot.Values({int16_t(theta), int16_t(phi), zoom}, size / 326).texts;
        for (auto a = texts.begin(); a != texts.end(); ++a) {
          EXPECT_TRUE(a->left >= 0 && a->top >= 0 && a->right <= size && a->bottom <= size) << a->text;
          for (auto b = a + 1; b != texts.end(); ++b)  // floats place them: boxes may touch to within a hair
            EXPECT_FALSE(a->left < b->right - 1e-3 && b->left < a->right - 1e-3 &&
                         a->top < b->bottom - 1e-3 && b->top < a->bottom - 1e-3)
                << a->text << " over " << b->text;
        }
      }
}

TEST(ValuesLayout, ALongCaptionIsCutWithAnEllipsisAndKeepsTheRanges) {
  const Drawn plot("-1 1 -1 1 12", std::string(60, '(') + "X" + std::string(60, ')'));
  const std::string caption = plot.Values({-25, 105, 100}).texts.front().text;
  EXPECT_EQ(caption.substr(0, 14), "Z = ((((((((((");
  EXPECT_NE(caption.find("\xE2\x80\xA6, X -1..1, Y -1..1"), std::string::npos) << caption;
}

// Shrunk to a tenth, each half axis is shorter than two labels: ticks whose labels
// would crowd give way to a coarser step, not to ticks without labels.
TEST(ValuesLayout, CrowdedTicksThinOutToACoarserStep) {
  const Drawn plot("-3 7 -1 1 12", "X * Y * 1000", surface::ColorMode::Colors);
  EXPECT_LE(plot.Values({-25, 105, 10}).starts.size(), 3u) << "more than one tick an axis";
}

}  // namespace
