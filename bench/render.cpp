// The cost of one redraw, what one mouse-move event of a drag costs, on the
// default formula's surface at several resolutions, and of its stages: the depths
// and the painter's order, then the painting. Each runs on one thread and on all
// the machine's cores (the second argument), so that the speed-up shows.
// Run: build/bench/bench_render
#include <benchmark/benchmark.h>

#include <QFont>
#include <algorithm>
#include <cmath>
#include <thread>

#include "picture/ImageSurface.h"
#include "render/AxisPoints.h"
#include "render/DepthOrder.h"
#include "render/SurfaceDrawing.h"
#include "render/Values.h"
#include "runtime/Conversions.h"
#include "runtime/WorkerPool.h"

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
  CellTable cells(static_cast<std::size_t>(rows), surface::Cell{});
  const float end = 1.0f - step;
  int r = 0;
  for (float y = -1; y <= end; y += step) {
    for (float x = -1; x <= end && r < rows; x += step, ++r) {
      const float x2 = x + step, y2 = y + step, xm = x + step / 2, ym = y + step / 2;
      cells[static_cast<std::size_t>(r)] = {CoefXY * x,     CoefXY * y,    Height(x, y),   CoefXY * x,
                                            CoefXY * y2,    Height(x, y2), CoefXY * x2,    CoefXY * y2,
                                            Height(x2, y2), CoefXY * x2,   CoefXY * y,     Height(x2, y),
                                            CoefXY * xm,    CoefXY * ym,   Height(xm, ym), 0};
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

// A drag's next view: every event turns the view by one degree from the last, so
// each redraw starts from the order the previous one left.
render::View TurnedView(render::View view, int event) {
  view.Theta = static_cast<int16_t>(-24 + event % 360);
  return view;
}

struct Setting {
  CellTable cells;
  runtime::WorkerPool pool;
  picture::ImageSurface area{326, 326, 0xE0E0E0, AreaFont()};
  render::DepthOrder order;
  render::CellPainter painter;

  explicit Setting(const benchmark::State& state)
      : cells(DefaultSurface(static_cast<int>(state.range(0)))), pool(static_cast<unsigned>(state.range(1))) {
    order.Restart(cells, pool);
  }
};

// One redraw per event of a drag: depths, order and painting.
void BM_Redraw(benchmark::State& state, surface::ColorMode mode) {
  Setting s(state);
  render::View view;
  view.mode = mode;
  render::DrawSurface(s.cells, s.area, render::StandardAxisPoints(), view, s.order, s.painter, s.pool);
  int event = 0;
  for (auto _ : state)
    render::DrawSurface(s.cells, s.area, render::StandardAxisPoints(), TurnedView(view, event++), s.order,
                        s.painter, s.pool);
  state.counters["cells"] = static_cast<double>(s.cells.size());
}

// The facts of the default surface, for the values.
render::PlotFacts DefaultFacts(int resolution) {
  render::PlotFacts facts{"(Cos(X) ^ 2 + Sin(Y) ^ 2)",
                          {},
                          {CoefXY, CoefXY, CoefZ, 0.0f, 0.0f, CenterZ},
                          surface::ColorMode::Colors,
                          '.'};
  for (int k = 0;
       const float limit : {-1.0f, 1.0f, -1.0f, 1.0f, static_cast<float>(resolution), 0.0f, 1.708f})
    facts.limits[static_cast<surface::Limit>(k++)] = limit;
  return facts;
}

// The same redraw with Show Values on: ticks, the colour key and the caption after
// the cells, measured against BM_Redraw/Colors.
void BM_RedrawWithValues(benchmark::State& state) {
  Setting s(state);
  render::View view;
  view.mode = surface::ColorMode::Colors;
  const render::PlotFacts facts = DefaultFacts(static_cast<int>(state.range(0)));
  int event = 0;
  for (auto _ : state) {
    const render::View turned = TurnedView(view, event++);
    render::DrawSurface(s.cells, s.area, render::StandardAxisPoints(), turned, s.order, s.painter, s.pool);
    render::DrawValues(s.area, facts, render::StandardAxisPoints(), turned);
  }
}

// The values alone, what Show Values adds to every redraw whatever the table's size.
void BM_Values(benchmark::State& state) {
  picture::ImageSurface area{326, 326, 0xE0E0E0, AreaFont()};
  render::View view;
  view.mode = surface::ColorMode::Colors;
  const render::PlotFacts facts = DefaultFacts(1000);
  int event = 0;
  for (auto _ : state)
    render::DrawValues(area, facts, render::StandardAxisPoints(), TurnedView(view, event++));
}

// The depth and order steps alone.
void BM_DepthAndSort(benchmark::State& state) {
  Setting s(state);
  render::View view;
  s.order.SortForView(view, s.pool);
  int event = 0;
  for (auto _ : state) s.order.SortForView(TurnedView(view, event++), s.pool);
}

// The painting alone, of a table in the order of its view.
void BM_Paint(benchmark::State& state, surface::ColorMode mode) {
  Setting s(state);
  render::View view;
  view.mode = mode;
  s.order.SortForView(view, s.pool);
  for (auto _ : state)
    s.painter.Paint(s.cells, s.order.Rows(), s.area, render::StandardAxisPoints(), view, s.pool);
}

// A redraw with unchanged angles: the order stands.
void BM_RedrawSameView(benchmark::State& state) {
  Setting s(state);
  const render::View view;
  for (auto _ : state)
    render::DrawSurface(s.cells, s.area, render::StandardAxisPoints(), view, s.order, s.painter, s.pool);
}

// Each resolution on one thread and on every core.
void OneAndAllThreads(benchmark::internal::Benchmark* benchmark, std::initializer_list<int> resolutions) {
  const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  benchmark->ArgNames({"resolution", "threads"})->Unit(benchmark::kMillisecond);
  for (const int resolution : resolutions) {
    benchmark->Args({resolution, 1});
    if (cores > 1) benchmark->Args({resolution, cores});
  }
}

using surface::ColorMode;
const auto Fine = [](benchmark::internal::Benchmark* b) { OneAndAllThreads(b, {300, 1000}); };

BENCHMARK_CAPTURE(BM_Redraw, Grid, ColorMode::Grid)->Apply([](auto* b) {
  OneAndAllThreads(b, {12, 100, 300, 1000});
});
BENCHMARK_CAPTURE(BM_Redraw, Lines, ColorMode::Lines)->Apply(Fine);
BENCHMARK_CAPTURE(BM_Redraw, Colors, ColorMode::Colors)->Apply(Fine);
BENCHMARK_CAPTURE(BM_Redraw, RndColors, ColorMode::RndColors)->Apply(Fine);
BENCHMARK(BM_RedrawWithValues)->Apply(Fine);
BENCHMARK(BM_Values)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DepthAndSort)->Apply(Fine);
BENCHMARK_CAPTURE(BM_Paint, Grid, ColorMode::Grid)->Apply(Fine);
BENCHMARK_CAPTURE(BM_Paint, Lines, ColorMode::Lines)->Apply(Fine);
BENCHMARK_CAPTURE(BM_Paint, Colors, ColorMode::Colors)->Apply(Fine);
BENCHMARK(BM_RedrawSameView)->Apply(Fine);

}  // namespace
