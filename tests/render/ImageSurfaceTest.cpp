#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>
#include <vector>

#include "ImageTestSupport.h"
#include "platform/ImageSurface.h"
#include "platform/PolygonFill.h"

namespace {

using platform::Color;
using platform::ImageSurface;
using platform::PolygonPoint;
using render_test::Background;
using render_test::CountColor;
using render_test::MakeArea;
using Pixels = std::set<std::pair<int, int>>;

constexpr Color Outline = 0x0000FF, Fill = 0xFF0000;

void DrawPolygon(ImageSurface& area, const std::vector<PolygonPoint>& points) {
  area.SetForeColor(Outline);
  area.SetFillStyle(platform::FillStyle::Solid);
  area.SetFillColor(Fill);
  area.Polygon(points.data(), static_cast<int>(points.size()));
}

Pixels PixelsOf(const ImageSurface& area, Color color) {
  Pixels found;
  for (int y = 0; y < area.image().height(); ++y) {
    for (int x = 0; x < area.image().width(); ++x) {
      if (area.PixelAt(x, y) == color) found.insert({x, y});
    }
  }
  return found;
}

TEST(ImageSurfacePolygon, OutlineInForeColourAroundFillColour) {
  ImageSurface area = MakeArea(40, 30);
  DrawPolygon(area, {{10, 10}, {30, 10}, {30, 20}, {10, 20}});
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 40; ++x) {
      const bool inside = x >= 10 && x <= 30 && y >= 10 && y <= 20;
      const bool border = inside && (x == 10 || x == 30 || y == 10 || y == 20);
      ASSERT_EQ(area.PixelAt(x, y), border ? Outline : inside ? Fill : Background) << x << "," << y;
    }
  }
  ImageSurface hollow = MakeArea(40, 30);
  hollow.SetFillStyle(platform::FillStyle::Transparent);
  const PolygonPoint box[] = {{10, 10}, {30, 10}, {30, 20}, {10, 20}};
  hollow.Polygon(box, 4);
  EXPECT_EQ(hollow.PixelAt(20, 15), Background) << "transparent fill style";
}

TEST(ImageSurfacePolygon, SelfCrossingPolygonsFillUnderTheEvenOddRule) {
  ImageSurface star = MakeArea(100, 100);
  // A five-pointed star in one stroke: its middle pentagon is crossed twice.
  std::vector<PolygonPoint> points;
  for (int k = 0; k < 5; ++k) {
    const double angle = -M_PI / 2 + k * 4 * M_PI / 5;
    points.push_back(
        {int32_t(std::lround(50 + 45 * std::cos(angle))), int32_t(std::lround(50 + 45 * std::sin(angle)))});
  }
  DrawPolygon(star, points);
  EXPECT_EQ(star.PixelAt(50, 50), Background) << "the doubly covered middle";
  EXPECT_EQ(star.PixelAt(50, 15), Fill) << "the top point";
  EXPECT_EQ(star.PixelAt(20, 42), Fill) << "the left point";
  ImageSurface bowTie = MakeArea(60, 40);
  DrawPolygon(bowTie, {{5, 5}, {55, 35}, {55, 5}, {5, 35}});
  EXPECT_EQ(bowTie.PixelAt(10, 20), Fill);
  EXPECT_EQ(bowTie.PixelAt(50, 20), Fill);
  EXPECT_EQ(bowTie.PixelAt(30, 8), Background);
}

