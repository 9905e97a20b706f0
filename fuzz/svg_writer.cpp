// Fuzz target for the SVG writer: the bytes are a picture's size and a list of drawing
// calls (polygons, lines, texts, colours, styles, clears). The document must parse as
// XML with one <svg> root, and the document written out as it is made, through every
// clear, must be the one kept in memory.
//
// Layout: bytes 0-1 the size; then calls, each an opcode byte and its operands. Numbers
// are read as raw 32-bit values, so coordinates reach every float and integer.
#include <QByteArray>
#include <QXmlStreamReader>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "svg/SvgSurface.h"

namespace {

struct Reader {
  const uint8_t* data;
  size_t size, at = 0;
  uint8_t Byte() { return at < size ? data[at++] : 0; }
  uint32_t Word() {
    uint32_t word = 0;
    for (int k = 0; k < 4; ++k) word = word << 8 | Byte();
    return word;
  }
  float Float() { return std::bit_cast<float>(Word()); }
  render::Color Color() { return Word() & 0xFFFFFF; }
};

struct StreamedDocument : svg::DocumentOutput {
  void Append(std::string_view part) override { text.append(part); }
  void Restart() override { text.clear(); }
  std::string text;
};

void Draw(Reader reader, svg::SvgSurface& surface) {
  while (reader.at < reader.size) {
    switch (reader.Byte() % 8) {
      case 0: {
        std::vector<render::PolygonPoint> points(reader.Byte() % 9);
        for (auto& point : points) point = {int32_t(reader.Word()), int32_t(reader.Word())};
        surface.Polygon(points.data(), int(points.size()));
        break;
      }
      case 1: {
        const float x1 = reader.Float(), y1 = reader.Float(), x2 = reader.Float(), y2 = reader.Float();
        surface.Line(x1, y1, x2, y2, reader.Color());
        break;
      }
      case 2: {
        const float x = reader.Float(), y = reader.Float();
        surface.SetCurrentPosition(x, y);
        std::string text(reader.Byte() % 24, '\0');
        for (char& c : text) c = char(reader.Byte());
        surface.Print(text);
        break;
      }
      case 3:
        surface.SetForeColor(reader.Color());
        break;
      case 4:
        surface.SetFillColor(reader.Color());
        break;
      case 5:
        surface.SetLineStyle(reader.Byte() % 2 ? render::LineStyle::Dotted : render::LineStyle::Solid);
        break;
      case 6:
        surface.SetFillStyle(reader.Byte() % 2 ? render::FillStyle::Transparent : render::FillStyle::Solid);
        break;
      default:
        if (reader.Byte() % 8 == 0) surface.Clear();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Reader reader{data, size};
  const int pixels = (reader.Byte() << 8 | reader.Byte()) % 8192 + 1;
  const svg::SvgFont font{"Times New Roman, Liberation Serif, serif", 13, true, 12, 15};
  svg::SvgSurface kept(326, pixels, 0xE0E0E0, font);
  StreamedDocument streamed;
  svg::SvgSurface written(326, pixels, 0xE0E0E0, font, {}, &streamed);
  Draw(reader, kept);
  Draw(reader, written);
  written.Finish();
  const std::string document = kept.Document();
  QXmlStreamReader xml(QByteArray::fromStdString(document));
  int roots = 0;
  while (!xml.atEnd())
    roots += xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("svg");
  if (streamed.text == document && !xml.hasError() && roots == 1) return 0;
  std::fprintf(stderr, "%s\nwritten out:\n%s\nkept:\n%s\n", qPrintable(xml.errorString()),
               streamed.text.c_str(), document.c_str());
  std::abort();
}
