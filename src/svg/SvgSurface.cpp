#include "svg/SvgSurface.h"

#include <array>
#include <charconv>
#include <cmath>
#include <utility>
#include <vector>

namespace svg {
namespace {

constexpr std::string_view Replacement = "\xEF\xBF\xBD";

std::string Hex(render::Color color) {
  constexpr char digits[] = "0123456789ABCDEF";
  const std::array<uint32_t, 3> channels{render::RedOf(color), render::GreenOf(color), render::BlueOf(color)};
  std::string text = "#";
  // #RGB where every channel repeats its digit.
  const bool shortForm = (channels[0] >> 4) == (channels[0] & 15) &&
                         (channels[1] >> 4) == (channels[1] & 15) && (channels[2] >> 4) == (channels[2] & 15);
  for (const uint32_t c : channels) {
    text += digits[c >> 4];
    if (!shortForm) text += digits[c & 15];
  }
  return text;
}

// A number in the fewest characters that keep two decimals, without the locale's
// separator.
std::string Number(double value, int decimals = 2) {
  std::array<char, 64> buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
  std::string text(buffer.data(), result.ptr);
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  return text;
}

std::string Integer(int64_t value) { return std::to_string(value); }

std::string StrokeAttributes(render::Color color, render::LineStyle style) {
  std::string attributes = " stroke=\"" + Hex(color) + "\"";
  // Square caps add half the stroke's width at each end of every dash: "2 4"
  // covers three pixel centres, leaves three, as the area's dotted lines do.
  if (style == render::LineStyle::Dotted) attributes += " stroke-dasharray=\"2 4\"";
  return attributes;
}

// The length of the UTF-8 sequence that starts text[i], or 0 when it is not one.
std::size_t Utf8Length(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  std::size_t length = 0;
  uint32_t code = 0;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF)
    length = 2, code = lead & 0x1Fu;
  else if (lead >= 0xE0 && lead <= 0xEF)
    length = 3, code = lead & 0x0Fu;
  else if (lead >= 0xF0 && lead <= 0xF4)
    length = 4, code = lead & 0x07u;
  else
    return 0;
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    code = code << 6 | (byte(i + k) & 0x3Fu);
  }
  const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  const bool notACharacter = code == 0xFFFE || code == 0xFFFF || code > 0x10FFFF;
  return overlong || surrogate || notACharacter ? 0 : length;
}

}  // namespace

std::string EscapeXmlText(std::string_view text) {
  std::string escaped;
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    const std::size_t length = Utf8Length(text, i);
    if (length == 0) {
      escaped += Replacement;
      ++i;
      continue;
    }
    if (c == '&')
      escaped += "&amp;";
    else if (c == '<')
      escaped += "&lt;";
    else if (c == '>')
      escaped += "&gt;";
    else if (c == '"')
      escaped += "&quot;";
    else if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r')
      escaped += Replacement;
    else
      escaped.append(text.substr(i, length));
    i += length;
  }
  return escaped;
}

