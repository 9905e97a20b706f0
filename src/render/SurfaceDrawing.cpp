#include "render/SurfaceDrawing.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <type_traits>

#include "render/Axes.h"
#include "render/Parts.h"
#include "render/Prefetch.h"
#include "render/Projection.h"
#include "runtime/Conversions.h"
#include "runtime/RuntimeError.h"

namespace render {
namespace {

using runtime::EnsureSize;

using surface::Cell;
using surface::ColorMode;

// More bands than threads would only go over the same cells again.
constexpr std::size_t MostBands = 64;
// Below this many cells a part is not worth a thread.
constexpr std::size_t LeastCellsPerPart = 1 << 13;

constexpr Color GridOutline = 0x000000;
constexpr Color GridFill = 0xE0E0E0;
constexpr Color ColorsOutline = 0xC0C0C0;
// In "Lines" the outline has the fill's colour, so only the grey edge lines show.
constexpr Color LinesOutlineAndFill = 0xECE3BB;

Color OutlineColor(ColorMode mode) {
  switch (mode) {
    case ColorMode::Colors:
    case ColorMode::RndColors:
      return ColorsOutline;
    case ColorMode::Grid:
      return GridOutline;
    case ColorMode::Lines:
      return LinesOutlineAndFill;
  }
  return GridOutline;
}

bool FillsByCode(ColorMode mode) { return mode == ColorMode::Colors || mode == ColorMode::RndColors; }

// The fill of the modes that do not take it from the colour code.
Color PlainFill(ColorMode mode) { return mode == ColorMode::Lines ? LinesOutlineAndFill : GridFill; }

// Within this, NearestLong takes its quick way and the result fits.
constexpr double NearReach = 1073741824.0;

// runtime::TryToLong, with the call only for values far out: nearest, ties to
// even, false beyond the 32-bit range.
bool NearestLong(double v, int32_t& whole) {
  if (v > -NearReach && v < NearReach) {
    whole = static_cast<int32_t>(runtime::NearestWholeWithinReach(v));
    return true;
  }
  const std::optional<int32_t> far = runtime::TryToLong(v);
  if (far) whole = *far;
  return far.has_value();
}

Border BorderOf(float code) { return code == 1 ? FirstBorder : code == 2 ? LastBorder : NoBorder; }

bool FitsNarrow(int32_t coordinate) {
  return coordinate >= std::numeric_limits<int16_t>::min() &&
         coordinate <= std::numeric_limits<int16_t>::max();
}

#if defined(__SSE2__)
// The placing of a cell whose points and colour code lie well within narrow corners
// and 32 bits, as nearly all do, two corners at a time: the corners, in "Lines" the
// edge lines' ends and whether they round to the corners, and the top and bottom of
// its points. False, with the corners left unwritten, for any other cell.
bool PlaceNarrowQuickly(const ViewProjector& project, const Cell& row, NarrowCorners& corners, EdgeEnds* ends,
                        bool& endsAtCorners, double& top, double& bottom) {
  const auto pair = [&](std::size_t a, std::size_t b) {
    const auto column = [&](std::size_t axis) { return _mm_set_pd(row[3 * b + axis], row[3 * a + axis]); };
    return project.ProjectTwo(column(0), column(1), column(2));
  };
  const ViewProjector::Lanes first = pair(0, 1), last = pair(2, 3);
  const __m128d high = _mm_set1_pd(32767.0), low = _mm_set1_pd(-32767.0);
  const auto within = [&](__m128d v) { return _mm_and_pd(_mm_cmplt_pd(v, high), _mm_cmpgt_pd(v, low)); };
  const __m128d plain =
      _mm_and_pd(_mm_and_pd(within(first.x), within(first.y)), _mm_and_pd(within(last.x), within(last.y)));
  if (_mm_movemask_pd(plain) != 3) return false;
  // Nearest, ties to even, as runtime::NearestWholeWithinReach rounds.
  const __m128d shift = _mm_set1_pd(6755399441055744.0);
  const auto nearest = [&](__m128d v) { return _mm_cvttpd_epi32(_mm_sub_pd(_mm_add_pd(v, shift), shift)); };
  const __m128i xy01 = _mm_unpacklo_epi32(nearest(first.x), nearest(first.y));
  const __m128i xy23 = _mm_unpacklo_epi32(nearest(last.x), nearest(last.y));
  const __m128i placed = _mm_packs_epi32(xy01, xy23);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(corners.data()), placed);
  if (ends != nullptr) {
    const __m128 ends01 = _mm_unpacklo_ps(_mm_cvtpd_ps(first.x), _mm_cvtpd_ps(first.y));
    const __m128 ends23 = _mm_unpacklo_ps(_mm_cvtpd_ps(last.x), _mm_cvtpd_ps(last.y));
    _mm_storeu_ps(ends->data(), ends01);
    _mm_storeu_ps(ends->data() + 4, ends23);
    // Rounded as the image's tiny cells round them, under the default rounding.
    const __m128i rounded = _mm_packs_epi32(_mm_cvtps_epi32(ends01), _mm_cvtps_epi32(ends23));
    endsAtCorners = _mm_movemask_epi8(_mm_cmpeq_epi16(rounded, placed)) == 0xFFFF;
  }
  const __m128d lowest = _mm_min_pd(first.y, last.y), highest = _mm_max_pd(first.y, last.y);
  top = std::min(_mm_cvtsd_f64(lowest), _mm_cvtsd_f64(_mm_unpackhi_pd(lowest, lowest)));
  bottom = std::max(_mm_cvtsd_f64(highest), _mm_cvtsd_f64(_mm_unpackhi_pd(highest, highest)));
  return true;
}
#endif

}  // namespace

