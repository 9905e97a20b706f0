#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "render/DrawingSurface.h"

namespace svg {

// The letters' font as the document names it, with the two measures a Print
// needs, all in user units (pixels of the drawing area).
struct SvgFont {
  // A CSS font-family list, e.g. "Times New Roman, Liberation Serif, serif".
  std::string family;
  double size = 13;
  bool bold = false;
  // From the top of a line of text to its baseline, and from one line to the next.
  double ascent = 12;
  double lineHeight = 15;
};

// The plain face of small print, with its measures per unit of size (em).
struct SvgSmallPrint {
  std::string family = "sans-serif";
  double ascent = 0.9;
  double lineHeight = 1.15;
  // A text's advance at size 1; unset, about half an em per character.
  std::function<double(std::string_view)> width;
};

// Where a document goes as it is written, so that a large one need not be held.
class DocumentOutput {
 public:
  virtual ~DocumentOutput() = default;
  virtual void Append(std::string_view text) = 0;
  // Drops everything appended so far: the picture was cleared.
  virtual void Restart() = 0;
};

// A drawing surface that writes an SVG document: the drawing area's picture as
// vectors, one element per drawing call in painter's order. User units are
// pixels of the drawing area, so at pixel scale 1 every polygon vertex is a whole
// number; the document only says how large to show it.
//
// Every vertex and line end is shifted by half a unit to the centre of the pixel
// it names, strokes have square caps and edges are not antialiased, so a
// rasterisation at the area's size sets nearly the pixels the area's own
// rasteriser does; they differ along edges.
class SvgSurface : public render::DrawingSurface {
 public:
  // A picture `side` units square shown at `size` pixels square. Without an output
  // the document is kept in memory, for Document.
  SvgSurface(int side, int size, render::Color background, SvgFont font, SvgSmallPrint smallPrint = {},
             DocumentOutput* output = nullptr);
  SvgSurface(SvgSurface&& other) noexcept;
  SvgSurface& operator=(SvgSurface&&) = delete;
  SvgSurface(const SvgSurface&) = delete;
  SvgSurface& operator=(const SvgSurface&) = delete;
  ~SvgSurface() override;

  void Clear() override;
  void SetForeColor(render::Color color) override { foreColor_ = color; }
  void SetLineStyle(render::LineStyle style) override { lineStyle_ = style; }
  // End points are rounded to whole units like the area's, ties to even; a line
  // with an end beyond the float range is left out.
  void Line(float x1, float y1, float x2, float y2, render::Color color) override;
  void SetCurrentPosition(float x, float y) override;
  // Small print is a text element with its own face and size.
  void Print(std::string_view text) override;
  void SetSmallPrint(double size) override { smallPrintSize_ = size > 0 ? size : 0; }
  TextExtent MeasureText(std::string_view text) const override;
  void SetFillStyle(render::FillStyle style) override { fillStyle_ = style; }
  void SetFillColor(render::Color color) override { fillColor_ = color; }
  void Polygon(const render::PolygonPoint* points, int count) override;

  // Writes what is still held back and the document's end to the output, which then
  // holds the whole document.
  void Finish();
  // The whole document as it stands, when it is kept in memory.
  std::string Document() const;
  float CurrentX() const { return currentX_; }
  float CurrentY() const { return currentY_; }

 private:
  // Consecutive elements of the same presentation attributes share one <g> that
  // carries them; a lone element carries them itself. The last element written
  // waits here until the next one shows whether it starts a run.
  void Emit(std::string_view tag, const std::string& geometry, const std::string& attributes);
  void FlushPending();
  std::string Head() const;
  // The end tags of what is open, after the element held back.
  std::string Tail() const;
  // Hands the elements written so far to the output once there are enough of them.
  void PassOnBody();

  int side_;
  int size_;
  render::Color background_;
  SvgFont font_;
  SvgSmallPrint smallPrint_;
  double smallPrintSize_ = 0;
  render::Color foreColor_ = 0;
  render::Color fillColor_ = 0;
  render::LineStyle lineStyle_ = render::LineStyle::Solid;
  render::FillStyle fillStyle_ = render::FillStyle::Solid;
  float currentX_ = 0;
  float currentY_ = 0;

  class MemoryOutput;
  std::unique_ptr<MemoryOutput> memory_;
  DocumentOutput* output_;
  // Elements not yet handed to the output.
  std::string body_;
  // The attributes of the open <g>, empty when none is open.
  std::string runAttributes_;
  // The element waiting to be written: its tag, geometry and attributes.
  std::string pendingTag_;
  std::string pendingGeometry_;
  std::string pendingAttributes_;
};

// Text as XML character data or an attribute value in double quotes: markup characters escaped, characters
// XML cannot hold and bytes that are not UTF-8 replaced by U+FFFD.
std::string EscapeXmlText(std::string_view text);

}  // namespace svg
