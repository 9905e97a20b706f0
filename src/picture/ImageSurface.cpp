#include "picture/ImageSurface.h"

#include <QPainter>
#include <QString>
#include <algorithm>
#include <array>
#include <cmath>
#include <new>
#include <numeric>
#include <optional>
#include <vector>

#include "picture/QtText.h"
#include "raster/LineRaster.h"
#include "raster/PolygonFill.h"
#include "raster/PolygonOutline.h"
#include "raster/TinyPolygon.h"
#include "runtime/Conversions.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace picture {
namespace {

constexpr int DotsPerMeterAt96Dpi = 3780;

// A colour number as a pixel of an RGB32 image.
constexpr uint32_t PixelOf(render::Color color) {
  return 0xFF000000u | (render::RedOf(color) << 16) | (render::GreenOf(color) << 8) | render::BlueOf(color);
}

struct PixelSegment {
  int64_t x0, y0, x1, y1;
};

constexpr double Reach = 1 << 30;

// Moves end a along the segment towards b into the square |x|, |y| <= Reach; false
// when the segment misses it. The clipped coordinate is set exactly, so a
// horizontal or vertical line stays one.
bool ClipEnd(double& xa, double& ya, double xb, double yb) {
  const auto pin = [](double& along, double& across, double alongB, double acrossB, double edge) {
    across += (edge - along) * (acrossB - across) / (alongB - along);
    along = edge;
  };
  if (xa < -Reach) {
    if (xb < -Reach) return false;
    pin(xa, ya, xb, yb, -Reach);
  } else if (xa > Reach) {
    if (xb > Reach) return false;
    pin(xa, ya, xb, yb, Reach);
  }
  if (ya < -Reach) {
    if (yb < -Reach) return false;
    pin(ya, xa, yb, xb, -Reach);
  } else if (ya > Reach) {
    if (yb > Reach) return false;
    pin(ya, xa, yb, xb, Reach);
  }
  return xa >= -2 * Reach && xa <= 2 * Reach;
}

// The segment's end points as pixels, clipped first when they lie so far out that
// they would not fit the rasterizer's integers; nothing when it misses.
std::optional<PixelSegment> RoundedSegment(double x0, double y0, double x1, double y1) {
  const auto near = [](double v) { return v <= Reach && v >= -Reach; };
  if (!(near(x0) && near(y0) && near(x1) && near(y1))) {
    if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1))
      return std::nullopt;
    if (!ClipEnd(x0, y0, x1, y1) || !ClipEnd(x1, y1, x0, y0)) return std::nullopt;
  }
  return PixelSegment{runtime::NearestWholeWithinReach(x0), runtime::NearestWholeWithinReach(y0),
                      runtime::NearestWholeWithinReach(x1), runtime::NearestWholeWithinReach(y1)};
}

// The dots grow with the lines' width, so that a wider line keeps their look.
raster::DashPattern PatternOf(render::LineStyle style, int width) {
  if (style != render::LineStyle::Dotted) return raster::SolidPattern;
  return {raster::DottedPattern.on * width, raster::DottedPattern.period * width};
}

// The vertices without repeats in a row (the last against the first too): the
// same polygon, fewer edges. Keeps at least one vertex.
int DropRepeatedVertices(const render::PolygonPoint* points, int count, raster::Vertex* kept) {
  // Without branches: repeats come and go at random on a fine grid. The last kept
  // vertex always equals the previous input vertex.
  kept[0] = {points[0].x, points[0].y};
  int n = 1;
  for (int i = 1; i < count; ++i) {
    kept[n] = {points[i].x, points[i].y};
    n += (points[i].x != points[i - 1].x) | (points[i].y != points[i - 1].y);
  }
  while (n > 1 && kept[n - 1].x == kept[0].x && kept[n - 1].y == kept[0].y) --n;
  return n;
}