void CellPainter::Paint(const surface::CellTable& cells, std::span<const uint32_t> order,
                        DrawingSurface& area, const AxisPoints& axes, const View& view,
                        runtime::WorkerPool& pool) {
  area.Clear();
  DrawAxes(area, axes, view);
  // A few thousand cells are drawn sooner than a second thread wakes up.
  const std::size_t wanted =
      order.size() < LeastCellsPerPart ? 1 : std::min<std::size_t>(pool.Size(), MostBands);
  bands_ = static_cast<std::size_t>(area.SplitIntoBands(static_cast<int>(wanted)));
  const std::size_t placed = PlaceCells(cells, order, view, area, pool);
  RunParts(pool, bands_,
           [&](std::size_t band) { DrawCells(area.Band(static_cast<int>(band)), band, placed, view.mode); });
  if (placed < order.size()) throw runtime::RuntimeError(runtime::ErrorNumber::Overflow);
}

std::size_t CellPainter::PlaceCells(const surface::CellTable& cells, std::span<const uint32_t> order,
                                    const View& view, const DrawingSurface& area, runtime::WorkerPool& pool) {
  const std::size_t count = order.size();
  if (FillsByCode(view.mode)) EnsureSize(fills_, count);
  if (view.mode == ColorMode::Lines) {
    EnsureSize(ends_, count);
    EnsureSize(borders_, count);
  }
  if (bands_ > 1) EnsureSize(spans_, count);
  reaches_.resize(bands_);
  for (std::size_t band = 0; band < bands_; ++band) reaches_[band] = area.BandReach(static_cast<int>(band));
  parts_ = PartsFor(count, pool, LeastCellsPerPart);
  // The corners take the width the last redraw needed. Only one width is held at
  // a time: the memory a surface may take counts the wide corners alone.
  if (!wideNeeded_) {
    wide_ = false;
    wideCorners_ = {};
    EnsureSize(narrowCorners_, count);
    if (const auto placed = PlaceCellsAs(narrowCorners_, cells, order, view, area, pool)) return *placed;
    narrowCorners_ = {};
  }
  wide_ = true;
  EnsureSize(wideCorners_, count);
  const std::size_t placed = *PlaceCellsAs(wideCorners_, cells, order, view, area, pool);
  wideNeeded_ = AnyBeyondNarrow();
  return placed;
}

