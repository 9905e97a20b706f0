#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <vector>

#include "platform/ImageSurface.h"
#include "platform/PolygonFill.h"
#include "platform/PolygonOutline.h"

namespace {

using platform::PolygonPoint;
using Polygon = std::vector<PolygonPoint>;

constexpr int Size = 326;
constexpr QRgb Ink = 0xFFFFFFFF;

enum Parts { FillOnly, OutlineOnly };

QPolygon ToQt(const Polygon& polygon) {
  QPolygon q;
  for (const PolygonPoint& p : polygon) q << QPoint(p.x, p.y);
  return q;
}

QImage QtDrawing(const Polygon& polygon, Parts parts) {
  QImage image(Size, Size, QImage::Format_RGB32);
  image.fill(0);
  QPainter painter(&image);
  QPen pen{QColor(Ink)};
  pen.setWidth(0);
  painter.setPen(parts == OutlineOnly ? pen : QPen(Qt::NoPen));
  painter.setBrush(parts == FillOnly ? QBrush(QColor(Ink)) : QBrush(Qt::NoBrush));
  painter.drawPolygon(ToQt(polygon), Qt::OddEvenFill);
  return image;
}

QImage OurDrawing(const Polygon& polygon, Parts parts) {
  QImage image(Size, Size, QImage::Format_RGB32);
  image.fill(0);
  const platform::PixelBuffer pixels{reinterpret_cast<uint32_t*>(image.bits()), Size, Size,
                                     image.bytesPerLine() / 4};
  const int count = static_cast<int>(polygon.size());
  if (parts == FillOnly) platform::FillEvenOdd(pixels, polygon.data(), count, Ink);
  if (parts == OutlineOnly)
    platform::DrawPolygonOutline(pixels, polygon.data(), count, Ink, platform::SolidPattern);
  return image;
}

bool Inked(const QImage& image, int x, int y) {
  return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x] == Ink;
}

// The pixels within one pixel of ink. Along the image's border a counterpart may
// have fallen just outside, so the border always counts as near.
std::vector<bool> NearInk(const QImage& image) {
  std::vector<bool> near(Size * Size, false);
  for (int y = 0; y < Size; ++y) {
    for (int x = 0; x < Size; ++x) {
      if (x == 0 || y == 0 || x == Size - 1 || y == Size - 1) near[y * Size + x] = true;
      if (!Inked(image, x, y)) continue;
      for (int py = std::max(y - 1, 0); py <= std::min(y + 1, Size - 1); ++py) {
        for (int px = std::max(x - 1, 0); px <= std::min(x + 1, Size - 1); ++px) near[py * Size + px] = true;
      }
    }
  }
  return near;
}

// How far the centre of pixel (x, y) lies from the nearest edge crossing of its row.
double DistanceToEdge(const Polygon& polygon, int x, int y) {
  double nearest = INFINITY;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    PolygonPoint a = polygon[i], b = polygon[(i + 1) % polygon.size()];
    if (a.y > b.y) std::swap(a, b);
    if (a.y == b.y || y + 0.5 < a.y || y + 0.5 > b.y) continue;
    const double crossing = a.x + (y + 0.5 - a.y) * double(b.x - a.x) / double(b.y - a.y);
    nearest = std::min(nearest, std::abs(crossing - (x + 0.5)));
  }
  return nearest;
}

// A grid cell as the drawer passes it, P0 P1 P1 P2 P2 P3 P3 P0, or any polygon.
Polygon RandomPolygon(std::mt19937& random, int low, int high, bool cell) {
  std::uniform_int_distribution<int> vertices(3, 9), d(low, high);
  Polygon p(cell ? 4 : vertices(random));
  for (PolygonPoint& v : p) v = {d(random), d(random)};
  return cell ? Polygon{p[0], p[1], p[1], p[2], p[2], p[3], p[3], p[0]} : p;
}

struct Family {
  const char* name;
  int low, high;
  bool cell;
  // How far from an edge a pixel centre may lie where Qt decides otherwise: 0
  // for exact ties; along tall edges Qt's 16.16 fixed-point slope drifts.
  double tieTolerance;
};

constexpr Family Families[] = {
    {"tiny cells", 150, 152, true, 0},
    {"small cells", 150, 156, true, 0},
    {"cells of a coarse grid", 100, 140, true, 0},
    {"medium polygons", 100, 130, false, 0},
    {"large polygons", 0, Size - 1, false, 1.0 / 64},
    {"polygons beyond the edges", -300, Size + 300, false, 1.0 / 64},
};

constexpr int Trials = 150;

// Both fill pixels whose centres lie inside under the even-odd rule; they differ
// only on centres that lie exactly on an edge, where ours counts the left end of
// a span as inside and the right end as outside and Qt's fixed-point rounding decides.
TEST(RasterizerVsQt, FillsDifferOnlyWhereAPixelCentreLiesOnAnEdge) {
  std::mt19937 random(1);
  for (const Family& family : Families) {
    for (int trial = 0; trial < Trials; ++trial) {
      const Polygon polygon = RandomPolygon(random, family.low, family.high, family.cell);
      const QImage qt = QtDrawing(polygon, FillOnly), ours = OurDrawing(polygon, FillOnly);
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
  for (const Family& family : Families) {
    for (int trial = 0; trial < Trials; ++trial) {
      const Polygon polygon = RandomPolygon(random, family.low, family.high, family.cell);
      const QImage qt = QtDrawing(polygon, OutlineOnly), ours = OurDrawing(polygon, OutlineOnly);
      const std::vector<bool> nearQt = NearInk(qt), nearOurs = NearInk(ours);
      for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
          ASSERT_TRUE(!Inked(ours, x, y) || nearQt[y * Size + x])
              << family.name << " ours at " << x << "," << y;
          ASSERT_TRUE(!Inked(qt, x, y) || nearOurs[y * Size + x])
              << family.name << " Qt's at " << x << "," << y;
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
  for (const Family& family : Families) {
    for (int trial = 0; trial < Trials / 3; ++trial) {
      const Polygon polygon = RandomPolygon(random, family.low, family.high, family.cell);
      platform::ImageSurface ours(Size, Size, 0, QFont());
      ours.SetForeColor(Outline);
      ours.SetFillColor(Fill);
      ours.Polygon(polygon.data(), static_cast<int>(polygon.size()));
      QImage qt(Size, Size, QImage::Format_RGB32);
      qt.fill(0);
      {
        QPainter painter(&qt);
        QPen pen{platform::ToQColor(Outline)};
        pen.setWidth(0);
        painter.setPen(pen);
        painter.setBrush(platform::ToQColor(Fill));
        painter.drawPolygon(ToQt(polygon), Qt::OddEvenFill);
      }
      const std::vector<bool> nearQt = NearInk(QtDrawing(polygon, OutlineOnly));
      const std::vector<bool> nearOurs = NearInk(OurDrawing(polygon, OutlineOnly));
      for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
          if (nearQt[y * Size + x] || nearOurs[y * Size + x]) continue;
          ASSERT_EQ(ours.image().pixel(x, y), qt.pixel(x, y)) << family.name << " at " << x << "," << y;
        }
      }
    }
  }
}

}  // namespace