// The edge lines of a tiny cell of "Lines" where their rounded ends all lie within
// one 2 x 2 square: each line then reaches at most the neighbouring pixel and sets
// just its ends where they lie on the band (see raster::DrawShortLine), and a
// cell's lines join all four ends (its two edges of constant y always, a border
// edge two of the same ends), so they set what the outline of the quadrilateral of
// the ends sets. False, drawing nothing, for any other cell. The ends of a cell
// with narrow corners round into narrow corners.
bool PutTinyCellEdges(const raster::PixelBuffer& buffer, const render::EdgeEnds& ends, uint32_t pixel) {
  render::NarrowCorners at;
#if defined(__SSE2__)
  // Under the default rounding: nearest, ties to even, as NearestWholeWithinReach rounds.
  const __m128i xy01 = _mm_cvtps_epi32(_mm_loadu_ps(ends.data()));
  const __m128i xy23 = _mm_cvtps_epi32(_mm_loadu_ps(ends.data() + 4));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(at.data()), _mm_packs_epi32(xy01, xy23));
#else
  for (std::size_t c = 0; c < at.size(); ++c)
    at[c] = {static_cast<int16_t>(runtime::NearestWholeWithinReach(ends[2 * c])),
             static_cast<int16_t>(runtime::NearestWholeWithinReach(ends[2 * c + 1]))};
#endif
  return raster::FillAndOutlineTinyQuad(buffer, at.data(), false, 0, pixel);
}

}  // namespace

QFont SmallPrintFont(double size) {
  QFont font(SmallPrintFamily);
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(size))));
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

QColor ToQColor(render::Color color) {
  // Each part is 0 to 255.
  return QColor(static_cast<int>(render::RedOf(color)), static_cast<int>(render::GreenOf(color)),
                static_cast<int>(render::BlueOf(color)));
}

// ---- One band of rows ----

ImageBand::ImageBand(double pixelScale, render::Color background)
    : pixelScale_(pixelScale),
      // Lines keep their weight at any scale: one pixel of the drawing area.
      lineWidth_(std::max(1, static_cast<int>(std::lround(pixelScale)))),
      background_(background) {}

void ImageBand::Clear() {
  for (int y = pixels_.top; y < pixels_.height; ++y)
    std::fill_n(pixels_.Row(y), pixels_.width, PixelOf(background_));
}

void ImageBand::DrawSegment(float x1, float y1, float x2, float y2, uint32_t pixel,
                            raster::DashPattern pattern) {
  const std::optional<PixelSegment> segment = RoundedSegment(x1, y1, x2, y2);
  if (!segment) return;
  if (lineWidth_ == 1 &&
      raster::DrawShortLine(pixels_, segment->x0, segment->y0, segment->x1, segment->y1, pixel, pattern))
    return;
  raster::DrawLine(pixels_, segment->x0, segment->y0, segment->x1, segment->y1, pixel, pattern, lineWidth_);
}

void ImageBand::Line(float x1, float y1, float x2, float y2, render::Color color) {
  DrawSegment(x1, y1, x2, y2, PixelOf(color), PatternOf(lineStyle_, lineWidth_));
}

void ImageBand::Lines(const float* ends, int count, render::Color color) {
  const uint32_t pixel = PixelOf(color);
  const raster::DashPattern pattern = PatternOf(lineStyle_, lineWidth_);
  for (int k = 0; k < count; ++k, ends += 4) DrawSegment(ends[0], ends[1], ends[2], ends[3], pixel, pattern);
}

void ImageBand::Polygon(const render::PolygonPoint* points, int count) {
  if (count < 1) return;
  // Only on the band's own rows: the rows either side of a band edge share a cache line.
  if (work_ != nullptr && points[0].y >= pixels_.top && points[0].y < pixels_.height) ++work_[points[0].y];
  const bool filled = fillStyle_ == render::FillStyle::Solid;
  // Most cells of a fine grid lie within 2 x 2 pixels.
  if (lineWidth_ == 1 && lineStyle_ == render::LineStyle::Solid &&
      raster::FillAndOutlineTiny(pixels_, points, count, filled, PixelOf(fillColor_), PixelOf(foreColor_)))
    return;
  int64_t top = points[0].y, bottom = top;
  for (int i = 1; i < count; ++i) {
    top = std::min<int64_t>(top, points[i].y);
    bottom = std::max<int64_t>(bottom, points[i].y);
  }
  // Outlines and their corners reach at most a line's width beyond the vertices.
  if (bottom + lineWidth_ < pixels_.top || top - lineWidth_ >= pixels_.height) return;
  constexpr int InlineVertices = 16;
  raster::Vertex inlineKept[InlineVertices];
  std::vector<raster::Vertex> manyKept(count > InlineVertices ? static_cast<std::size_t>(count) : 0);
  raster::Vertex* kept = count > InlineVertices ? manyKept.data() : inlineKept;
  const int n = DropRepeatedVertices(points, count, kept);
  if (filled) raster::FillEvenOdd(pixels_, kept, n, PixelOf(fillColor_));
  raster::DrawPolygonOutline(pixels_, kept, n, PixelOf(foreColor_), PatternOf(lineStyle_, lineWidth_),
                             lineWidth_);
}