// Each part places its share of the order and stops at its first misfit: the
// cells after one are never drawn. Narrow corners also stop at the first corner
// beyond them: the whole order is then placed again in wide ones.
template <class Corners>
std::optional<std::size_t> CellPainter::PlaceCellsAs(runtime::LargeBuffer<Corners>& corners,
                                                     const surface::CellTable& cells,
                                                     std::span<const uint32_t> order, const View& view,
                                                     const DrawingSurface& area, runtime::WorkerPool& pool) {
  using Coordinate = decltype(Corners{}[0].x);
  constexpr bool narrow = std::is_same_v<Corners, NarrowCorners>;
  // Points strictly within this round into the corners' width without a check.
  constexpr double Plain = narrow ? 32767.0 : NearReach;
  const std::size_t count = order.size();
  misfits_.assign(parts_, count);
  beyondNarrow_.assign(parts_, 0);
  const ViewProjector projector(view, area.PixelScale());
  RunParts(pool, parts_, [&](std::size_t part) {
    // Local copies, which the stores below leave in registers.
    const ViewProjector project = projector;
    const bool lines = view.mode == ColorMode::Lines;
    const bool byCode = FillsByCode(view.mode);
    const Cell* const rows = cells.data();
    const uint32_t* const rowOf = order.data();
    Corners* const placed = corners.data();
    EdgeEnds* const ends = ends_.data();
    Color* const fills = fills_.data();
    Border* const borders = borders_.data();
    BandSpan* const spans = bands_ > 1 ? spans_.data() : nullptr;
    const PartRange range = PartOf(count, parts_, part);
    bool beyondNarrow = false;
    for (std::size_t k = range.first; k < range.end; ++k) {
      PrefetchAhead(rows, rowOf, k, range.end);
      const Cell& row = rows[rowOf[k]];
      std::array<ScreenPoint, 4> points;
      double top = std::numeric_limits<double>::infinity(), bottom = -top;
      // Nearly every cell lies well within the corners' width and has a colour
      // code well within 32 bits: one test for all (false for anything that is not
      // a number) spares the checks of each.
      const float code = row[surface::ColorCode];
      bool plain = !byCode || ((code > -NearReach) & (code < NearReach));
#if defined(__SSE2__)
      if constexpr (narrow) {
        bool endsAtCorners = false;
        if (plain && PlaceNarrowQuickly(project, row, placed[k], lines ? &ends[k] : nullptr, endsAtCorners,
                                        top, bottom)) {
          if (lines) borders[k] = static_cast<Border>(BorderOf(code) | (endsAtCorners ? EndsAtCorners : 0));
          if (byCode) fills[k] = static_cast<Color>(runtime::NearestWholeWithinReach(code));
          if (spans != nullptr) spans[k] = SpanOf(top, bottom);
          continue;
        }
      }
#endif
      for (std::size_t c = 0; c < 4; ++c) {
        const ScreenPoint p = project.Project(row[3 * c], row[3 * c + 1], row[3 * c + 2]);
        points[c] = p;
        plain &= (p.x > -Plain) & (p.x < Plain) & (p.y > -Plain) & (p.y < Plain);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
        // Within 32-bit integers, the 32-bit float is finite: no fault to check.
        if (lines) {
          ends[k][2 * c] = static_cast<float>(p.x);
          ends[k][2 * c + 1] = static_cast<float>(p.y);
        }
      }
      if (lines) borders[k] = BorderOf(code);
      if (plain) {
        for (std::size_t c = 0; c < 4; ++c) {
          const auto x = static_cast<int32_t>(runtime::NearestWholeWithinReach(points[c].x));
          const auto y = static_cast<int32_t>(runtime::NearestWholeWithinReach(points[c].y));
          // Plain points fit narrow corners.
          if (!narrow) beyondNarrow = beyondNarrow || !FitsNarrow(x) || !FitsNarrow(y);
          placed[k][c] = {static_cast<Coordinate>(x), static_cast<Coordinate>(y)};
        }
        if (byCode) fills[k] = static_cast<Color>(runtime::NearestWholeWithinReach(code));
        if (spans != nullptr) spans[k] = SpanOf(top, bottom);
        continue;
      }
      bool fits = true, fitsNarrow = true;
      for (std::size_t c = 0; c < 4; ++c) {
        int32_t x = 0, y = 0;
        fits = NearestLong(points[c].x, x) && NearestLong(points[c].y, y) && fits;
        fitsNarrow = fitsNarrow && FitsNarrow(x) && FitsNarrow(y);
        placed[k][c] = {static_cast<Coordinate>(x), static_cast<Coordinate>(y)};
      }
      if (byCode) {
        int32_t number = 0;
        fits = NearestLong(code, number) && fits;
        fills[k] = static_cast<Color>(number);
      }
      if (!fits) {
        misfits_[part] = k;
        break;
      }
      beyondNarrow = beyondNarrow || !fitsNarrow;
      if (narrow && beyondNarrow) break;
      if (spans != nullptr) spans[k] = SpanOf(top, bottom);
    }
    beyondNarrow_[part] = beyondNarrow;
  });
  if (narrow && AnyBeyondNarrow()) return std::nullopt;
  // The cells up to the first misfit are drawn, as one at a time would have drawn them.
  return *std::min_element(misfits_.begin(), misfits_.end());
}

