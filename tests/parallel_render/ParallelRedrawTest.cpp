// Redraws shared out over several threads give the pictures and the painter's
// order of the same redraws on one thread.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <new>
#include <numeric>
#include <random>
#include <vector>

#include "gui/ImageSurface.h"
#include "render/SurfaceDrawing.h"
#include "runtime/RuntimeError.h"

// Every allocation of the program counted while a test asks for it.
namespace {
std::atomic<bool> countingAllocations = false;
std::atomic<long> allocations = 0;
}  // namespace

void* operator new(std::size_t size) {
  if (countingAllocations) ++allocations;
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}
// Every form that pairs with the replaced delete, so that no block is freed by
// another allocator than the one that made it.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  if (countingAllocations) ++allocations;
  return std::malloc(size == 0 ? 1 : size);
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }

namespace {

using surface::CellTable;
using surface::ColorMode;

constexpr ColorMode AllModes[] = {ColorMode::Grid, ColorMode::Lines, ColorMode::Colors, ColorMode::RndColors};

// A wavy sheet of `side` x `side` cells over the cube, its colour codes from the
// heights, the first and last columns marked as borders.
CellTable WavySheet(int side) {
  CellTable cells;
  const float step = 150.0f / static_cast<float>(side);
  const auto z = [](float x, float y) { return 40 * std::sin(x / 23) * std::cos(y / 17); };
  for (int j = 0; j < side; ++j)
    for (int i = 0; i < side; ++i) {
      const float x = -75 + static_cast<float>(i) * step, y = -75 + static_cast<float>(j) * step;
      const float x2 = x + step, y2 = y + step, xm = x + step / 2, ym = y + step / 2;
      const float code = i == 0 ? 1.0f : i == side - 1 ? 2.0f : std::round(z(xm, ym) * 100000 + 5000000);
      cells.push_back(
          {x, y, z(x, y), x, y2, z(x, y2), x2, y2, z(x2, y2), x2, y, z(x2, y), xm, ym, z(xm, ym), code});
    }
  return cells;
}

QFont AreaFont() {
  QFont font("Times New Roman", -1, QFont::Bold);
  font.setPointSizeF(9.75);
  return font;
}

// A drag over the table: the pictures and orders of each redraw.
struct Drag {
  std::vector<QImage> pictures;
  std::vector<std::vector<uint32_t>> orders;
};

constexpr render::View Turns[] = {{-25, 105}, {-24, 106}, {-20, 110}, {40, 60}, {40, 60}, {170, -30}};

Drag Dragged(const CellTable& cells, ColorMode mode, unsigned threads, double pixelScale = 1) {
  runtime::WorkerPool pool(threads);
  const int size = static_cast<int>(326 * pixelScale);
  gui::ImageSurface area(size, size, 0xE0E0E0, AreaFont(), pixelScale);
  render::DepthOrder order;
  render::CellPainter painter;
  order.Restart(cells, pool);
  Drag drag;
  for (render::View view : Turns) {
    view.mode = mode;
    render::DrawSurface(cells, area, render::StandardAxisPoints(), view, order, painter, pool);
    drag.pictures.push_back(area.image().copy());
    drag.orders.emplace_back(order.Rows().begin(), order.Rows().end());
  }
  return drag;
}

// A table large enough that every stage is cut into parts for each thread.
TEST(ParallelRedraw, EveryModeDrawsThePicturesOfOneThread) {
  const CellTable cells = WavySheet(300);
  for (const ColorMode mode : AllModes) {
    const Drag alone = Dragged(cells, mode, 1);
    for (const unsigned threads : {2u, 3u, 5u}) {
      const Drag shared = Dragged(cells, mode, threads);
      for (std::size_t k = 0; k < alone.pictures.size(); ++k) {
        EXPECT_EQ(shared.pictures[k], alone.pictures[k])
            << "mode " << static_cast<int>(mode) << ", " << threads << " threads, redraw " << k;
        EXPECT_EQ(shared.orders[k], alone.orders[k]) << threads << " threads, redraw " << k;
      }
    }
  }
}

// On a dense screen lines are two pixels wide and reach across band edges.
TEST(ParallelRedraw, TwoPixelsPerPixelDrawTheSamePictures) {
  const CellTable cells = WavySheet(100);
  EXPECT_EQ(Dragged(cells, ColorMode::Lines, 3, 2).pictures, Dragged(cells, ColorMode::Lines, 1, 2).pictures);
}

// Each order is the stable one: by depth, ties in the order the previous redraw left.
TEST(ParallelRedraw, TheOrderIsTheStableSortOfThePreviousOne) {
  CellTable cells = WavySheet(400);
  // Rows of the same centre, so that ties come up in every sort.
  for (std::size_t r = 0; r < cells.size(); r += 3)
    std::copy_n(&cells[r / 2][surface::MidX], 3, &cells[r][surface::MidX]);
  const Drag drag = Dragged(cells, ColorMode::Grid, 4);
  std::vector<uint32_t> expected(cells.size());
  std::iota(expected.begin(), expected.end(), 0u);
  for (std::size_t k = 0; k < std::size(Turns); ++k) {
    const render::DepthGauge gauge(Turns[k]);
    std::vector<float> depth;
    for (const surface::Cell& row : cells) depth.push_back(gauge.Depth(render::CentreOf(row)));
    // The literal bubble sort on tables this large takes too long; a stable sort by the same
    // strict comparison is its result.
    std::stable_sort(expected.begin(), expected.end(),
                     [&](uint32_t a, uint32_t b) { return depth[a] < depth[b]; });
    EXPECT_EQ(drag.orders[k], expected) << "redraw " << k;
  }
}

// A cell whose colour code does not fit stops the painting there: the cells before the first
// such cell in the order are drawn, on any number of threads, and none after it.
TEST(ParallelRedraw, AMisfitStopsEveryBandAtTheSameCell) {
  CellTable cells = WavySheet(200);
  cells[2000][surface::ColorCode] = -3e9f;
  cells[23456][surface::ColorCode] = 3e9f;
  const render::View view{-25, 105, 100, ColorMode::Colors};
  std::vector<QImage> pictures;
  for (const unsigned threads : {1u, 2u, 4u}) {
    runtime::WorkerPool pool(threads);
    gui::ImageSurface area(326, 326, 0xE0E0E0, AreaFont());
    render::DepthOrder order;
    render::CellPainter painter;
    EXPECT_THROW(render::DrawSurface(cells, area, render::StandardAxisPoints(), view, order, painter, pool),
                 runtime::RuntimeError)
        << threads;
    pictures.push_back(area.image().copy());
    // The same order painted up to the first misfit alone: the rows before it, then nothing.
    const auto misfit = std::find_if(order.Rows().begin(), order.Rows().end(),
                                     [](uint32_t row) { return row == 2000 || row == 23456; });
    ASSERT_GT(misfit - order.Rows().begin(), 10000) << "far into the order";
    gui::ImageSurface upToMisfit(326, 326, 0xE0E0E0, AreaFont());
    render::CellPainter alone;
    runtime::WorkerPool one(1);
    alone.Paint(cells, std::span(order.Rows().begin(), misfit), upToMisfit, render::StandardAxisPoints(),
                view, one);
    EXPECT_EQ(area.image(), upToMisfit.image()) << threads << " threads";
  }
  EXPECT_EQ(pictures[1], pictures[0]);
  EXPECT_EQ(pictures[2], pictures[0]);
}

// The text goes through Qt, which allocates as it likes; the rest of a redraw must not.
struct SilentImage : gui::ImageSurface {
  SilentImage() : gui::ImageSurface(326, 326, 0xE0E0E0, AreaFont()) {}
  void Print(std::string_view) override {}
};

TEST(ParallelRedraw, ARedrawAllocatesNothing) {
  const CellTable cells = WavySheet(150);
  for (const ColorMode mode : AllModes) {
    for (const unsigned threads : {1u, 3u}) {
      runtime::WorkerPool pool(threads);
      SilentImage area;
      render::DepthOrder order;
      render::CellPainter painter;
      render::View view{-25, 105, 100, mode};
      render::DrawSurface(cells, area, render::StandardAxisPoints(), view, order, painter, pool);
      allocations = 0;
      countingAllocations = true;
      for (int turn = 1; turn <= 3; ++turn) {
        view.Theta = static_cast<int16_t>(view.Theta + 7 * turn);
        render::DrawSurface(cells, area, render::StandardAxisPoints(), view, order, painter, pool);
      }
      countingAllocations = false;
      EXPECT_EQ(allocations, 0) << "mode " << static_cast<int>(mode) << ", " << threads << " threads";
    }
  }
}

}  // namespace
