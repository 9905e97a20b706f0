// An image draws a redraw's cells in one call, in bands, with the pixels of the same
// cells drawn one by one as polygons and lines over the whole image.
#include <gtest/gtest.h>

#include <QFont>
#include <random>
#include <vector>

#include "picture/ImageSurface.h"
#include "render/DrawingSurface.h"

namespace {

constexpr int Width = 23, Height = 19;

// Cells about the image and across its edges, most within 2 x 2 pixels, some
// larger; their edge lines' ends within a rounding of the corners, some on a half.
struct Cells {
  std::vector<render::NarrowCorners> narrow;
  std::vector<render::WideCorners> wide;
  std::vector<render::Color> fills;
  std::vector<render::EdgeEnds> ends;
  std::vector<render::Border> borders;
  std::vector<render::BandSpan> spans;

  explicit Cells(std::size_t count) {
    std::mt19937 random(11);
    for (std::size_t k = 0; k < count; ++k) {
      const int reach = k % 10 == 0 ? 4 : 2;
      const int left = int(random() % (Width + 4)) - 2, top = int(random() % (Height + 4)) - 2;
      render::NarrowCorners corners;
      render::EdgeEnds edge;
      for (std::size_t c = 0; c < 4; ++c) {
        corners[c] = {int16_t(left + int(random() % reach)), int16_t(top + int(random() % reach))};
        const float nudge[] = {0, 0.5f, -0.5f, 0.49f};
        edge[2 * c] = float(corners[c].x) + nudge[random() % 4];
        edge[2 * c + 1] = float(corners[c].y) + nudge[random() % 4];
      }
      narrow.push_back(corners);
      wide.push_back({{{corners[0].x, corners[0].y},
                       {corners[1].x, corners[1].y},
                       {corners[2].x, corners[2].y},
                       {corners[3].x, corners[3].y}}});
      fills.push_back(render::Color(random() & 0xFFFFFF));
      ends.push_back(edge);
      borders.push_back(render::Border(random() % 3));
      spans.push_back({0, 255});
    }
  }
};

struct Mode {
  const char* name;
  bool narrow, fills, lines;
};

const Mode Modes[] = {
    {"plain fill", true, false, false},
    {"a fill per cell", true, true, false},
    {"edge lines", true, false, true},
    {"wide corners", false, true, true},
};

TEST(CellBatches, SameAsOneCellAtATime) {
  const Cells cells(3000);
  for (const Mode& mode : Modes) {
    render::CellBatch batch;
    batch.count = cells.narrow.size();
    if (mode.narrow)
      batch.narrow = cells.narrow.data();
    else
      batch.wide = cells.wide.data();
    if (mode.fills) batch.fills = cells.fills.data();
    if (mode.lines) {
      batch.ends = cells.ends.data();
      batch.borders = cells.borders.data();
      batch.edgeColor = 0x808080;
    }
    batch.spans = cells.spans.data();
    picture::ImageSurface banded(Width, Height, 0xE0E0E0, QFont()), whole(Width, Height, 0xE0E0E0, QFont());
    for (picture::ImageSurface* area : {&banded, &whole}) {
      area->SetForeColor(0x0000FF);
      area->SetFillColor(0x00FF00);
    }
    for (int k = 0, bands = banded.SplitIntoBands(3); k < bands; ++k) {
      batch.band = std::size_t(k);
      banded.Band(k).DrawCells(batch);
    }
    whole.render::DrawingSurface::DrawCells(batch);  // each cell's polygon and lines in turn
    EXPECT_EQ(banded.image(), whole.image()) << mode.name;
  }
}

// A band draws each cell it holds once, in order, wherever the runs of cells end.
TEST(CellBatches, DrawEachHeldCellOnceInOrder) {
  std::vector<render::BandSpan> spans(700, {0, 0});
  std::vector<std::size_t> held;
  for (std::size_t k = 0; k < spans.size(); ++k)
    if (k % 3 == 0)
      spans[k] = {1, 1};
    else
      held.push_back(k);
  render::CellBatch batch;
  batch.count = spans.size();
  batch.spans = spans.data();
  std::vector<std::size_t> drawn;
  batch.ForEachHeld([&](std::size_t cell) { drawn.push_back(cell); });
  EXPECT_EQ(drawn, held);
}

}  // namespace
