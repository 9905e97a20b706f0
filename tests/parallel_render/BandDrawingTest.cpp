// An image drawn in bands, each band by its own thread, is the image drawn in one pass.
#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <functional>
#include <limits>
#include <tuple>
#include <vector>

#include "picture/ImageSurface.h"
#include "runtime/WorkerPool.h"

namespace {

using render::DrawingSurface;
using render::PolygonPoint;
using Draw = std::function<void(DrawingSurface&)>;

constexpr int Side = 326;
constexpr int32_t Far = std::numeric_limits<int32_t>::max(), Near = std::numeric_limits<int32_t>::min();

void Polygon(DrawingSurface& area, std::vector<PolygonPoint> points) {
  area.Polygon(points.data(), static_cast<int>(points.size()));
}

// Cells of every size from below a pixel to many, their corners off the pixel grid.
void Cells(DrawingSurface& area, double size, render::Color fill) {
  area.SetFillColor(fill);
  for (double y = -7; y < Side + 7; y += size * 0.93)
    for (double x = 60; x < 80; x += size * 1.07) {
      const auto at = [&](double dx, double dy) {
        return PolygonPoint{static_cast<int32_t>(x + dx + 0.3 * dy), static_cast<int32_t>(y + dy - 0.2 * dx)};
      };
      const PolygonPoint p0 = at(0, 0), p1 = at(0, size), p2 = at(size, size), p3 = at(size, 0);
      Polygon(area, {p0, p1, p1, p2, p2, p3, p3, p0});
    }
}

const std::pair<const char*, Draw> Drawings[] = {
    {"corners far off the area",
     [](DrawingSurface& a) {
       Polygon(a, {{Near, 150}, {Far, Near}, {Far, Far}, {150, Far}});
     }},
    {"tiny and small cells over every band edge",
     [](DrawingSurface& a) {
       a.SetForeColor(0xC0C0C0);
       for (const double size : {0.4, 1.4, 6.0}) Cells(a, size, 0x123456 * static_cast<uint32_t>(size * 10));
     }},
    {"dotted axes from the centre",
     [](DrawingSurface& a) {
       a.SetLineStyle(render::LineStyle::Dotted);
       for (const auto& [x, y] : std::vector<std::pair<float, float>>{{98.4f, 127.1f},
                                                                      {227.6f, 198.8f},
                                                                      {301.2f, 146.5f},
                                                                      {24.8f, 179.5f},
                                                                      {163, 310.2f},
                                                                      {163, -3e9f}})
         a.Line(163, 163, x, y, render::PaletteWhite);
     }},
};

picture::ImageSurface Blank(double pixelScale) {
  const int size = static_cast<int>(Side * pixelScale);
  picture::ImageSurface area(size, size, 0xE0E0E0, QFont(), pixelScale);
  area.SetForeColor(0x0000FF);  // a band starts from the settings the surface has when it splits
  area.SetFillColor(0x00FF00);
  return area;
}

// Every drawing, at one and two device pixels per pixel (wide lines and dots), in one to
// many bands, each band drawn by a thread of its own.
TEST(BandDrawing, EveryBandCountGivesTheOnePassPicture) {
  runtime::WorkerPool pool(4);
  for (const double pixelScale : {1.0, 2.0}) {
    for (const auto& [name, draw] : Drawings) {
      picture::ImageSurface whole = Blank(pixelScale);
      draw(whole);
      for (const int wanted : {3, 40}) {
        picture::ImageSurface banded = Blank(pixelScale);
        const int bands = banded.SplitIntoBands(wanted);
        ASSERT_EQ(bands, wanted);
        pool.Run(static_cast<std::size_t>(bands),
                 [&, &drawing = draw](std::size_t k) { drawing(banded.Band(static_cast<int>(k))); });
        EXPECT_EQ(banded.image(), whole.image())
            << name << ", " << wanted << " bands at scale " << pixelScale;
      }
    }
  }
}

// No band is ever empty: an image has at most one band per row.
TEST(BandDrawing, AtMostOneBandPerRow) {
  const std::pair<int, int> rows[] = {{0, 1}, {1, 1}, {326, 326}, {327, 326}, {100000, 326}};
  for (const auto& [wanted, bands] : rows) EXPECT_EQ(Blank(1).SplitIntoBands(wanted), bands) << wanted;
}

}  // namespace