class SvgSurface::MemoryOutput : public DocumentOutput {
 public:
  void Append(std::string_view text) override { text_.append(text); }
  void Restart() override { text_.clear(); }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

SvgSurface::SvgSurface(int side, int size, render::Color background, SvgFont font, SvgSmallPrint smallPrint,
                       DocumentOutput* output)
    : side_(side),
      size_(size),
      background_(background),
      font_(std::move(font)),
      smallPrint_(std::move(smallPrint)),
      memory_(output == nullptr ? std::make_unique<MemoryOutput>() : nullptr),
      output_(output == nullptr ? memory_.get() : output) {
  Clear();
}

SvgSurface::SvgSurface(SvgSurface&& other) noexcept = default;
SvgSurface::~SvgSurface() = default;

void SvgSurface::Clear() {
  body_.clear();
  runAttributes_.clear();
  pendingTag_.clear();
  output_->Restart();
  output_->Append(Head());
}

void SvgSurface::PassOnBody() {
  // Large enough that the output is called seldom, small beside any picture's memory.
  constexpr std::size_t PassOnBytes = std::size_t{1} << 20;
  if (body_.size() < PassOnBytes) return;
  output_->Append(body_);
  body_.clear();
}

void SvgSurface::Line(float x1, float y1, float x2, float y2, render::Color color) {
  const std::array<float, 4> ends{x1, y1, x2, y2};
  std::string geometry;
  static constexpr const char* names[] = {" x1=\"", " y1=\"", " x2=\"", " y2=\""};
  for (std::size_t k = 0; k < ends.size(); ++k) {
    if (!std::isfinite(ends[k])) return;
    // Ties to even under the default rounding mode, as the area rounds them.
    geometry += names[k] + Number(std::nearbyint(static_cast<double>(ends[k])), 0) + "\"";
  }
  Emit("line", geometry, StrokeAttributes(color, lineStyle_));
  PassOnBody();
}

void SvgSurface::SetCurrentPosition(float x, float y) {
  currentX_ = x;
  currentY_ = y;
}

void SvgSurface::Print(std::string_view text) {
  // The position is the top left of the text, the document's is its baseline;
  // the half unit takes back the pixel-centre shift of the picture's group.
  const bool small = smallPrintSize_ > 0;
  const double ascent = small ? smallPrint_.ascent * smallPrintSize_ : font_.ascent;
  std::string geometry =
      " x=\"" + Number(currentX_ - 0.5) + "\" y=\"" + Number(currentY_ + ascent - 0.5) + "\"";
  if (small)
    geometry += " font-family=\"" + EscapeXmlText(smallPrint_.family) + "\" font-size=\"" +
                Number(smallPrintSize_) + "\" font-weight=\"normal\"";
  FlushPending();
  if (!runAttributes_.empty()) body_ += "</g>";
  runAttributes_.clear();
  body_ += "<text" + geometry + " fill=\"" + Hex(foreColor_) + "\">" + EscapeXmlText(text) + "</text>";
  PassOnBody();
  currentX_ = 0;
  currentY_ =
      static_cast<float>(currentY_ + (small ? smallPrint_.lineHeight * smallPrintSize_ : font_.lineHeight));
}

render::DrawingSurface::TextExtent SvgSurface::MeasureText(std::string_view text) const {
  // The area's font is measured only roughly: wide letters take about 0.7 of its size.
  if (smallPrintSize_ == 0) return {0.7 * font_.size * static_cast<double>(text.size()), font_.lineHeight};
  const double width = smallPrint_.width ? smallPrint_.width(text) : 0.55 * static_cast<double>(text.size());
  return {width * smallPrintSize_, smallPrint_.lineHeight * smallPrintSize_};
}

void SvgSurface::Polygon(const render::PolygonPoint* points, int count) {
  if (count < 1) return;
  // Repeated vertices in a row, the last against the first too, add nothing.
  std::vector<render::PolygonPoint> kept{points[0]};
  for (int i = 1; i < count; ++i)
    if (points[i].x != kept.back().x || points[i].y != kept.back().y) kept.push_back(points[i]);
  while (kept.size() > 1 && kept.back().x == kept.front().x && kept.back().y == kept.front().y)
    kept.pop_back();
  // A single point still shows its outline pixel: a polygon there and back.
  if (kept.size() == 1) kept.push_back(kept.front());
  std::string geometry = " points=\"";
  for (std::size_t i = 0; i < kept.size(); ++i) {
    if (i > 0) geometry += ' ';
    geometry += Integer(kept[i].x) + "," + Integer(kept[i].y);
  }
  geometry += "\"";
  const std::string fill = fillStyle_ == render::FillStyle::Solid ? " fill=\"" + Hex(fillColor_) + "\""
                                                                  : std::string(" fill=\"none\"");
  Emit("polygon", geometry, fill + StrokeAttributes(foreColor_, lineStyle_));
  PassOnBody();
}

void SvgSurface::Emit(std::string_view tag, const std::string& geometry, const std::string& attributes) {
  if (!runAttributes_.empty() && attributes == runAttributes_) {
    body_ += "<" + std::string(tag) + geometry + "/>";
    return;
  }
  if (!pendingTag_.empty() && attributes == pendingAttributes_) {
    if (!runAttributes_.empty()) body_ += "</g>";
    runAttributes_ = attributes;
    body_ += "<g" + attributes + "><" + pendingTag_ + pendingGeometry_ + "/><" + std::string(tag) + geometry +
             "/>";
    pendingTag_.clear();
    return;
  }
  FlushPending();
  if (!runAttributes_.empty()) body_ += "</g>";
  runAttributes_.clear();
  pendingTag_ = tag;
  pendingGeometry_ = geometry;
  pendingAttributes_ = attributes;
}

void SvgSurface::FlushPending() {
  if (pendingTag_.empty()) return;
  body_ += "<" + pendingTag_ + pendingGeometry_ + pendingAttributes_ + "/>";
  pendingTag_.clear();
}

std::string SvgSurface::Head() const {
  std::string document = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Integer(size_) +
                         "\" height=\"" + Integer(size_) + "\" viewBox=\"0 0 " + Integer(side_) + " " +
                         Integer(side_) + "\">";
  document += "<rect width=\"" + Integer(side_) + "\" height=\"" + Integer(side_) + "\" fill=\"" +
              Hex(background_) + "\"/>";
  // Crisp edges: the area's picture has no antialiased edges either, and at its
  // size the document then sets nearly the same pixels. The area's lines set one
  // pixel per column (or row) at any slope; a stroke of 0.8 comes closer to that
  // on slanted lines than a full unit, and still covers every pixel of a
  // horizontal or vertical one.
  document +=
      "<g transform=\"translate(.5 .5)\" shape-rendering=\"crispEdges\" stroke-width=\".8\" "
      "fill-rule=\"evenodd\" stroke-linecap=\"square\" font-family=\"" +
      EscapeXmlText(font_.family) + "\" font-size=\"" + Number(font_.size) + "\"";
  if (font_.bold) document += " font-weight=\"bold\"";
  document += ">";
  return document;
}

std::string SvgSurface::Tail() const {
  std::string tail;
  if (!pendingTag_.empty()) tail += "<" + pendingTag_ + pendingGeometry_ + pendingAttributes_ + "/>";
  if (!runAttributes_.empty()) tail += "</g>";
  return tail + "</g></svg>\n";
}

void SvgSurface::Finish() {
  output_->Append(body_ + Tail());
  body_.clear();
}

std::string SvgSurface::Document() const {
  return memory_ ? memory_->Text() + body_ + Tail() : std::string();
}

}  // namespace svg