void ImageBand::DrawCells(const render::CellBatch& batch) {
  if (batch.narrow == nullptr || lineWidth_ != 1 || lineStyle_ != render::LineStyle::Solid) {
    DrawingSurface::DrawCells(batch);
    return;
  }
  const bool filled = fillStyle_ == render::FillStyle::Solid;
  const uint32_t outline = PixelOf(foreColor_);
  const uint32_t edgePixel = PixelOf(batch.edgeColor);
  const uint32_t plainFill = PixelOf(fillColor_);
  batch.ForEachHeld([&](std::size_t cell) {
    uint32_t fill = plainFill;
    if (batch.fills != nullptr) {
      fillColor_ = batch.fills[cell];
      fill = PixelOf(fillColor_);
    }
    const render::NarrowCorners& corners = batch.narrow[cell];
    // Edge lines whose ends round to the corners set the corners' pixels over the
    // outline's (see PutTinyCellEdges).
    const bool edgesAtCorners = batch.ends != nullptr && batch.EndsAtCornersOf(cell);
    if (!raster::FillAndOutlineTinyQuad(pixels_, corners.data(), filled, fill,
                                        edgesAtCorners ? edgePixel : outline)) {
      DrawCell(batch, cell);
      return;
    }
    if (work_ != nullptr && corners[0].y >= pixels_.top && corners[0].y < pixels_.height)
      ++work_[corners[0].y];
    if (batch.ends == nullptr || edgesAtCorners || PutTinyCellEdges(pixels_, batch.ends[cell], edgePixel))
      return;
    std::array<float, 12> lines;
    const int count = batch.EdgeLines(cell, lines);
    // The ends of a cell with narrow corners lie well within the rasterizer's reach.
    for (const float* ends = lines.data(); ends < lines.data() + 4 * count; ends += 4) {
      const int64_t x0 = runtime::NearestWholeWithinReach(ends[0]),
                    y0 = runtime::NearestWholeWithinReach(ends[1]);
      const int64_t x1 = runtime::NearestWholeWithinReach(ends[2]),
                    y1 = runtime::NearestWholeWithinReach(ends[3]);
      if (!raster::DrawShortLine(pixels_, x0, y0, x1, y1, edgePixel))
        raster::DrawLine(pixels_, x0, y0, x1, y1, edgePixel);
    }
  });
}

// ---- The whole image ----

ImageSurface::ImageSurface(int width, int height, render::Color background, const QFont& font,
                           double pixelScale)
    : image_(width, height, QImage::Format_RGB32), whole_(pixelScale, background), font_(font) {
  // Qt gives a null image where the memory for the pixels cannot be had.
  if (image_.isNull()) throw std::bad_alloc();
  image_.setDotsPerMeterX(DotsPerMeterAt96Dpi);
  image_.setDotsPerMeterY(DotsPerMeterAt96Dpi);
  // Crisp letters in exactly the foreground colour.
  font_.setStyleStrategy(QFont::NoAntialias);
  Clear();
}

void ImageSurface::SetDevicePixelRatio(double ratio) {
  image_.setDevicePixelRatio(ratio);
  pixels_ = {};
}

raster::PixelBuffer ImageSurface::Pixels() {
  // A copy of the image handed out since the last drawing shares its pixels:
  // take a private copy before writing.
  if (!image_.isDetached() || pixels_.pixels == nullptr) {
    pixels_ = raster::PixelBuffer{reinterpret_cast<uint32_t*>(image_.bits()), image_.width(), image_.height(),
                                  image_.bytesPerLine() / static_cast<std::ptrdiff_t>(sizeof(uint32_t))};
    whole_.SetPixels(pixels_);
  }
  ++revision_;
  return pixels_;
}

void ImageSurface::Clear() {
  Pixels();
  whole_.Clear();
}

