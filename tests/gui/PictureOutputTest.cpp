// The drawing area's picture at other sizes, as PNG and as SVG.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <stdexcept>

#include "gui/DrawingAreaImage.h"
#include "testkit/RecordingControls.h"
#include "window/PlotWindow.h"

namespace {

using surface::ColorMode;

// The window after drawing the default formula at a resolution in a colour mode.
struct DrawnWindow {
  DrawnWindow(const char* resolution, ColorMode mode) {
    form.Load();
    controls.Number(window::NumberBox::Resolution) = resolution;
    form.ChooseColorMode(mode);
    form.Draw();
  }
  testkit::RecordingControls controls;
  window::PlotWindow form{controls};
};

// The share of pixels whose channels all lie within `tolerance` of the other image's.
double Agreement(const QImage& a, const QImage& b, int tolerance = 24) {
  const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
  if (x.size() != y.size()) return 0;
  long close = 0;
  for (int row = 0; row < x.height(); ++row)
    for (int col = 0; col < x.width(); ++col) {
      const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
      close += std::abs(qRed(p) - qRed(q)) <= tolerance && std::abs(qGreen(p) - qGreen(q)) <= tolerance &&
               std::abs(qBlue(p) - qBlue(q)) <= tolerance;
    }
  return static_cast<double>(close) / (x.width() * x.height());
}

// The smallest rectangle of black pixels: the three letters.
QRect LetterBounds(const gui::ImageSurface& picture) {
  QRect bounds;
  for (int y = 0; y < picture.image().height(); ++y)
    for (int x = 0; x < picture.image().width(); ++x)
      if (picture.PixelAt(x, y) == 0) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

TEST(PictureImage, SizesAndScale) {
  DrawnWindow window("12", ColorMode::Grid);
  gui::ImageSurface same = gui::MakePictureImage(326);
  window.form.DrawPictureOn(same);
  EXPECT_EQ(same.image(), window.controls.surface.image()) << "the drawing area's own size";
  // The axes alone: the letters twice as large at twice the distance from the corner.
  testkit::RecordingControls startControls;
  window::PlotWindow start(startControls);
  start.Load();
  gui::ImageSurface doubled = gui::MakePictureImage(652);
  start.DrawPictureOn(doubled);
  const QRect small = LetterBounds(startControls.surface), large = LetterBounds(doubled);
  EXPECT_NEAR(large.left(), 2 * small.left(), 2);
  EXPECT_NEAR(large.bottom(), 2 * small.bottom(), 6);
  EXPECT_NEAR(large.width(), 2 * small.width(), 6);
  for (const int size : {15, 8193}) EXPECT_THROW(gui::MakePictureImage(size), std::out_of_range) << size;
  EXPECT_EQ(gui::MakePictureImage(16).image().width(), 16);
}

// The elements of an SVG document by name, with the attributes of the document's
// root and the texts of its <text> elements.
struct SvgSummary {
  std::map<QString, int> elements;
  QXmlStreamAttributes root;
  QStringList texts;
  bool wellFormed = false;
};

SvgSummary Summarise(const std::string& document) {
  SvgSummary summary;
  QXmlStreamReader reader(QByteArray::fromStdString(document));
  while (!reader.atEnd()) {
    if (reader.readNext() != QXmlStreamReader::StartElement) continue;
    if (summary.elements.empty()) summary.root = reader.attributes();
    ++summary.elements[reader.name().toString()];
    if (reader.name() == QLatin1String("text")) summary.texts << reader.readElementText();
  }
  summary.wellFormed = !reader.hasError();
  return summary;
}

TEST(PictureSvg, ADocumentOfTheCellsInPaintersOrder) {
  const std::pair<ColorMode, int> rows[] = {
      {ColorMode::Grid, 1}, {ColorMode::Lines, 0}, {ColorMode::RndColors, 0}};
  for (const auto& [mode, runsAtMost] : rows) {
    DrawnWindow window("12", mode);
    svg::SvgSurface picture = gui::MakePictureSvg(1024);
    window.form.DrawPictureOn(picture);
    const SvgSummary svg = Summarise(picture.Document());
    const int modeNumber = static_cast<int>(mode);
    EXPECT_TRUE(svg.wellFormed) << modeNumber;
    EXPECT_EQ(svg.root.value("width").toString(), "1024") << modeNumber;
    EXPECT_EQ(svg.root.value("viewBox").toString(), "0 0 326 326") << modeNumber;
    EXPECT_EQ(svg.elements.at("polygon"), 144) << modeNumber;
    EXPECT_EQ(svg.elements.at("rect"), 1) << modeNumber;
    EXPECT_EQ(svg.texts, (QStringList{"X", "Y", "Z"})) << modeNumber;
    // Lines of the axes, and in "Lines" two edge lines per cell and one more on the border cells.
    const auto border = std::count_if(window.form.Cells().begin(), window.form.Cells().end(),
                                      [](const surface::Cell& row) { return row[surface::ColorCode] != 0; });
    EXPECT_EQ(svg.elements.at("line"), mode == ColorMode::Lines ? 6 + 2 * 144 + border : 6) << modeNumber;
    if (runsAtMost > 0) {
      // The picture's own group, two runs of axis lines, then the runs of cells.
      EXPECT_LE(svg.elements.at("g"), 3 + runsAtMost) << modeNumber << ": one group per run";
    }
  }
}

// Rasterised by an SVG renderer, the document shows the PNG's picture except along edges.
TEST(PictureSvg, RasterisedAgreesWithThePng) {
  const QString converter = QStandardPaths::findExecutable("rsvg-convert");
  if (converter.isEmpty()) GTEST_SKIP() << "rsvg-convert is not installed (Debian package librsvg2-bin)";
  const std::pair<const char*, ColorMode> rows[] = {{"12", ColorMode::Grid},
                                                    {"40", ColorMode::Colors},
                                                    {"30", ColorMode::Lines},
                                                    {"40", ColorMode::RndColors}};
  for (const auto& [resolution, mode] : rows) {
    DrawnWindow window(resolution, mode);
    svg::SvgSurface picture = gui::MakePictureSvg(326);
    window.form.DrawPictureOn(picture);
    QProcess rsvg;
    rsvg.start(converter, {"--format=png"});
    rsvg.write(QByteArray::fromStdString(picture.Document()));
    rsvg.closeWriteChannel();
    ASSERT_TRUE(rsvg.waitForFinished(60000));
    const QImage rasterised = QImage::fromData(rsvg.readAllStandardOutput(), "PNG");
    ASSERT_EQ(rasterised.size(), QSize(326, 326)) << resolution;
    const double agreement = Agreement(rasterised, window.controls.surface.image());
    EXPECT_GE(agreement, 0.97) << "resolution " << resolution << ", mode " << static_cast<int>(mode);
  }
}

}  // namespace
