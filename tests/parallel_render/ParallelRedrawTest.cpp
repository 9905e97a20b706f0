// Redraws shared out over several threads give the pictures and the painter's
// order of the same redraws on one thread.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <vector>

#include "picture/ImageSurface.h"
#include "render/SurfaceDrawing.h"
#include "runtime/RuntimeError.h"

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
  picture::ImageSurface area(size, size, 0xE0E0E0, AreaFont(), pixelScale);
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

// A table large enough that every stage is cut into parts for each thread; on a dense
// screen lines are two pixels wide and reach across band edges.
TEST(ParallelRedraw, EveryModeDrawsThePicturesOfOneThread) {
  const CellTable cells = WavySheet(160);
  for (const double pixelScale : {1.0, 2.0})
    for (const ColorMode mode : AllModes) {
      const Drag alone = Dragged(cells, mode, 1, pixelScale), shared = Dragged(cells, mode, 3, pixelScale);
      for (std::size_t k = 0; k < alone.pictures.size(); ++k) {
        EXPECT_EQ(shared.pictures[k], alone.pictures[k])
            << "mode " << static_cast<int>(mode) << ", scale " << pixelScale << ", redraw " << k;
        EXPECT_EQ(shared.orders[k], alone.orders[k]) << "redraw " << k;
      }
    }
}

}  // namespace
