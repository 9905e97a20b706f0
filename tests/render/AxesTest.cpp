#include <gtest/gtest.h>

#include <cmath>

#include "ImageTestSupport.h"
#include "RecordingSurface.h"
#include "render/Axes.h"

namespace {

using namespace render_test;
using platform::Color;

render::View ViewAt(int16_t theta, int16_t phi, int32_t scale) {
  render::View view;
  view.Theta = theta, view.Phi = phi, view.GraphScale = scale;
  return view;
}

struct Label {
  std::string text;
  double x, y;
};

// Each label with the position set last before its Print.
std::vector<Label> Labels(const RecordingSurface& surface) {
  std::vector<Label> labels;
  Call position{"Position", {0, 0}};
  for (const Call& call : surface.calls) {
    if (call.op == "Position") position = call;
    if (call.op == "Print") labels.push_back({call.text, position.args[0], position.args[1]});
  }
  return labels;
}

TEST(DrawAxies, DottedWhiteHalfAxesAndBlackLabelsAtTheStartView) {
  RecordingSurface surface;
  render::DrawAxies(surface, render::StandardAxisPoints(), render::View{});
  EXPECT_EQ(surface.calls.front(), (Call{"ForeColor", {0}}));
  EXPECT_EQ(surface.Only("ForeColor").size(), 1u);
  const auto lines = surface.Only("Line");
  ASSERT_EQ(lines.size(), 6u);
  for (const Call& line : lines) {
    EXPECT_EQ(line.args[0], 163);
    EXPECT_EQ(line.args[1], 163);
    EXPECT_EQ(line.args[4], platform::PaletteWhite);
  }
  const struct {
    int segment;
    double x, y;
  } ends[] = {{1, 227.63, 198.77}, {2, 24.32, 179.67}, {4, 163.00, 15.18}};
  for (const auto& end : ends) {
    EXPECT_NEAR(lines[end.segment].args[2], end.x, 0.005) << end.segment;
    EXPECT_NEAR(lines[end.segment].args[3], end.y, 0.005) << end.segment;
  }
  // Every line dotted, solid again right after it.
  for (std::size_t k = 0; k < surface.calls.size(); ++k) {
    if (surface.calls[k].op != "Line") continue;
    EXPECT_EQ(surface.calls[k - 1], (Call{"LineStyle", {2}}));
    EXPECT_EQ(surface.calls[k + 1], (Call{"LineStyle", {0}}));
  }
  const std::vector<Label> labels = Labels(surface);
  ASSERT_EQ(labels.size(), 3u);
  const struct {
    const char* text;
    double x, y;
  } expected[] = {{"X", 98.37, 127.23}, {"Y", 301.68, 146.33}, {"Z", 163.00, 310.82}};
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(labels[k].text, expected[k].text);
    EXPECT_NEAR(labels[k].x, expected[k].x, 0.005) << expected[k].text;
    EXPECT_NEAR(labels[k].y, expected[k].y, 0.005) << expected[k].text;
  }
}

TEST(DrawAxies, CollapsedViewsStillDrawEverything) {
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
    for (const Label& label : Labels(surface)) {
      if (std::abs(label.x - 163) < 1e-4 && std::abs(label.y - 163) < 1e-4) atCentre.push_back(label.text);
    }
    EXPECT_EQ(atCentre, c.labelsAtCentre) << c.name;
    EXPECT_EQ(surface.Only("Line").size(), 6u) << c.name;
  }
}

TEST(DrawAxies, RenderedPicture) {
  platform::ImageSurface area = MakeArea();
  render::DrawAxies(area, render::StandardAxisPoints(), render::View{});
  // Along the +X half-axis towards (227.63, 198.77): white dots and grey gaps.
  int white = 0, grey = 0;
  for (int x = 165; x < 225; ++x) {
    const Color c = area.PixelAt(x, static_cast<int>(std::lround(163 + (x - 163) * 35.77 / 64.63)));
    white += c == platform::PaletteWhite;
    grey += c == Background;
  }
  EXPECT_GT(white, 20);
  EXPECT_GT(grey, 20);
  EXPECT_EQ(white + grey, 60);
  // Black letters right of and below their corners, and nowhere else.
  const struct { int left, top; } corners[] = {{98, 127}, {301, 146}, {163, 310}};
  int inBoxes = 0;
  for (const auto& corner : corners) {
    int black = 0;
    for (int y = corner.top; y < std::min(corner.top + 13, 326); ++y) {
      for (int x = corner.left; x < std::min(corner.left + 12, 326); ++x) black += area.PixelAt(x, y) == 0;
    }
    EXPECT_GT(black, 10) << corner.left << "," << corner.top;
    inBoxes += black;
  }
  EXPECT_EQ(CountColor(area, 0), inBoxes);
  EXPECT_EQ(CountColor(area, Background) + CountColor(area, platform::PaletteWhite) + inBoxes, 326 * 326);
}

}  // namespace
