#pragma once

#include <QFont>
#include <QImage>
#include <QPointF>
#include <cstdint>
#include <vector>

#include "raster/LineRaster.h"
#include "raster/PixelBuffer.h"
#include "render/DrawingSurface.h"

namespace picture {

// Lines and polygons rasterized into a band of an image's rows, with the drawing
// state they use. An ImageSurface draws its own lines and polygons through one
// that spans every row, and hands out one per band to threads that draw at once.
// Text is the image's business: a band ignores it. Bands set their colours cell
// by cell from threads of their own, so each keeps to cache lines of its own.
class alignas(64) ImageBand final : public render::DrawingSurface {
 public:
  ImageBand(double pixelScale, render::Color background);

  double PixelScale() const override { return pixelScale_; }
  // Fills the band's rows with the background colour.
  void Clear() override;
  void SetForeColor(render::Color color) override { foreColor_ = color; }
  void SetLineStyle(render::LineStyle style) override { lineStyle_ = style; }
  // End points are rounded to the nearest pixel, ties to even.
  void Line(float x1, float y1, float x2, float y2, render::Color color) override;
  void Lines(const float* ends, int count, render::Color color) override;
  void SetCurrentPosition(float, float) override {}
  void Print(std::string_view) override {}
  void SetFillStyle(render::FillStyle style) override { fillStyle_ = style; }
  void SetFillColor(render::Color color) override { fillColor_ = color; }
  // Fill first, then the outline over it, so the outline pixels show the
  // foreground colour. A polygon without area shows only its outline.
  void Polygon(const render::PolygonPoint* points, int count) override;
  // Tiny cells (see raster::FillAndOutlineTinyQuad) go straight into the pixels.
  void DrawCells(const render::CellBatch& batch) override;

  render::Color ForeColor() const { return foreColor_; }
  // Where the points of a drawing call that touches the band's rows lie.
  render::DrawingSurface::Reach RowReach() const {
    return {pixels_.top - lineWidth_ - 1.0, pixels_.height + lineWidth_ + 1.0};
  }
  // Where to draw: the band's rows of the image's pixels. With `work`, a counter
  // per row of the image, each polygon whose first vertex lies on the band's rows
  // counts on that row; bands of one split count on rows of their own.
  void SetPixels(const raster::PixelBuffer& pixels, uint32_t* work = nullptr) {
    pixels_ = pixels;
    work_ = work;
  }

 private:
  void DrawSegment(float x1, float y1, float x2, float y2, uint32_t pixel, raster::DashPattern pattern);

  raster::PixelBuffer pixels_{};
  uint32_t* work_ = nullptr;
  double pixelScale_;
  int lineWidth_;
  render::Color background_;
  render::Color foreColor_ = 0;
  render::Color fillColor_ = 0;
  render::LineStyle lineStyle_ = render::LineStyle::Solid;
  render::FillStyle fillStyle_ = render::FillStyle::Solid;
};

// A drawing surface backed by an off-screen RGB32 image in pixel units. The picture
// persists until cleared, so a window that shows it repaints the last picture.
// Lines and polygons are rasterized straight into the image's pixels (a redraw
// paints up to a million small polygons), by several threads at once in bands of
// rows when asked; text goes through QPainter.
class ImageSurface : public render::DrawingSurface {
 public:
  // The font's point size is taken at 96 dots per inch. The render code places
  // its vertices at `pixelScale` image pixels per drawing-area pixel; lines and
  // outlines are as many pixels wide, rounded, and their dots as much longer.
  // Raises std::bad_alloc when the memory for the pixels cannot be had.
  ImageSurface(int width, int height, render::Color background, const QFont& font, double pixelScale = 1);

  double PixelScale() const override { return whole_.PixelScale(); }
  // The image is shown at its size divided by the ratio, for screens with more
  // device pixels than logical ones. Drawing stays in image pixels.
  void SetDevicePixelRatio(double ratio);

  void Clear() override;
  void SetForeColor(render::Color color) override { whole_.SetForeColor(color); }
  void SetLineStyle(render::LineStyle style) override { whole_.SetLineStyle(style); }
  // End points are rounded to the nearest pixel, ties to even.
  void Line(float x1, float y1, float x2, float y2, render::Color color) override;
  void Lines(const float* ends, int count, render::Color color) override;
  void SetCurrentPosition(float x, float y) override;
  // Afterwards the current position is at the start of the next line, as after a Print.
  void Print(std::string_view text) override;
  // Small print is antialiased: at a few pixels high, smooth letters read better.
  void SetSmallPrint(double size) override;
  TextExtent MeasureText(std::string_view text) const override;
  void SetFillStyle(render::FillStyle style) override { whole_.SetFillStyle(style); }
  void SetFillColor(render::Color color) override { whole_.SetFillColor(color); }
  // Fill first, then the outline over it, so the outline pixels show the
  // foreground colour. A polygon without area shows only its outline.
  void Polygon(const render::PolygonPoint* points, int count) override;
  // Bands top to bottom, of about equal shares of the polygons the image drew
  // since the last split (a drag's next picture is much like its last), or else
  // of equal numbers of rows. The bands are kept for the next split, so that a
  // redraw allocates nothing.
  int SplitIntoBands(int wanted) override;
  render::DrawingSurface& Band(int k) override { return bands_[static_cast<std::size_t>(k)]; }
  // The band's rows and a line's width and a pixel's rounding on either side.
  Reach BandReach(int k) const override { return bands_[static_cast<std::size_t>(k)].RowReach(); }

  const QImage& image() const { return image_; }
  render::Color PixelAt(int x, int y) const;
  float CurrentX() const { return static_cast<float>(currentPosition_.x()); }
  float CurrentY() const { return static_cast<float>(currentPosition_.y()); }
  // Counts the calls that may have changed the picture, so that a window repaints
  // only when one came.
  uint64_t Revision() const { return revision_; }

 private:
  // The image's pixels, ready to be written by the band that spans every row.
  raster::PixelBuffer Pixels();
  // The polygons drawn per row since the last split, all bands' counts summed.
  const std::vector<uint64_t>& CountedRowWork(std::size_t rows);

  QImage image_;
  ImageBand whole_;
  std::vector<ImageBand> bands_;
  // Polygons drawn per row since the last split: each band of that split counts on
  // a copy of the rows of its own, cache lines apart from the others' (threads
  // counting on one line would wait on each other at every polygon).
  std::vector<uint32_t> rowWork_;
  std::size_t rowWorkStride_ = 0;
  std::size_t countingBands_ = 0;
  std::vector<uint64_t> rowTotals_;
  QFont font_;
  QFont smallFont_;
  bool smallPrint_ = false;
  QPointF currentPosition_;
  raster::PixelBuffer pixels_{};
  uint64_t revision_ = 0;
};

QColor ToQColor(render::Color color);

// The face of the values written on a picture: plain and narrow, legible when small.
inline constexpr const char* SmallPrintFamily = "Liberation Sans";
QFont SmallPrintFont(double size);

}  // namespace picture
