#include "platform/ImageSurface.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <QString>
#include <vector>

namespace platform {

QColor ToQColor(Color color) { return QColor(RedOf(color), GreenOf(color), BlueOf(color)); }

ImageSurface::ImageSurface(int width, int height, Color background, const QFont& font)
    : image_(width, height, QImage::Format_RGB32), background_(background), font_(font) {
  Clear();
}

void ImageSurface::Clear() { image_.fill(ToQColor(background_)); }

void ImageSurface::SetForeColor(Color color) { foreColor_ = color; }

void ImageSurface::SetLineStyle(LineStyle style) { lineStyle_ = style; }

void ImageSurface::Line(float x1, float y1, float x2, float y2, Color color) {
  QPainter painter(&image_);
  QPen pen(ToQColor(color));
  pen.setStyle(lineStyle_ == LineStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
  pen.setWidth(0);
  painter.setPen(pen);
  painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void ImageSurface::SetCurrentPosition(float x, float y) { currentPosition_ = QPointF(x, y); }

void ImageSurface::Print(std::string_view text) {
  QPainter painter(&image_);
  painter.setFont(font_);
  painter.setPen(ToQColor(foreColor_));
  const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  const QFontMetrics metrics(font_);
  painter.drawText(currentPosition_ + QPointF(0, metrics.ascent()), qtext);
  currentPosition_.ry() += metrics.height();
}

void ImageSurface::SetFillStyle(FillStyle style) { fillStyle_ = style; }

void ImageSurface::SetFillColor(Color color) { fillColor_ = color; }

void ImageSurface::Polygon(const PolygonPoint* points, int count) {
  if (count < 2) return;
  QPolygon polygon;
  polygon.reserve(count);
  for (int i = 0; i < count; ++i) polygon << QPoint(points[i].x, points[i].y);
  QPainter painter(&image_);
  QPen pen(ToQColor(foreColor_));
  pen.setStyle(lineStyle_ == LineStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
  pen.setWidth(0);
  painter.setPen(pen);
  painter.setBrush(fillStyle_ == FillStyle::Solid ? QBrush(ToQColor(fillColor_)) : QBrush(Qt::NoBrush));
  painter.drawPolygon(polygon, Qt::OddEvenFill);
}

Color ImageSurface::PixelAt(int x, int y) const {
  const QRgb rgb = image_.pixel(x, y);
  return Rgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

}  // namespace platform
