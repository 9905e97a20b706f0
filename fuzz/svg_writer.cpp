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
#include <cstring>
#include <string>
#include <vector>

#include "svg/SvgSurface.h"

namespace {

class Reader {
 public:
  Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool AtEnd() const { return at_ >= size_; }
  uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  uint32_t Word() {
    uint32_t word = 0;
    for (int k = 0; k < 4; ++k) word = word << 8 | Byte();
    return word;
  }
  float Float() { return std::bit_cast<float>(Word()); }
  std::string Text() {
    const size_t length = Byte() % 24;
    std::string text;
    for (size_t k = 0; k < length; ++k) text += static_cast<char>(Byte());
    return text;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

class StreamedDocument : public svg::DocumentOutput {
 public:
  void Append(std::string_view text) override { text_.append(text); }
  void Restart() override { text_.clear(); }
  std::string text_;
};

void Draw(Reader& reader, svg::SvgSurface& surface) {
  while (!reader.AtEnd()) {
    switch (reader.Byte() % 8) {
      case 0: {
        std::vector<render::PolygonPoint> points(reader.Byte() % 9);
        for (auto& point : points)
          point = {static_cast<int32_t>(reader.Word()), static_cast<int32_t>(reader.Word())};
        surface.Polygon(points.data(), static_cast<int>(points.size()));
        break;
      }
      case 1: {
        const float x1 = reader.Float(), y1 = reader.Float(), x2 = reader.Float(), y2 = reader.Float();
        surface.Line(x1, y1, x2, y2, reader.Word() & 0xFFFFFF);
        break;
      }
      case 2: {
        const float x = reader.Float(), y = reader.Float();
        surface.SetCurrentPosition(x, y);
        surface.Print(reader.Text());
        break;
      }
      case 3:
        surface.SetForeColor(reader.Word() & 0xFFFFFF);
        break;
      case 4:
        surface.SetFillColor(reader.Word() & 0xFFFFFF);
        break;
      case 5:
        surface.SetLineStyle(reader.Byte() % 2 ? render::LineStyle::Dotted : render::LineStyle::Solid);
        break;
      case 6:
        surface.SetFillStyle(reader.Byte() % 2 ? render::FillStyle::Transparent : render::FillStyle::Solid);
        break;
      default:
        if (reader.Byte() % 8 == 0) surface.Clear();
        break;
    }
  }
}

[[noreturn]] void Fail(const char* what, const std::string& document) {
  std::fprintf(stderr, "%s:\n%s\n", what, document.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Reader reader(data, size);
  const int pixels = (reader.Byte() << 8 | reader.Byte()) % 8192 + 1;
  const svg::SvgFont font{"Times New Roman, Liberation Serif, serif", 13, true, 12, 15};
  svg::SvgSurface kept(326, pixels, 0xE0E0E0, font);
  StreamedDocument streamed;
  svg::SvgSurface written(326, pixels, 0xE0E0E0, font, {}, &streamed);
  Reader again = reader;
  Draw(reader, kept);
  Draw(again, written);
  written.Finish();
  const std::string document = kept.Document();
  if (streamed.text_ != document) Fail("the document written out differs from the one kept", streamed.text_);

  QXmlStreamReader xml(QByteArray::fromStdString(document));
  int roots = 0;
  while (!xml.atEnd())
    if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("svg")) ++roots;
  if (xml.hasError() || roots != 1) Fail(qPrintable(xml.errorString()), document);
  return 0;
}
