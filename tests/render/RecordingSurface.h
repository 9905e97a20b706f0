#pragma once

#include <string>
#include <vector>

#include "platform/DrawingSurface.h"

namespace render_test {

// One call a drawing routine made: the operation and its arguments as numbers
// (colours as colour numbers, styles as their codes, polygons as x, y, x, y, ...).
struct Call {
  std::string op;
  std::vector<double> args;
  std::string text = {};
  bool operator==(const Call&) const = default;
};

class RecordingSurface : public platform::DrawingSurface {
 public:
  void Clear() override { Record("Clear", {}); }
  void SetForeColor(platform::Color color) override { Record("ForeColor", {double(color)}); }
  void SetLineStyle(platform::LineStyle style) override { Record("LineStyle", {double(style)}); }
  void Line(float x1, float y1, float x2, float y2, platform::Color color) override {
    Record("Line", {x1, y1, x2, y2, double(color)});
  }
  void SetCurrentPosition(float x, float y) override { Record("Position", {x, y}); }
  void Print(std::string_view text) override { calls.push_back({"Print", {}, std::string(text)}); }
  void SetFillStyle(platform::FillStyle style) override { Record("FillStyle", {double(style)}); }
  void SetFillColor(platform::Color color) override { Record("FillColor", {double(color)}); }
  void Polygon(const platform::PolygonPoint* points, int count) override {
    std::vector<double> coordinates;
    for (int i = 0; i < count; ++i)
      coordinates.insert(coordinates.end(), {double(points[i].x), double(points[i].y)});
    Record("Polygon", coordinates);
  }

  std::vector<Call> Only(const std::string& op) const {
    std::vector<Call> found;
    for (const Call& call : calls) {
      if (call.op == op) found.push_back(call);
    }
    return found;
  }

  std::vector<Call> calls;

 private:
  void Record(const char* op, std::vector<double> args) { calls.push_back({op, std::move(args)}); }
};

}  // namespace render_test
