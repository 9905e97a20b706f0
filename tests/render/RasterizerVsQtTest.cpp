#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <vector>

#include "platform/ImageSurface.h"
#include "platform/LineRaster.h"
#include "platform/PolygonFill.h"
#include "platform/PolygonOutline.h"

namespace {

using platform::PolygonPoint;

constexpr int Size = 326;
constexpr QRgb Blank = 0xFF000000;
constexpr QRgb Ink = 0xFFFFFFFF;

using Polygon = std::vector<PolygonPoint>;

QImage BlankImage() {
  QImage image(Size, Size, QImage::Format_RGB32);
  image.fill(Blank);
  return image;
}

platform::PixelBuffer PixelsOf(QImage& image) {
  return {reinterpret_cast<uint32_t*>(image.bits()), image.width(), image.height(), image.bytesPerLine() / 4};
}

QPolygon ToQt(const Polygon& polygon) {
  QPolygon q;
  for (const PolygonPoint& p : polygon) q << QPoint(p.x, p.y);
  return q;
}

QImage QtFill(const Polygon& polygon) {
  QImage image = BlankImage();
  QPainter painter(&image);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(Ink));
  painter.drawPolygon(ToQt(polygon), Qt::OddEvenFill);
  return image;
}

QImage OurFill(const Polygon& polygon) {
  QImage image = BlankImage();
  platform::FillEvenOdd(PixelsOf(image), polygon.data(), static_cast<int>(polygon.size()), Ink);
  return image;
}

QImage QtOutline(const Polygon& polygon) {
  QImage image = BlankImage();
  QPainter painter(&image);
  QPen pen{QColor(Ink)};
  pen.setWidth(0);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawPolygon(ToQt(polygon), Qt::OddEvenFill);
  return image;
}

QImage OurOutline(const Polygon& polygon) {
  QImage image = BlankImage();
  platform::DrawPolygonOutline(PixelsOf(image), polygon.data(), static_cast<int>(polygon.size()), Ink,
                               platform::SolidPattern);
  return image;
}

// How far the centre of pixel (x, y) lies from the nearest edge crossing of its row.
double DistanceToEdge(const Polygon& polygon, int x, int y) {
  double nearest = INFINITY;
  const double centreY = y + 0.5, centreX = x + 0.5;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    PolygonPoint a = polygon[i], b = polygon[(i + 1) % polygon.size()];
    if (a.y == b.y) continue;
    if (a.y > b.y) std::swap(a, b);
    if (centreY < a.y || centreY > b.y) continue;
    const double crossing = a.x + (centreY - a.y) * double(b.x - a.x) / double(b.y - a.y);
    nearest = std::min(nearest, std::abs(crossing - centreX));
  }
  return nearest;
}

bool Inked(const QImage& image, int x, int y) {
  return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x] == Ink;
}

// Whether the image has ink within one pixel of (x, y). Next to the image's border
// the counterpart may have fallen just outside, so off-image neighbours count.
bool InkNear(const QImage& image, int x, int y) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      const int px = x + dx, py = y + dy;
      if (px < 0 || py < 0 || px >= Size || py >= Size || Inked(image, px, py)) return true;
    }
  }
  return false;
}

// The pixels within one pixel of ink in either image.
std::vector<bool> NearInk(const QImage& a, const QImage& b) {
  std::vector<bool> mask(Size * Size, false);
  for (int y = 0; y < Size; ++y) {
    for (int x = 0; x < Size; ++x) {
      if (!Inked(a, x, y) && !Inked(b, x, y)) continue;
      for (int py = std::max(y - 1, 0); py <= std::min(y + 1, Size - 1); ++py) {
        for (int px = std::max(x - 1, 0); px <= std::min(x + 1, Size - 1); ++px) mask[py * Size + px] = true;
      }
    }
  }
  return mask;
}

// A grid cell as the drawer passes it: P0 P1 P1 P2 P2 P3 P3 P0.
Polygon CellPolygon(std::mt19937& random, int spread, int offset) {
  std::uniform_int_distribution<int> d(0, spread);
  const PolygonPoint p0{offset + d(random), offset + d(random)}, p1{offset + d(random), offset + d(random)},
      p2{offset + d(random), offset + d(random)}, p3{offset + d(random), offset + d(random)};
  return {p0, p1, p1, p2, p2, p3, p3, p0};
}

