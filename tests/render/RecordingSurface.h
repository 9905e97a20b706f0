#pragma once

#include <string>
#include <variant>
#include <vector>

#include "platform/DrawingSurface.h"

namespace render_test {

// Every call a drawing routine makes, in order, with its arguments.
struct ClearCall {
  bool operator==(const ClearCall&) const = default;
};
struct ForeColorCall {
  platform::Color color;
  bool operator==(const ForeColorCall&) const = default;
};
struct LineStyleCall {
  platform::LineStyle style;
  bool operator==(const LineStyleCall&) const = default;
};
struct LineCall {
  float x1, y1, x2, y2;
  platform::Color color;
  bool operator==(const LineCall&) const = default;
};
struct PositionCall {
  float x, y;
  bool operator==(const PositionCall&) const = default;
};
struct PrintCall {
  std::string text;
  bool operator==(const PrintCall&) const = default;
};
struct FillStyleCall {
  platform::FillStyle style;
  bool operator==(const FillStyleCall&) const = default;
};
struct FillColorCall {
  platform::Color color;
  bool operator==(const FillColorCall&) const = default;
};
struct PolygonCall {
  std::vector<platform::PolygonPoint> points;
  bool operator==(const PolygonCall& other) const {
    if (points.size() != other.points.size()) return false;
    for (std::size_t i = 0; i < points.size(); ++i) {
      if (points[i].x != other.points[i].x || points[i].y != other.points[i].y) return false;
    }
    return true;
  }
};

using SurfaceCall = std::variant<ClearCall, ForeColorCall, LineStyleCall, LineCall, PositionCall, PrintCall,
                                 FillStyleCall, FillColorCall, PolygonCall>;

class RecordingSurface : public platform::DrawingSurface {
 public:
  void Clear() override { calls.push_back(ClearCall{}); }
  void SetForeColor(platform::Color color) override { calls.push_back(ForeColorCall{color}); }
  void SetLineStyle(platform::LineStyle style) override { calls.push_back(LineStyleCall{style}); }
  void Line(float x1, float y1, float x2, float y2, platform::Color color) override {
    calls.push_back(LineCall{x1, y1, x2, y2, color});
  }
  void SetCurrentPosition(float x, float y) override { calls.push_back(PositionCall{x, y}); }
  void Print(std::string_view text) override { calls.push_back(PrintCall{std::string(text)}); }
  void SetFillStyle(platform::FillStyle style) override { calls.push_back(FillStyleCall{style}); }
  void SetFillColor(platform::Color color) override { calls.push_back(FillColorCall{color}); }
  void Polygon(const platform::PolygonPoint* points, int count) override {
    calls.push_back(PolygonCall{{points, points + count}});
  }

  // The calls of one kind, in order.
  template <class Call>
  std::vector<Call> Only() const {
    std::vector<Call> found;
    for (const SurfaceCall& call : calls) {
      if (const Call* match = std::get_if<Call>(&call)) found.push_back(*match);
    }
    return found;
  }

  std::vector<SurfaceCall> calls;
};

}  // namespace render_test
