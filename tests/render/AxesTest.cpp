#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "ImageTestSupport.h"
#include "RecordingSurface.h"
#include "render/Axes.h"
#include "runtime/RuntimeError.h"

namespace {

using namespace render_test;
using platform::Color;

render::View ViewAt(int16_t theta, int16_t phi, int32_t scale) {
  render::View view;
  view.Theta = theta;
  view.Phi = phi;
  view.GraphScale = scale;
  return view;
}

// Where each label was written: the position set last before its Print.
std::vector<std::pair<std::string, PositionCall>> Labels(const RecordingSurface& surface) {
  std::vector<std::pair<std::string, PositionCall>> labels;
  PositionCall position{};
  for (const SurfaceCall& call : surface.calls) {
    if (const auto* p = std::get_if<PositionCall>(&call)) position = *p;
    if (const auto* text = std::get_if<PrintCall>(&call)) labels.emplace_back(text->text, position);
  }
  return labels;
}

TEST(DrawAxies, SixDottedWhiteHalfAxesFromTheCentre) {
  RecordingSurface surface;
  render::DrawAxies(surface, render::StandardAxisPoints(), render::View{});
  const auto lines = surface.Only<LineCall>();
  ASSERT_EQ(lines.size(), 6u);
  for (const LineCall& line : lines) {
    EXPECT_EQ(line.x1, 163);
    EXPECT_EQ(line.y1, 163);
    EXPECT_EQ(line.color, platform::PaletteWhite);
  }
  EXPECT_NEAR(lines[1].x2, 227.63, 0.005) << "+X end";
  EXPECT_NEAR(lines[1].y2, 198.77, 0.005);
  EXPECT_NEAR(lines[2].x2, 24.32, 0.005) << "-Y end";
  EXPECT_NEAR(lines[4].y2, 15.18, 0.005) << "-Z end";
  // Each line dotted, and solid again right after it.
  int lineIndex = 0;
  for (std::size_t k = 0; k < surface.calls.size(); ++k) {
    if (!std::holds_alternative<LineCall>(surface.calls[k])) continue;
    ASSERT_GT(k, 0u);
    ASSERT_LT(k + 1, surface.calls.size());
    EXPECT_EQ(surface.calls[k - 1], SurfaceCall(LineStyleCall{platform::LineStyle::Dotted})) << lineIndex;
    EXPECT_EQ(surface.calls[k + 1], SurfaceCall(LineStyleCall{platform::LineStyle::Solid})) << lineIndex;
    ++lineIndex;
  }
}

TEST(DrawAxies, LabelsAtTheEndsOfSegmentsZeroThreeAndFive) {
  RecordingSurface surface;
  render::DrawAxies(surface, render::StandardAxisPoints(), render::View{});
  const auto labels = Labels(surface);
  ASSERT_EQ(labels.size(), 3u);
  const struct {
    const char* text;
    double x, y;
  } expected[] = {{"X", 98.37, 127.23}, {"Y", 301.68, 146.33}, {"Z", 163.00, 310.82}};
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(labels[k].first, expected[k].text);
    EXPECT_NEAR(labels[k].second.x, expected[k].x, 0.005) << expected[k].text;
    EXPECT_NEAR(labels[k].second.y, expected[k].y, 0.005) << expected[k].text;
  }
  EXPECT_EQ(surface.calls.front(), SurfaceCall(ForeColorCall{0})) << "labels in black";
  EXPECT_EQ(surface.Only<ForeColorCall>().size(), 1u);
}

TEST(DrawAxies, CollapsedViews) {
  const struct {
    const char* name;
    render::View view;
    std::vector<std::string> labelsAtCentre;
  } cases[] = {
      {"scale 0", ViewAt(-25, 105, 0), {"X", "Y", "Z"}},
      {"tilt 0 puts the Z axis on the centre", ViewAt(-25, 0, 100), {"Z"}},
  };
  for (const auto& c : cases) {
    RecordingSurface surface;
    render::DrawAxies(surface, render::StandardAxisPoints(), c.view);
    std::vector<std::string> atCentre;
    for (const auto& [text, position] : Labels(surface)) {
      if (std::abs(position.x - 163) < 1e-4 && std::abs(position.y - 163) < 1e-4) atCentre.push_back(text);
    }
    EXPECT_EQ(atCentre, c.labelsAtCentre) << c.name;
    EXPECT_EQ(surface.Only<LineCall>().size(), 6u) << c.name << ": collapsed segments are still drawn";
  }
}

// The picture: dotted white axes on the light grey background, black letters.
TEST(DrawAxies, RenderedPicture) {
  platform::ImageSurface area = MakeArea();
  render::DrawAxies(area, render::StandardAxisPoints(), render::View{});
  EXPECT_EQ(area.PixelAt(163, 163), platform::PaletteWhite);
  // Along the +X half-axis, from (163, 163) towards (227.63, 198.77): dots and gaps.
  int white = 0, grey = 0;
  for (int x = 165; x < 225; ++x) {
    const int y = static_cast<int>(std::lround(163 + (x - 163) * (198.77 - 163) / (227.63 - 163)));
    const Color c = area.PixelAt(x, y);
    white += c == platform::PaletteWhite;
    grey += c == Background;
  }
  EXPECT_GT(white, 20);
  EXPECT_GT(grey, 20);
  EXPECT_EQ(white + grey, 60);
  // Black only in the three letters' boxes, to the right of and below their corners.
  const struct { int left, top; } corners[] = {{98, 127}, {301, 146}, {163, 310}};
  for (const auto& corner : corners) {
    int black = 0;
    for (int y = corner.top; y < corner.top + 13; ++y) {
      for (int x = corner.left; x < corner.left + 12 && x < 326; ++x) black += area.PixelAt(x, y) == 0;
    }
    EXPECT_GT(black, 10) << corner.left << "," << corner.top;
  }
  const int allBlack = CountColor(area, 0);
  EXPECT_LT(allBlack, 3 * 12 * 13);
  EXPECT_EQ(
      CountPixels(area, [](Color c) { return c != 0 && c != Background && c != platform::PaletteWhite; }), 0);
}

}  // namespace