Polygon RandomPolygon(std::mt19937& random, int low, int high) {
  std::uniform_int_distribution<int> vertices(3, 9), d(low, high);
  Polygon polygon(vertices(random));
  for (PolygonPoint& p : polygon) p = {d(random), d(random)};
  return polygon;
}

struct Family {
  const char* name;
  std::function<Polygon(std::mt19937&)> make;
  // How far from an edge a pixel centre may lie where Qt decides otherwise: 0
  // for exact ties only; Qt steps along tall edges with a 16.16 fixed-point slope
  // whose error adds up over hundreds of rows.
  double tieTolerance;
};

std::vector<Family> Families() {
  return {
      {"tiny cells", [](std::mt19937& r) { return CellPolygon(r, 2, 150); }, 0},
      {"small cells", [](std::mt19937& r) { return CellPolygon(r, 6, 150); }, 0},
      {"cells of a coarse grid", [](std::mt19937& r) { return CellPolygon(r, 40, 100); }, 0},
      {"medium polygons", [](std::mt19937& r) { return RandomPolygon(r, 100, 130); }, 0},
      {"large polygons", [](std::mt19937& r) { return RandomPolygon(r, 0, Size - 1); }, 1.0 / 64},
      {"polygons beyond the edges", [](std::mt19937& r) { return RandomPolygon(r, -300, Size + 300); },
       1.0 / 64},
  };
}

constexpr int Trials = 150;

// Under the same even-odd rule on pixel centres, the two fills agree everywhere
// except on pixels whose centre lies exactly on an edge: there ours counts the
// centre as inside at the left end of a span and outside at the right end, Qt
// decides by its fixed-point rounding.
TEST(RasterizerVsQt, FillsDifferOnlyWhereAPixelCentreLiesOnAnEdge) {
  std::mt19937 random(1);
  for (const Family& family : Families()) {
    for (int trial = 0; trial < Trials; ++trial) {
      const Polygon polygon = family.make(random);
      const QImage qt = QtFill(polygon), ours = OurFill(polygon);
      for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
          if (Inked(qt, x, y) == Inked(ours, x, y)) continue;
          ASSERT_LE(DistanceToEdge(polygon, x, y), family.tieTolerance)
              << family.name << " trial " << trial << " pixel " << x << "," << y;
        }
      }
    }
  }
}

// Qt's cosmetic lines lean towards smaller coordinates by up to a pixel; ours take
// the nearest pixel. Every outline pixel of either has one of the other next to it.
TEST(RasterizerVsQt, OutlinesStayWithinOnePixel) {
  std::mt19937 random(2);
  for (const Family& family : Families()) {
    for (int trial = 0; trial < Trials; ++trial) {
      const Polygon polygon = family.make(random);
      const QImage qt = QtOutline(polygon), ours = OurOutline(polygon);
      for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
          if (Inked(ours, x, y))
            ASSERT_TRUE(InkNear(qt, x, y)) << family.name << " ours at " << x << "," << y;
          if (Inked(qt, x, y))
            ASSERT_TRUE(InkNear(ours, x, y)) << family.name << " Qt's at " << x << "," << y;
        }
      }
    }
  }
}

// The whole Polygon operation, outline over fill: away from the outlines the
// pictures are the same.
TEST(RasterizerVsQt, OutlinedPolygonsAgreeAwayFromTheirOutlines) {
  constexpr platform::Color Outline = 0x0000FF, Fill = 0x00FF00;
  std::mt19937 random(3);
  for (const Family& family : Families()) {
    for (int trial = 0; trial < Trials / 3; ++trial) {
      const Polygon polygon = family.make(random);
      platform::ImageSurface ours(Size, Size, 0, QFont());
      ours.SetForeColor(Outline);
      ours.SetFillColor(Fill);
      ours.Polygon(polygon.data(), static_cast<int>(polygon.size()));
      QImage qt = BlankImage();
      {
        QPainter painter(&qt);
        QPen pen{platform::ToQColor(Outline)};
        pen.setWidth(0);
        painter.setPen(pen);
        painter.setBrush(platform::ToQColor(Fill));
        painter.drawPolygon(ToQt(polygon), Qt::OddEvenFill);
      }
      const std::vector<bool> nearOutline = NearInk(QtOutline(polygon), OurOutline(polygon));
      for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
          if (nearOutline[y * Size + x]) continue;
          ASSERT_EQ(ours.image().pixel(x, y), qt.pixel(x, y)) << family.name << " at " << x << "," << y;
        }
      }
    }
  }
}

}  // namespace
