// An image drawn in bands, each band by its own thread, is the image drawn in one pass.
#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <functional>
#include <limits>
#include <tuple>
#include <vector>

#include "gui/ImageSurface.h"
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
    {"a triangle across every band",
     [](DrawingSurface& a) {
       a.SetForeColor(0x000000);
       a.SetFillColor(0x3366CC);
       Polygon(a, {{10, -40}, {300, 170}, {40, 400}});
     }},
    {"corners far off the area, a star inside",
     [](DrawingSurface& a) {
       a.SetFillColor(0x22AA22);
       Polygon(a, {{Near, 150}, {Far, Near}, {Far, Far}, {150, Far}});
       a.SetFillColor(0xAA2222);
       Polygon(a, {{163, 20}, {250, 300}, {20, 110}, {306, 110}, {76, 300}});
     }},
    {"an outline alone, without fill",
     [](DrawingSurface& a) {
       a.SetFillStyle(render::FillStyle::Transparent);
       Polygon(a, {{5, 5}, {320, 40}, {200, 321}, {2, 250}});
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
    {"short grey edge lines of many cells",
     [](DrawingSurface& a) {
       for (float y = -3; y < Side + 3; y += 0.7f)
         for (float x = 150; x < 170; x += 1.3f) {
           a.Line(x, y, x + 0.9f, y + 0.4f, render::PaletteDarkGrey);
           a.Line(x + 0.9f, y + 0.4f, x + 0.5f, y + 1.6f, render::PaletteDarkGrey);
         }
     }},
    {"long lines at every slope",
     [](DrawingSurface& a) {
       for (int k = 0; k < 40; ++k)
         a.Line(static_cast<float>(k * 8), -20.5f, static_cast<float>(Side - k * 8), 346.5f,
                0x0000FF * static_cast<uint32_t>(k));
     }},
};

gui::ImageSurface Blank(double pixelScale) {
  const int size = static_cast<int>(Side * pixelScale);
  return gui::ImageSurface(size, size, 0xE0E0E0, QFont(), pixelScale);
}

// Every drawing, at one and two device pixels per pixel (wide lines and dots), in one to
// many bands, each band drawn by a thread of its own.
TEST(BandDrawing, EveryBandCountGivesTheOnePassPicture) {
  runtime::WorkerPool pool(4);
  for (const double pixelScale : {1.0, 2.0}) {
    for (const auto& [name, draw] : Drawings) {
      gui::ImageSurface whole = Blank(pixelScale);
      draw(whole);
      for (const int wanted : {1, 2, 3, 7, 40}) {
        gui::ImageSurface banded = Blank(pixelScale);
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

// Bands follow the polygons drawn since the last split, a row at least each; with none drawn,
// the rows are shared out evenly. Band k reaches from a line's width and a pixel above its rows
// to as far below them.
TEST(BandDrawing, BandsShareOutThePolygonsOfTheLastPicture) {
  using Rows = std::vector<std::pair<int, int>>;
  const std::tuple<const char*, std::vector<int>, int, Rows> rows[] = {
      {"nothing drawn", {}, 3, {{0, 108}, {108, 217}, {217, 326}}},
      {"as many at rows 10 and 200", {10, 10, 10, 200, 200, 200}, 2, {{0, 11}, {11, 326}}},
      {"most at row 200", {10, 200, 200, 200}, 2, {{0, 201}, {201, 326}}},
      {"all on one row: one band takes it", {50, 50}, 3, {{0, 1}, {1, 51}, {51, 326}}},
  };
  for (const auto& [name, polygonRows, wanted, bands] : rows) {
    gui::ImageSurface area = Blank(1);
    area.SplitIntoBands(1);
    for (const int y : polygonRows) Polygon(area.Band(0), {{5, y}, {8, y}, {8, y + 2}});
    ASSERT_EQ(area.SplitIntoBands(wanted), wanted) << name;
    Rows split;
    for (int k = 0; k < wanted; ++k) {
      const render::DrawingSurface::Reach reach = area.BandReach(k);
      split.emplace_back(static_cast<int>(reach.top) + 2, static_cast<int>(reach.bottom) - 2);
    }
    EXPECT_EQ(split, bands) << name;
  }
}

// A band starts from the colours and styles the surface has when it splits.
TEST(BandDrawing, BandsStartFromTheSurfacesSettings) {
  gui::ImageSurface whole = Blank(1), banded = Blank(1);
  for (gui::ImageSurface* area : {&whole, &banded}) {
    area->SetForeColor(0x0000FF);
    area->SetFillColor(0x00FF00);
    area->SetLineStyle(render::LineStyle::Dotted);
  }
  const std::vector<PolygonPoint> square{{40, 40}, {280, 40}, {280, 280}, {40, 280}};
  whole.Polygon(square.data(), 4);
  const int bands = banded.SplitIntoBands(3);
  for (int k = 0; k < bands; ++k) banded.Band(k).Polygon(square.data(), 4);
  EXPECT_EQ(banded.image(), whole.image());
}

}  // namespace
