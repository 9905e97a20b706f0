// The cost of one redraw, what one mouse-move event of a drag costs, on the
// default formula's surface at several resolutions. Run: build/bench/bench_render
#include <benchmark/benchmark.h>

#include <QFont>
#include <cmath>

#include "gui/ImageSurface.h"
#include "render/AxisPoints.h"
#include "render/DepthOrder.h"
#include "render/SurfaceDrawing.h"
#include "runtime/Conversions.h"

namespace {

using surface::CellTable;

// Scale and centre as the program derives them for X, Y in -1 .. 1 and the Z range
// 0 .. 1.708 of Cos(X) ^ 2 + Sin(Y) ^ 2.
constexpr float CoefXY = 75;
constexpr float CoefZ = 87.818f;
constexpr float CenterZ = 0.2135f;

float Height(float x, float y) {
  const double z = std::pow(std::cos(double{x}), 2) + std::pow(std::sin(double{y}), 2);
  return static_cast<float>(CoefZ * (z - CenterZ));
}

// The cell table of the default inputs at the given resolution, walked with
// 32-bit float counters like the cell builder, so that rows the walk misses stay 0.
CellTable DefaultSurface(int resolution) {
  const float step = 2.0f / static_cast<float>(resolution);
  const int rows = runtime::ToLong(static_cast<double>(resolution) * resolution - 1) + 1;
  CellTable cells(rows, surface::Cell{});
  const float end = 1.0f - step;
  int r = 0;
  for (float y = -1; y <= end; y += step) {
    for (float x = -1; x <= end && r < rows; x += step, ++r) {
      const float x2 = x + step, y2 = y + step, xm = x + step / 2, ym = y + step / 2;
      cells[r] = {CoefXY * x,
                  CoefXY * y,
                  Height(x, y),
                  CoefXY * x,
                  CoefXY * y2,
                  Height(x, y2),
                  CoefXY * x2,
                  CoefXY * y2,
                  Height(x2, y2),
                  CoefXY * x2,
                  CoefXY * y,
                  Height(x2, y),
                  CoefXY * xm,
                  CoefXY * ym,
                  Height(xm, ym),
                  0,
                  0};
    }
  }
  return cells;
}

QFont AreaFont() {
  QFont font("Times New Roman");
  font.setPointSizeF(9.75);
  font.setBold(true);
  return font;
}

// A drag: every event turns the view by one degree from the last, so each redraw
// starts from the row order the previous one left.
void BM_Redraw(benchmark::State& state, surface::ColorMode mode) {
  CellTable cells = DefaultSurface(static_cast<int>(state.range(0)));
  gui::ImageSurface area(326, 326, 0xE0E0E0, AreaFont());
  render::View view;
  view.mode = mode;
  render::DepthOrder order;
  render::DrawSurface(cells, area, render::StandardAxisPoints(), view, order);
  int event = 0;
  for (auto _ : state) {
    view.Theta = static_cast<int16_t>(-24 + event++ % 360);
    render::DrawSurface(cells, area, render::StandardAxisPoints(), view, order);
  }
  state.counters["cells"] = static_cast<double>(cells.size());
}

// The depth and order steps alone.
void BM_DepthAndSort(benchmark::State& state) {
  CellTable cells = DefaultSurface(static_cast<int>(state.range(0)));
  render::View view;
  render::DepthOrder order;
  render::StoreDepths(cells, view);
  order.SortFarthestFirst(cells);
  int event = 0;
  for (auto _ : state) {
    view.Theta = static_cast<int16_t>(-24 + event++ % 360);
    render::StoreDepths(cells, view);
    order.SortFarthestFirst(cells);
  }
}

// A redraw with unchanged angles: the table is already in order.
void BM_RedrawSameView(benchmark::State& state) {
  CellTable cells = DefaultSurface(static_cast<int>(state.range(0)));
  gui::ImageSurface area(326, 326, 0xE0E0E0, AreaFont());
  const render::View view;
  render::DepthOrder order;
  for (auto _ : state) render::DrawSurface(cells, area, render::StandardAxisPoints(), view, order);
}

BENCHMARK_CAPTURE(BM_Redraw, Grid, surface::ColorMode::Grid)
    ->Arg(12)
    ->Arg(100)
    ->Arg(300)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Redraw, Lines, surface::ColorMode::Lines)
    ->Arg(100)
    ->Arg(300)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Redraw, Colors, surface::ColorMode::Colors)->Arg(300)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DepthAndSort)->Arg(100)->Arg(300)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawSameView)->Arg(300)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