bool CellPainter::AnyBeyondNarrow() const {
  return std::any_of(beyondNarrow_.begin(), beyondNarrow_.end(), [](char beyond) { return beyond != 0; });
}

// Rounding moves a point by half a pixel at most, a float's rounding far less
// where the point fits 32 bits: the reach leaves room for both.
BandSpan CellPainter::SpanOf(double top, double bottom) const {
  // The bands run top to bottom, so those wholly above the cell come first and
  // those it may reach next: two counts, without the branches a cell's place in the
  // painter's order makes unforeseeable.
  unsigned above = 0, reached = 0;
  for (std::size_t band = 0; band < bands_; ++band) {
    above += static_cast<unsigned>(top - 1 >= reaches_[band].bottom);
    reached += static_cast<unsigned>(bottom + 1 >= reaches_[band].top);
  }
  return reached > above ? BandSpan{static_cast<uint8_t>(above), static_cast<uint8_t>(reached - 1)}
                         : BandSpan{1, 0};
}

void CellPainter::DrawCells(DrawingSurface& band, std::size_t k, std::size_t count, ColorMode mode) const {
  band.SetForeColor(OutlineColor(mode));
  band.SetFillStyle(FillStyle::Solid);
  band.SetFillColor(PlainFill(mode));
  CellBatch batch;
  batch.count = count;
  if (wide_)
    batch.wide = wideCorners_.data();
  else
    batch.narrow = narrowCorners_.data();
  if (bands_ > 1) {
    batch.spans = spans_.data();
    batch.band = k;
  }
  if (FillsByCode(mode)) batch.fills = fills_.data();
  if (mode == ColorMode::Lines) {
    batch.ends = ends_.data();
    batch.borders = borders_.data();
    batch.edgeColor = PaletteDarkGrey;
  }
  band.DrawCells(batch);
}

void DrawSurface(const surface::CellTable& cells, DrawingSurface& area, const AxisPoints& axes,
                 const View& view, DepthOrder& order, CellPainter& painter, runtime::WorkerPool& pool) {
  if (order.Rows().size() != cells.size()) order.Restart(cells, pool);
  order.SortForView(view, pool);
  painter.Paint(cells, order.Rows(), area, axes, view, pool);
}

}  // namespace render
