#pragma once

#include <QFont>
#include <QImage>
#include <QPointF>

#include "platform/DrawingSurface.h"
#include "platform/PixelBuffer.h"

namespace platform {

// A drawing surface backed by an off-screen RGB32 image in pixel units. The picture
// persists until cleared, so a window that shows it repaints the last picture.
// Lines and polygons are rasterized straight into the image's pixels (a redraw
// paints up to a million small polygons); text goes through QPainter.
class ImageSurface : public DrawingSurface {
 public:
  // The font's point size is taken at 96 dots per inch.
  ImageSurface(int width, int height, Color background, const QFont& font);

  void Clear() override;
  void SetForeColor(Color color) override;
  void SetLineStyle(LineStyle style) override;
  // End points are rounded to the nearest pixel, ties to even.
  void Line(float x1, float y1, float x2, float y2, Color color) override;
  void SetCurrentPosition(float x, float y) override;
  // Afterwards the current position is at the start of the next line, as after a Print.
  void Print(std::string_view text) override;
  void SetFillStyle(FillStyle style) override;
  void SetFillColor(Color color) override;
  // Fill first, then the outline over it, so the outline pixels show the
  // foreground colour. A polygon without area shows only its outline.
  void Polygon(const PolygonPoint* points, int count) override;

  const QImage& image() const { return image_; }
  Color PixelAt(int x, int y) const;
  float CurrentX() const { return static_cast<float>(currentPosition_.x()); }
  float CurrentY() const { return static_cast<float>(currentPosition_.y()); }

 private:
  PixelBuffer Pixels();

  QImage image_;
  Color background_;
  QFont font_;
  Color foreColor_ = 0;
  Color fillColor_ = 0;
  LineStyle lineStyle_ = LineStyle::Solid;
  FillStyle fillStyle_ = FillStyle::Solid;
  QPointF currentPosition_;
  PixelBuffer pixels_{};
};

QColor ToQColor(Color color);

}  // namespace platform