void ImageSurface::Line(float x1, float y1, float x2, float y2, render::Color color) {
  Pixels();
  whole_.Line(x1, y1, x2, y2, color);
}

void ImageSurface::Lines(const float* ends, int count, render::Color color) {
  Pixels();
  whole_.Lines(ends, count, color);
}

void ImageSurface::SetCurrentPosition(float x, float y) { currentPosition_ = QPointF(x, y); }

void ImageSurface::Print(std::string_view text) {
  Pixels();  // the painter must not move the pixels the cached view points at
  QPainter painter(&image_);
  // Positions and the font are in image pixels, whatever the ratio the image is shown at.
  const double ratio = image_.devicePixelRatio();
  if (ratio != 1) painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
  painter.setFont(smallPrint_ ? smallFont_ : font_);
  painter.setPen(ToQColor(whole_.ForeColor()));
  const QString qtext = FromUtf8(text);
  const QFontMetricsF metrics = painter.fontMetrics();
  painter.drawText(currentPosition_ + QPointF(0, metrics.ascent()), qtext);
  currentPosition_ = QPointF(0, currentPosition_.y() + metrics.height());
}

void ImageSurface::SetSmallPrint(double size) {
  smallPrint_ = size > 0;
  if (!smallPrint_) return;
  smallFont_ = SmallPrintFont(size);
}

render::DrawingSurface::TextExtent ImageSurface::MeasureText(std::string_view text) const {
  const QFontMetricsF metrics(smallPrint_ ? smallFont_ : font_, &image_);
  return {metrics.horizontalAdvance(FromUtf8(text)), metrics.height()};
}

void ImageSurface::Polygon(const render::PolygonPoint* points, int count) {
  Pixels();
  whole_.Polygon(points, count);
}

int ImageSurface::SplitIntoBands(int wanted) {
  const raster::PixelBuffer pixels = Pixels();
  const int count = std::clamp(wanted, 1, std::max(1, pixels.height));
  const std::size_t rows = static_cast<std::size_t>(pixels.height);
  const std::vector<uint64_t>& work = CountedRowWork(rows);
  const uint64_t total = std::accumulate(work.begin(), work.end(), uint64_t{0});
  bands_.resize(static_cast<std::size_t>(count), whole_);
  // A cache line of counters between one band's copy and the next.
  rowWorkStride_ = (rows + 31) / 16 * 16;
  countingBands_ = static_cast<std::size_t>(count);
  rowWork_.assign(countingBands_ * rowWorkStride_, 0u);
  int first = 0;
  uint64_t done = 0;
  for (int k = 0; k < count; ++k) {
    // Past the rows that hold the band's share of the work, leaving a row for each band to come.
    int end = first + 1;
    if (k == count - 1) {
      end = pixels.height;
    } else if (total == 0) {
      end = std::max(end, (k + 1) * pixels.height / count);
    } else {
      done += work[static_cast<std::size_t>(first)];
      const uint64_t share = total * static_cast<uint64_t>(k + 1) / static_cast<uint64_t>(count);
      while (end < pixels.height - (count - 1 - k) && done < share)
        done += work[static_cast<std::size_t>(end++)];
    }
    // Each band starts from the whole image's colours and styles.
    ImageBand& band = bands_[static_cast<std::size_t>(k)];
    band = whole_;
    band.SetPixels(pixels.Rows(first, end), rowWork_.data() + static_cast<std::size_t>(k) * rowWorkStride_);
    first = end;
  }
  return count;
}

const std::vector<uint64_t>& ImageSurface::CountedRowWork(std::size_t rows) {
  rowTotals_.assign(rows, 0);
  // Counts of another size of image say nothing about this one.
  if (rowWorkStride_ < rows) return rowTotals_;
  for (std::size_t k = 0; k < countingBands_; ++k)
    for (std::size_t row = 0; row < rows; ++row) rowTotals_[row] += rowWork_[k * rowWorkStride_ + row];
  return rowTotals_;
}

render::Color ImageSurface::PixelAt(int x, int y) const {
  const QRgb rgb = image_.pixel(x, y);
  return render::Rgb(static_cast<uint32_t>(qRed(rgb)), static_cast<uint32_t>(qGreen(rgb)),
                     static_cast<uint32_t>(qBlue(rgb)));
}

}  // namespace picture
