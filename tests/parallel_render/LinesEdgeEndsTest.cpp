// In "Lines" a tiny cell's edge lines run between their 32-bit float ends, which may
// round to another pixel than the corners do: the lines' colour lands where the ends do.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "picture/DrawingAreaImage.h"
#include "render/SurfaceDrawing.h"
#include "runtime/WorkerPool.h"

namespace {

constexpr render::Color Fill = 0xECE3BB, Edge = render::PaletteDarkGrey;

struct Case {
  const char* name;
  // Cube Y of corners 0 and 3: seen straight on, a point lands at pixel (163 + Y, 163 - X).
  float y;
  // Pixels (163, 163), (164, 163), (163, 164), (164, 164).
  std::array<render::Color, 4> square;
};

const Case Cases[] = {
    {"ends on the corners", 0.25f, {Edge, Edge, Edge, Edge}},
    // 163.5 - 2^-25 rounds to 163; as a float it is 163.5, which rounds to 164.
    {"ends a pixel right of two corners", 0.5f - std::ldexp(1.0f, -25), {Fill, Edge, Fill, Edge}},
};

TEST(LinesEdgeEnds, TheLinesColourLandsWhereTheEndsRound) {
  for (const Case& c : Cases) {
    const surface::CellTable cells{{0, c.y, 0, 0, 1, 0, -1, 1, 0, -1, c.y, 0, -0.5f, 0.5f, 0, 0}};
    runtime::WorkerPool pool(1);
    picture::ImageSurface area = picture::MakeDrawingAreaImage();
    render::DepthOrder order;
    render::CellPainter painter;
    render::DrawSurface(cells, area, render::StandardAxisPoints(), {0, 0, 100, surface::ColorMode::Lines},
                        order, painter, pool);
    const std::array<render::Color, 4> square = {area.PixelAt(163, 163), area.PixelAt(164, 163),
                                                 area.PixelAt(163, 164), area.PixelAt(164, 164)};
    EXPECT_EQ(square, c.square) << c.name;
  }
}

}  // namespace
