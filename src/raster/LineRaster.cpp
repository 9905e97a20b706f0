#include "raster/LineRaster.h"

#include <algorithm>
#include <tuple>
#include <utility>

#include "raster/CeilQuotient.h"

namespace raster {
namespace {

// The walk's first minor coordinate and the remainder that goes with it.
template <class Integer>
std::pair<Integer, Integer> FirstStep(int64_t u0, int64_t v0, int64_t du, int64_t dv, int64_t first) {
  const Integer denominator = 2 * Integer{du};
  const Integer numerator = 2 * (Integer{v0} * du + Integer{first - u0} * dv) - du;
  const Integer quotient = CeilQuotient(numerator, denominator);
  return {quotient, quotient * denominator - numerator};
}

int64_t Distance(int64_t a, int64_t b) { return a > b ? a - b : b - a; }

// Walks a line along its major axis u, |v1 - v0| <= |u1 - u0|, over the part that
// lies in uTop <= u < uLimit, and plots the visible pixels with vTop <= v < vLimit. The
// minor coordinate at u is ceil(m(u) - 1/2) for the exact m(u) = v0 + (u - u0) dv / du,
// kept as a quotient and a remainder of the numerator 2 (v0 du + (u - u0) dv) - du
// over the denominator 2 du.
template <class Plot>
void WalkMajorAxis(int64_t u0, int64_t v0, int64_t u1, int64_t v1, int64_t uTop, int64_t uLimit, int64_t vTop,
                   int64_t vLimit, DashPattern pattern, Plot plot) {
  const int64_t anchor = u0;
  if (u0 > u1) {
    std::swap(u0, u1);
    std::swap(v0, v1);
  }
  const int64_t first = std::max(u0, uTop);
  const int64_t last = std::min<int64_t>(u1, uLimit - 1);
  if (first > last) return;
  if (u0 == u1) {
    if (v0 >= vTop && v0 < vLimit) plot(u0, v0);
    return;
  }
  const int64_t du = u1 - u0;
  const int64_t dv = v1 - v0;
  int64_t v = 0, remainder = 0;
  if (IsSmallCoordinate(u0) && IsSmallCoordinate(u1) && IsSmallCoordinate(v0) && IsSmallCoordinate(v1)) {
    std::tie(v, remainder) = FirstStep<int64_t>(u0, v0, du, dv, first);
  } else {
    const auto [quotient, rest] = FirstStep<__int128>(u0, v0, du, dv, first);
    // v moves by at most one per step and there are at most uLimit steps.
    if (quotient < -static_cast<__int128>(uLimit) || quotient >= static_cast<__int128>(vLimit) + uLimit)
      return;
    v = static_cast<int64_t>(quotient);
    remainder = static_cast<int64_t>(rest);
  }
  const int64_t step = 2 * dv;
  const int64_t wrap = 2 * du;
  const bool dashed = pattern.on < pattern.period;
  for (int64_t u = first; u <= last; ++u) {
    const bool on = !dashed || Distance(u, anchor) % pattern.period < pattern.on;
    if (on && v >= vTop && v < vLimit) plot(u, v);
    // The numerator grows by 2 dv per step; keep 0 <= remainder < wrap.
    remainder -= step;
    if (remainder < 0) {
      ++v;
      remainder += wrap;
    } else if (remainder >= wrap) {
      --v;
      remainder -= wrap;
    }
  }
}

}  // namespace

void DrawLine(const PixelBuffer& buffer, int64_t x0, int64_t y0, int64_t x1, int64_t y1, uint32_t pixel,
              DashPattern pattern, int width) {
  if (width > 1) {
    const bool alongX = Distance(x1, x0) >= Distance(y1, y0);
    for (int64_t offset = -(width - 1) / 2; offset <= width / 2; ++offset) {
      if (alongX)
        DrawLine(buffer, x0, y0 + offset, x1, y1 + offset, pixel, pattern);
      else
        DrawLine(buffer, x0 + offset, y0, x1 + offset, y1, pixel, pattern);
    }
    return;
  }
  if (DrawShortLine(buffer, x0, y0, x1, y1, pixel, pattern)) return;
  if (std::max(x0, x1) < 0 || std::max(y0, y1) < buffer.top || std::min(x0, x1) >= buffer.width ||
      std::min(y0, y1) >= buffer.height)
    return;
  if (Distance(x1, x0) >= Distance(y1, y0)) {
    WalkMajorAxis(x0, y0, x1, y1, 0, buffer.width, buffer.top, buffer.height, pattern,
                  [&](int64_t x, int64_t y) { buffer.Put(x, y, pixel); });
  } else {
    WalkMajorAxis(y0, x0, y1, x1, buffer.top, buffer.height, 0, buffer.width, pattern,
                  [&](int64_t y, int64_t x) { buffer.Put(x, y, pixel); });
  }
}

}  // namespace raster
