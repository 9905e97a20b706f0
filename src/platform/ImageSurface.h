#pragma once

#include <QFont>
#include <QImage>
#include <QPointF>

#include "platform/DrawingSurface.h"

namespace platform {

// A drawing surface backed by an off-screen image in pixel units. The picture
// persists until cleared, so a window that shows it repaints the last picture.
class ImageSurface : public DrawingSurface {
 public:
  ImageSurface(int width, int height, Color background, const QFont& font);

  void Clear() override;
  void SetForeColor(Color color) override;
  void SetLineStyle(LineStyle style) override;
  void Line(float x1, float y1, float x2, float y2, Color color) override;
  void SetCurrentPosition(float x, float y) override;
  void Print(std::string_view text) override;
  void SetFillStyle(FillStyle style) override;
  void SetFillColor(Color color) override;
  void Polygon(const PolygonPoint* points, int count) override;

  const QImage& image() const { return image_; }
  Color PixelAt(int x, int y) const;

 private:
  QImage image_;
  Color background_;
  QFont font_;
  Color foreColor_ = 0;
  Color fillColor_ = 0;
  LineStyle lineStyle_ = LineStyle::Solid;
  FillStyle fillStyle_ = FillStyle::Solid;
  QPointF currentPosition_;
};

QColor ToQColor(Color color);

}  // namespace platform