// Pixel centres exactly on an edge: inside at the left end of a span, outside at
// the right end, so polygons that share an edge cover each pixel once.
TEST(ImageSurfacePolygon, SharedEdgesCoverEachPixelOnce) {
  const std::vector<std::vector<PolygonPoint>> pieces{
      {{0, 0}, {20, 0}, {20, 20}}, {{0, 0}, {20, 20}, {0, 20}}, {{20, 0}, {30, 10}, {20, 20}}};
  std::vector<QImage> images;
  for (const auto& piece : pieces) {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(0);
    platform::FillEvenOdd({reinterpret_cast<uint32_t*>(image.bits()), 40, 30, image.bytesPerLine() / 4},
                          piece.data(), static_cast<int>(piece.size()), 0xFFFFFFFF);
    images.push_back(image);
  }
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 40; ++x) {
      int covered = 0;
      for (const QImage& image : images) covered += image.pixel(x, y) == 0xFFFFFFFF;
      ASSERT_LE(covered, 1) << x << "," << y;
      if (x < 20 && y < 20) {
        ASSERT_EQ(covered, 1) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(images[0].pixel(5, 5), 0xFFFFFFFF) << "centre (5.5, 5.5) on the left end of the span";
}

// A polygon without area fills nothing; its outline still shows, as a line or one pixel.
TEST(ImageSurfacePolygon, DegeneratePolygonsCoverNoArea) {
  const struct {
    const char* name;
    std::vector<PolygonPoint> points;
    int outlinePixels;
  } cases[] = {
      {"one point eight times", std::vector<PolygonPoint>(8, PolygonPoint{20, 20}), 1},
      {"cell collapsed to two points",
       {{5, 5}, {5, 5}, {5, 5}, {25, 15}, {25, 15}, {25, 15}, {25, 15}, {5, 5}},
       21},
      {"collinear zigzag", {{10, 10}, {30, 20}, {20, 15}, {26, 18}}, 21},
      {"horizontal", {{3, 7}, {9, 7}, {6, 7}}, 7},
      {"vertical", {{30, 2}, {30, 9}}, 8},
      {"a single vertex", {{12, 3}}, 1},
  };
  for (const auto& c : cases) {
    ImageSurface area = MakeArea(40, 30);
    DrawPolygon(area, c.points);
    EXPECT_EQ(CountColor(area, Fill), 0) << c.name;
    EXPECT_EQ(CountColor(area, Outline), c.outlinePixels) << c.name;
  }
}

TEST(ImageSurfacePolygon, HugeCoordinatesAreClipped) {
  const int32_t far = 2147483647;
  const struct {
    const char* name;
    std::vector<PolygonPoint> points;
    int filled;
  } cases[] = {
      {"covering everything", {{-far, -far}, {far, -far}, {far, far}, {-far, far}}, 50 * 50},
      {"far away", {{-far, -far}, {-far + 10, -far}, {-far, -far + 10}}, 0},
      {"a band through rows 21 to 29", {{-far, 20}, {far, 20}, {far, 30}, {-far, 30}}, 50 * 9},
  };
  for (const auto& c : cases) {
    ImageSurface area = MakeArea(50, 50);
    DrawPolygon(area, c.points);
    EXPECT_EQ(CountColor(area, Fill), c.filled) << c.name;
  }
}

// Each column (or row, for steep lines) gets the pixel nearest to the exact line,
// ties to the smaller coordinate, the same in both directions.
TEST(ImageSurfaceLine, NearestPixelsInBothDirections) {
  std::mt19937 random(3);
  std::uniform_int_distribution<int> coordinate(0, 39);
  for (int trial = 0; trial < 300; ++trial) {
    const int x0 = coordinate(random), y0 = coordinate(random), x1 = coordinate(random),
              y1 = coordinate(random);
    ImageSurface forward = MakeArea(40, 40), backward = MakeArea(40, 40);
    forward.Line(x0, y0, x1, y1, Outline);
    backward.Line(x1, y1, x0, y0, Outline);
    const Pixels pixels = PixelsOf(forward, Outline);
    ASSERT_EQ(pixels, PixelsOf(backward, Outline));
    const bool xMajor = std::abs(x1 - x0) >= std::abs(y1 - y0);
    ASSERT_EQ(int(pixels.size()), std::max(std::abs(x1 - x0), std::abs(y1 - y0)) + 1);
    for (const auto& [x, y] : pixels) {
      const double exact = xMajor ? (x1 == x0 ? y0 : y0 + double(x - x0) * (y1 - y0) / (x1 - x0))
                                  : x0 + double(y - y0) * (x1 - x0) / (y1 - y0);
      ASSERT_EQ(xMajor ? y : x, int(std::ceil(exact - 0.5))) << x0 << "," << y0 << " " << x1 << "," << y1;
    }
  }
}

TEST(ImageSurfaceLine, EndPointsRoundTiesToEvenAndFarOnesAreClipped) {
  ImageSurface area = MakeArea(20, 20);
  area.Line(2.5f, 3.5f, 2.5f, 3.5f, Outline);
  area.Line(5.4999f, 9.5001f, 5.4999f, 9.5001f, Outline);
  EXPECT_EQ(PixelsOf(area, Outline), (Pixels{{2, 4}, {5, 10}}));
  ImageSurface far = MakeArea(20, 20);
  far.Line(-1e30f, 10, 1e30f, 10, Outline);
  far.Line(5, 3e9f, 5, -3e9f, Outline);
  EXPECT_EQ(CountColor(far, Outline), 20 + 19) << "a whole row and a whole column";
  EXPECT_EQ(far.PixelAt(0, 10), Outline);
  EXPECT_EQ(far.PixelAt(5, 0), Outline);
}

TEST(ImageSurfaceLine, DottedLinesShowThreeOnThreeOffFromTheFirstEnd) {
  ImageSurface area = MakeArea(40, 10);
  area.SetLineStyle(platform::LineStyle::Dotted);
  area.Line(10, 2, 25, 2, Outline);
  area.Line(25, 6, 10, 6, Outline);
  for (int x = 10; x <= 25; ++x) {
    EXPECT_EQ(area.PixelAt(x, 2) == Outline, (x - 10) % 6 < 3) << "forward " << x;
    EXPECT_EQ(area.PixelAt(x, 6) == Outline, (25 - x) % 6 < 3) << "backward " << x;
  }
}

TEST(ImageSurfaceText, TopLeftCornerAtTheCurrentPositionThenNextLine) {
  ImageSurface area = MakeArea(100, 60);
  area.SetForeColor(0);
  area.SetCurrentPosition(40, 20);
  area.Print("X");
  const Pixels black = PixelsOf(area, 0);
  ASSERT_GT(black.size(), 15u) << "crisp black letter pixels";
  int left = 100, top = 60, right = 0, bottom = 0;
  for (const auto& [x, y] : black) {
    left = std::min(left, x), top = std::min(top, y), right = std::max(right, x),
    bottom = std::max(bottom, y);
  }
  EXPECT_TRUE(left >= 40 && left <= 42) << left;
  EXPECT_TRUE(top >= 20 && top <= 24) << top << ": a capital starts just below the line's top";
  EXPECT_LE(right, 52);
  EXPECT_LE(bottom, 33) << "a 13-pixel line at 96 dots per inch";
  EXPECT_EQ(area.CurrentX(), 0);
  EXPECT_GT(area.CurrentY(), 32);
}

TEST(ImageSurface, ClearRestoresTheBackgroundAndCopiesKeepTheirPicture) {
  ImageSurface area = MakeArea(30, 30);
  DrawPolygon(area, {{2, 2}, {20, 2}, {20, 20}});
  const QImage before = area.image();
  area.Clear();
  EXPECT_EQ(CountColor(area, Background), 30 * 30);
  EXPECT_NE(before, area.image()) << "a copy taken earlier keeps its own pixels";
  DrawPolygon(area, {{2, 2}, {20, 2}, {20, 20}});
  EXPECT_EQ(before, area.image());
}

}  // namespace
