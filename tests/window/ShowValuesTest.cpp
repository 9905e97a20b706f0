// Values on the picture: ticks stand exactly where the cells of their value do,
// small print never overlaps, the caption fits, the key tells the colours' ranges.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <tuple>
#include <utility>

#include "PlotWindowFixture.h"
#include "render/Projection.h"
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

// With Z = X and ranges cut into cells of the finest step, every tick of every axis
// starts on a pixel where a corner coordinate of that axis projects.
TEST(TicksOnCells, EachTickStartsWhereItsCellsStand) {
  const std::pair<const char*, std::string> rows[] = {{"symmetric", "-1 1 -1 1 4"},
                                                      {"offset centre of an eighth", "0 4 -3 -1 4"},
                                                      {"negative only", "-2 0 -4 -2 4"}};
  const render::View view{-25, 105, 100};
  const render::ViewProjector projector(view);
  for (const auto& [name, inputs] : rows) {
    SCOPED_TRACE(name);
    const Drawn plot(inputs, "X");
    std::set<std::pair<float, float>> corners;
    for (const surface::Cell& cell : plot.form.Cells())
      for (std::size_t k = 0; k < 12; ++k) {
        std::array<double, 3> cube{};
        cube[k % 3] = cell[k];
        const render::ScreenPoint p = projector.Project(cube[0], cube[1], cube[2]);
        corners.emplace(std::nearbyint(p.x), std::nearbyint(p.y));
      }
    const RecordingSurface values = plot.Values(view);
    EXPECT_GE(values.starts.size(), 6u);
    for (const auto& start : values.starts)
      EXPECT_EQ(corners.count(start), 1u) << start.first << ", " << start.second;
  }
}

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

TEST(ColorKey, TellsTheRangeOfEachColourInUse) {
  const std::tuple<const char*, std::string, Strings> rows[] = {
      {"default surface",
       "(Cos(X) ^ 2 + Sin(Y) ^ 2)",
       {"1.24..1.71", "0.9..1.24", "0.56..0.9", "0.21..0.56", "0..0.21"}},
      {"flat at zero", "0", {"0..0"}},
      {"negative values with the range up to zero",
       "X - 3",
       {"-0.5..0", "-1.3..-0.5", "-2.1..-1.3", "-2.9..-2.1", "-4..-2.9"}}};
  for (const auto& [name, formula, expected] : rows) {
    SCOPED_TRACE(name);
    Strings labels;
    for (const auto& text :
         Drawn("-1 1 -1 1 12", formula, surface::ColorMode::Colors).Values({-25, 105, 100}).texts)
      if (text.text.find("..") != std::string::npos && text.text[0] != 'Z') labels.push_back(text.text);
    EXPECT_EQ(labels, expected);
  }
}

// Shrunk to a tenth, each half axis is shorter than two labels: ticks whose labels
// would crowd give way to a coarser step, not to ticks without labels.
TEST(ValuesLayout, CrowdedTicksThinOutToACoarserStep) {
  const Drawn plot("-3 7 -1 1 12", "X * Y * 1000", surface::ColorMode::Colors);
  EXPECT_LE(plot.Values({-25, 105, 10}).starts.size(), 3u) << "more than one tick an axis";
}

}  // namespace
