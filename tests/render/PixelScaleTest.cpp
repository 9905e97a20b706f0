// A surface of more pixels than the drawing area gets the same view with its
// vertices placed at its own resolution.
#include <gtest/gtest.h>

#include <QString>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "render/Axes.h"
#include "render/SurfaceDrawing.h"
#include "testkit/WavySheet.h"

namespace {

// Every coordinate the render code hands over, in order.
struct RecordingSurface : render::DrawingSurface {
  explicit RecordingSurface(double s) : scale(s) {}
  double PixelScale() const override { return scale; }
  void Clear() override {}
  void SetForeColor(render::Color) override {}
  void SetLineStyle(render::LineStyle) override {}
  void Line(float x1, float y1, float x2, float y2, render::Color) override {
    floats.insert(floats.end(), {x1, y1, x2, y2});
  }
  void SetCurrentPosition(float x, float y) override {
    floats.insert(floats.end(), {x, y});
    at = {x, y};
  }
  void Print(std::string_view text) override { labels.emplace_back(std::string(text), at); }
  void SetFillStyle(render::FillStyle) override {}
  void SetFillColor(render::Color) override {}
  void Polygon(const render::PolygonPoint* points, int count) override {
    for (int i = 0; i < count; ++i) vertices.insert(vertices.end(), {points[i].x, points[i].y});
  }
  double scale;
  std::vector<float> floats;  // line ends and text positions
  std::vector<int32_t> vertices;
  std::pair<float, float> at;
  std::vector<std::pair<std::string, std::pair<float, float>>> labels;  // each text where it went
};

RecordingSurface Recorded(double scale) {
  render::CellPainter painter;
  RecordingSurface area(scale);
  render::DepthOrder order;
  runtime::WorkerPool pool(1);
  render::DrawSurface(testkit::WavySheet(20), area, render::StandardAxisPoints(),
                      {-25, 105, 100, surface::ColorMode::Lines}, order, painter, pool);
  return area;
}

TEST(PixelScale, MultipliesBeforeRounding) {
  const RecordingSurface plain = Recorded(1);
  // At 200 the corners lie beyond 16-bit integers.
  for (const double scale : {2.0, 8192.0 / 326, 200.0}) {
    const RecordingSurface scaled = Recorded(scale);
    ASSERT_EQ(scaled.floats.size(), plain.floats.size()) << scale;
    ASSERT_EQ(scaled.vertices.size(), plain.vertices.size()) << scale;
    for (size_t k = 0; k < plain.floats.size(); ++k)
      EXPECT_NEAR(scaled.floats[k], plain.floats[k] * scale, 1e-4 * scale) << scale << " at " << k;
    int offGrid = 0;
    for (size_t k = 0; k < plain.vertices.size(); ++k) {
      // Rounded once at the fine resolution: within half a coarse pixel of the enlarged one.
      EXPECT_LE(std::abs(scaled.vertices[k] - plain.vertices[k] * scale), (scale + 1) / 2)
          << scale << " at " << k;
      offGrid += scaled.vertices[k] != std::lround(plain.vertices[k] * scale);
    }
    EXPECT_GT(offGrid, static_cast<int>(plain.vertices.size()) / 4) << scale << ": enlarged, not redrawn";
  }
}

// A surface that draws no batch of its own gets every line of one, in turn: the SVG
// document's edge lines come this way.
TEST(PixelScale, ABatchOfLinesIsEachLineInTurn) {
  RecordingSurface area(1);
  const float ends[] = {1, 2, 3, 4, 5, 6, 7, 8};
  area.Lines(ends, 2, render::PaletteDarkGrey);
  EXPECT_EQ(area.floats, std::vector<float>(std::begin(ends), std::end(ends)));
}

// The letters stand at the projected ends of their half-axes: "X" at -153 on X, "Y" and
// "Z" at +153 on theirs, seen from the start-up view.
TEST(PixelScale, TheAxisLettersStandAtTheEndsOfTheirHalfAxes) {
  RecordingSurface area(1);
  render::DrawAxes(area, render::StandardAxisPoints(), render::View{});
  std::string placed;
  for (const auto& [text, at] : area.labels)
    placed += text + " " + QString::asprintf("%.2f,%.2f ", at.first, at.second).toStdString();
  EXPECT_EQ(placed, "X 98.37,127.23 Y 301.68,146.33 Z 163.00,310.82 ");
}

}  // namespace
