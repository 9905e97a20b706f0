#pragma once

#include <cstdint>
#include <limits>
#include <string_view>

#include "render/CellBatch.h"
#include "render/Color.h"

namespace render {

enum class LineStyle { Solid = 0, Dotted = 2 };
enum class FillStyle { Solid = 0, Transparent = 1 };

// The drawing area as the rendering code sees it: pixel units, origin at the top
// left of the inner area, a persistent picture that stays until it is cleared.
class DrawingSurface {
 public:
  virtual ~DrawingSurface() = default;

  // Device pixels per pixel of the drawing area. The render code multiplies every
  // projected coordinate by it before rounding, so a surface larger than the
  // drawing area shows the same view with vertices placed at its own resolution.
  // At 1 the product is the coordinate itself, bit for bit.
  virtual double PixelScale() const { return 1; }

  // Fills the whole area with its background colour.
  virtual void Clear() = 0;
  virtual void SetForeColor(Color color) = 0;
  virtual void SetLineStyle(LineStyle style) = 0;
  // A straight line in the given colour and the current line style.
  virtual void Line(float x1, float y1, float x2, float y2, Color color) = 0;
  // `count` lines in one colour, the ends of each given as x1, y1, x2, y2 in turn:
  // the same as as many calls of Line, which a surface may draw in one go.
  virtual void Lines(const float* ends, int count, Color color) {
    for (int k = 0; k < count; ++k, ends += 4) Line(ends[0], ends[1], ends[2], ends[3], color);
  }
  // Where the next Print puts the top-left corner of its text.
  virtual void SetCurrentPosition(float x, float y) = 0;
  // Writes one line of text in the area's font and the foreground colour.
  virtual void Print(std::string_view text) = 0;
  // From now on Print writes in the surface's plain face for small print, `size`
  // pixels of the surface high (its em); 0 goes back to the area's font.
  virtual void SetSmallPrint(double /*size*/) {}
  // The room a Print of the text would take now, in pixels of the surface: its
  // advance and the height of its line. This default, for surfaces that cannot
  // measure, guesses a plain face of 10 pixels.
  struct TextExtent {
    double width;
    double height;
  };
  virtual TextExtent MeasureText(std::string_view text) const;
  virtual void SetFillStyle(FillStyle style) = 0;
  virtual void SetFillColor(Color color) = 0;
  // Outlines the polygon in the foreground colour and line style and fills its
  // inside with the fill colour under the even-odd rule.
  virtual void Polygon(const PolygonPoint* points, int count) = 0;
  // The cells of a redraw, one after another, each as DrawCell draws it: a surface
  // may draw them in one go, setting the same pixels.
  virtual void DrawCells(const CellBatch& batch);
  // A cell of the batch that it holds: its fill colour set (where the batch has
  // fills), the Polygon of its corners, then the Lines of its edges (in "Lines").
  void DrawCell(const CellBatch& batch, std::size_t cell);

  // Drawing from several threads at once. A surface that allows it splits its rows
  // into at most `wanted` horizontal bands and says how many it made; Band(k) is
  // then a surface that draws into band k's rows alone, starting from the colours
  // and styles this surface has now. The bands of one split may each be drawn on
  // by their own thread at the same time, while nothing draws on the surface
  // itself. A line or polygon drawn into every band sets the pixels it sets when
  // drawn once, so the same calls made in each band leave every pixel with the
  // same last writer as one pass over the whole surface. Text is never printed in
  // a band, and what the bands' settings do to the surface's own is unspecified.
  // A surface that draws from one thread only is a single band: itself.
  virtual int SplitIntoBands(int /*wanted*/) { return 1; }
  virtual DrawingSurface& Band(int /*k*/) { return *this; }

  // How far band k of the last split reaches, in y of the surface's pixels: a line
  // or polygon whose points all lie above `top`, or all at `bottom` or below,
  // leaves the band as it was, so that a caller may pass it by there. The bands run
  // top to bottom: neither end of a band's reach lies above that of the band before.
  struct Reach {
    double top;
    double bottom;
  };
  virtual Reach BandReach(int /*k*/) const {
    return {-std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity()};
  }
};

}  // namespace render
