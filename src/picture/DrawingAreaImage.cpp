#include "picture/DrawingAreaImage.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "picture/LayoutFonts.h"
#include "picture/QtText.h"
#include "window/WindowLayout.h"

namespace picture {
namespace {

const window::ControlLayout& DrawingAreaLayout() { return *window::FindControlLayout("Picture1"); }

window::FontStyle LetterFont() { return *window::FontOf(DrawingAreaLayout().font); }

render::Color Background() { return DrawingAreaLayout().background.value_or(0); }

void CheckPictureSize(int size) {
  if (size < SmallestPictureSize || size > LargestPictureSize)
    throw std::out_of_range("a picture is " + std::to_string(SmallestPictureSize) + " to " +
                            std::to_string(LargestPictureSize) + " pixels square, not " +
                            std::to_string(size));
}

ImageSurface MakeScaledImage(int size) {
  const double scale = static_cast<double>(size) / window::DrawingAreaPixels();
  return ImageSurface(size, size, Background(), QtFont(LetterFont(), scale), scale);
}

}  // namespace

ImageSurface MakePictureImage(int size) {
  CheckPictureSize(size);
  return MakeScaledImage(size);
}

ImageSurface MakeDrawingAreaImage(double devicePixelRatio) {
  const int side = window::DrawingAreaPixels();
  const int size = static_cast<int>(std::lround(side * std::max(1.0, devicePixelRatio)));
  ImageSurface image = MakeScaledImage(size);
  // The picture's logical size is exactly the area's, however the ratio rounds.
  image.SetDevicePixelRatio(static_cast<double>(size) / side);
  return image;
}

svg::SvgSurface MakePictureSvg(int size, svg::DocumentOutput* output) {
  CheckPictureSize(size);
  const window::FontStyle style = LetterFont();
  // Measured as the area's image measures its letters, so the text sits where it does there.
  QFont font = QtFont(style);
  font.setStyleStrategy(QFont::NoAntialias);
  const QFontMetricsF metrics(font);
  // Liberation Serif has Times New Roman's measures and comes with the program's package.
  svg::SvgFont svgFont;
  svgFont.family = std::string(style.face).append(", Liberation Serif, serif");
  svgFont.size = font.pixelSize();
  svgFont.bold = style.bold;
  svgFont.ascent = metrics.ascent();
  svgFont.lineHeight = metrics.height();
  // Small print is measured at a large size, where the face's hinting no longer
  // rounds its widths, and scaled: a document's letters scale freely.
  constexpr double MeasuringSize = 100;
  const QFontMetricsF small(SmallPrintFont(MeasuringSize));
  svg::SvgSmallPrint smallPrint;
  smallPrint.family = std::string(SmallPrintFamily).append(", Arial, Helvetica, sans-serif");
  smallPrint.ascent = small.ascent() / MeasuringSize;
  smallPrint.lineHeight = small.height() / MeasuringSize;
  smallPrint.width = [small](std::string_view text) {
    return small.horizontalAdvance(FromUtf8(text)) / MeasuringSize;
  };
  return svg::SvgSurface(window::DrawingAreaPixels(), size, Background(), std::move(svgFont),
                         std::move(smallPrint), output);
}

}  // namespace picture
