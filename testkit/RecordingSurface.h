#pragma once

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "render/DrawingSurface.h"

namespace testkit {

// A drawing surface that keeps what the render code hands over: line ends and text
// positions in order, polygon vertices, where each stroke starts, and each text with
// its box, in a font whose letters are 0.6 em wide and 1.2 em high.
struct RecordingSurface : render::DrawingSurface {
  struct Text {
    std::string text;
    double left, top, right, bottom;
  };
  explicit RecordingSurface(double pixelScale = 1) : scale(pixelScale) {}
  double PixelScale() const override { return scale; }
  void Line(float x1, float y1, float x2, float y2, render::Color) override {
    floats.insert(floats.end(), {x1, y1, x2, y2});
    starts.emplace(x1, y1);
  }
  void SetCurrentPosition(float x, float y) override {
    floats.insert(floats.end(), {x, y});
    at = {x, y};
  }
  void SetSmallPrint(double size) override { small = size; }
  TextExtent MeasureText(std::string_view text) const override {
    const double em = small > 0 ? small : 13 * scale;
    return {0.6 * em * static_cast<double>(text.size()), 1.2 * em};
  }
  void Print(std::string_view text) override {
    const TextExtent e = MeasureText(text);
    texts.push_back({std::string(text), at.first, at.second, at.first + e.width, at.second + e.height});
  }
  void Polygon(const render::PolygonPoint* points, int count) override {
    for (int i = 0; i < count; ++i) vertices.insert(vertices.end(), {points[i].x, points[i].y});
  }
  void Clear() override {}
  void SetForeColor(render::Color) override {}
  void SetLineStyle(render::LineStyle) override {}
  void SetFillStyle(render::FillStyle) override {}
  void SetFillColor(render::Color) override {}

  double scale, small = 0;
  std::pair<float, float> at;
  std::vector<float> floats;
  std::vector<int32_t> vertices;
  std::set<std::pair<float, float>> starts;
  std::vector<Text> texts;
};

}  // namespace testkit
