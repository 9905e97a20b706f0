// Drawing shared out over threads gives the picture of one thread: redraws drawn in
// bands, each band by its own thread, with their painter's order. Each rasterizer's
// bands against the whole, far-off corners among them, are in the raster tests.
#include <gtest/gtest.h>

#include <QImage>
#include <vector>

#include "picture/DrawingAreaImage.h"
#include "render/SurfaceDrawing.h"
#include "runtime/WorkerPool.h"
#include "testkit/WavySheet.h"

namespace {

// No band is ever empty: an image has at most one band per row.
TEST(BandDrawing, AtMostOneBandPerRow) {
  const std::pair<int, int> rows[] = {{0, 1}, {1, 1}, {326, 326}, {327, 326}, {100000, 326}};
  for (const auto& [wanted, bands] : rows)
    EXPECT_EQ(picture::MakeDrawingAreaImage().SplitIntoBands(wanted), bands) << wanted;
}

// Redraws shared out over several threads give the pictures and the painter's
// order of the same redraws on one thread.
using surface::CellTable;
using surface::ColorMode;

// A drag over the table: the pictures and orders of each redraw.
struct Drag {
  std::vector<QImage> pictures;
  std::vector<std::vector<uint32_t>> orders;
};

constexpr render::View Turns[] = {{-25, 105}, {-24, 106}, {-20, 110}, {40, 60}, {40, 60}, {170, -30}};

Drag Dragged(const CellTable& cells, ColorMode mode, unsigned threads, double pixelScale = 1) {
  runtime::WorkerPool pool(threads);
  picture::ImageSurface area = picture::MakeDrawingAreaImage(pixelScale);
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
  const CellTable cells = testkit::WavySheet(160);
  for (const double pixelScale : {1.0, 2.0})
    for (const ColorMode mode : surface::AllColorModes) {
      const Drag alone = Dragged(cells, mode, 1, pixelScale), shared = Dragged(cells, mode, 3, pixelScale);
      for (std::size_t k = 0; k < alone.pictures.size(); ++k) {
        EXPECT_EQ(shared.pictures[k], alone.pictures[k])
            << "mode " << static_cast<int>(mode) << ", scale " << pixelScale << ", redraw " << k;
        EXPECT_EQ(shared.orders[k], alone.orders[k]) << "redraw " << k;
      }
    }
}

// A painter that drew a large table in bands draws a small one after it in one band,
// as a fresh painter does: nothing of the earlier bands is left over.
TEST(ParallelRedraw, ASmallTableAfterALargeOneDrawsAsAlone) {
  const CellTable large = testkit::WavySheet(160), small = testkit::WavySheet(40);
  runtime::WorkerPool pool(3);
  picture::ImageSurface area = picture::MakeDrawingAreaImage();
  render::DepthOrder order;
  render::CellPainter painter;
  for (const CellTable* cells : {&large, &small})
    render::DrawSurface(*cells, area, render::StandardAxisPoints(), Turns[0], order, painter, pool);
  EXPECT_EQ(area.image(), Dragged(small, ColorMode::Grid, 1).pictures[0]);
}

}  // namespace
