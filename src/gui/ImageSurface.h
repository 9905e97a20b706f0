#pragma once

#include <QFont>
#include <QImage>
#include <QPointF>

#include "render/DrawingSurface.h"
#include "raster/PixelBuffer.h"

namespace gui {

// A drawing surface backed by an off-screen RGB32 image in pixel units. The picture
// persists until cleared, so a window that shows it repaints the last picture.
// Lines and polygons are rasterized straight into the image's pixels (a redraw
// paints up to a million small polygons); text goes through QPainter.
class ImageSurface : public render::DrawingSurface {
 public:
  // The font's point size is taken at 96 dots per inch. The render code places
  // its vertices at `pixelScale` image pixels per drawing-area pixel; lines and
  // outlines are as many pixels wide, rounded, and their dots as much longer.
  ImageSurface(int width, int height, render::Color background, const QFont& font, double pixelScale = 1);

  double PixelScale() const override { return pixelScale_; }
  // The image is shown at its size divided by the ratio, for screens with more
  // device pixels than logical ones. Drawing stays in image pixels.
  void SetDevicePixelRatio(double ratio);

  void Clear() override;
  void SetForeColor(render::Color color) override;
  void SetLineStyle(render::LineStyle style) override;
  // End points are rounded to the nearest pixel, ties to even.
  void Line(float x1, float y1, float x2, float y2, render::Color color) override;
  void SetCurrentPosition(float x, float y) override;
  // Afterwards the current position is at the start of the next line, as after a Print.
  void Print(std::string_view text) override;
  void SetFillStyle(render::FillStyle style) override;
  void SetFillColor(render::Color color) override;
  // Fill first, then the outline over it, so the outline pixels show the
  // foreground colour. A polygon without area shows only its outline.
  void Polygon(const render::PolygonPoint* points, int count) override;

  const QImage& image() const { return image_; }
  render::Color PixelAt(int x, int y) const;
  float CurrentX() const { return static_cast<float>(currentPosition_.x()); }
  float CurrentY() const { return static_cast<float>(currentPosition_.y()); }

 private:
  raster::PixelBuffer Pixels();

  QImage image_;
  double pixelScale_;
  int lineWidth_;
  render::Color background_;
  QFont font_;
  render::Color foreColor_ = 0;
  render::Color fillColor_ = 0;
  render::LineStyle lineStyle_ = render::LineStyle::Solid;
  render::FillStyle fillStyle_ = render::FillStyle::Solid;
  QPointF currentPosition_;
  raster::PixelBuffer pixels_{};
};

QColor ToQColor(render::Color color);

}  // namespace gui
