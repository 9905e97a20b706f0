#include "render/DepthOrder.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>
#include <utility>

#include "render/Parts.h"
#include "render/Prefetch.h"
#include "render/Projection.h"
#include "runtime/Conversions.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace render {
namespace {

using runtime::EnsureSize;

using surface::CellTable;

// Below this many rows a part is not worth a thread.
constexpr std::size_t LeastRowsPerPart = 1 << 16;

// Three passes of 11 bits sort the 32-bit keys.
constexpr int DigitBits = 11;
constexpr std::size_t Buckets = std::size_t{1} << DigitBits;
constexpr int Digits = 3;

std::size_t DigitOf(uint64_t keyed, int digit) {
  return static_cast<std::size_t>(keyed >> (32 + DigitBits * digit)) & (Buckets - 1);
}

}  // namespace

DepthGauge::DepthGauge(const View& view) {
  // The angles are the same for every row, so their sines and cosines are too.
  const double a = Radians(view.Theta);
  const double b = Radians(view.Phi);
  k1_ = runtime::FiniteDouble(-std::sin(b) * std::cos(a));
  k2_ = runtime::FiniteDouble(std::sin(b) * std::sin(a));
  k3_ = std::cos(b);
}

#if defined(__SSE2__)
bool DepthGauge::KeysOfFour(const CellCentre* centres, uint32_t* keys) const {
  const __m128d k1 = _mm_set1_pd(k1_), k2 = _mm_set1_pd(k2_), k3 = _mm_set1_pd(k3_);
  const auto depths = [&](const CellCentre& a, const CellCentre& b) {
    const __m128d x = _mm_set_pd(b.x, a.x), y = _mm_set_pd(b.y, a.y), z = _mm_set_pd(b.z, a.z);
    return _mm_cvtpd_ps(_mm_sub_pd(_mm_sub_pd(_mm_mul_pd(x, k1), _mm_mul_pd(y, k2)), _mm_mul_pd(z, k3)));
  };
  const __m128 depth = _mm_movelh_ps(depths(centres[0], centres[1]), depths(centres[2], centres[3]));
  const __m128i bits = _mm_castps_si128(depth);
  // An infinite or not-a-number depth has every exponent bit set.
  const __m128i magnitude = _mm_and_si128(bits, _mm_set1_epi32(0x7FFFFFFF));
  if (_mm_movemask_epi8(_mm_cmpgt_epi32(magnitude, _mm_set1_epi32(0x7F7FFFFF))) != 0) return false;
  // Both zeros key as +0; a negative depth's bits are inverted, a positive one's sign set.
  const __m128i normalized = _mm_andnot_si128(_mm_castps_si128(_mm_cmpeq_ps(depth, _mm_setzero_ps())), bits);
  const __m128i flip =
      _mm_or_si128(_mm_srai_epi32(normalized, 31), _mm_set1_epi32(static_cast<int>(0x80000000u)));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(keys), _mm_xor_si128(normalized, flip));
  return true;
}
#endif

void DepthOrder::Restart(const CellTable& cells, runtime::WorkerPool& pool) {
  const std::size_t count = cells.size();
  order_.resize(count);
  EnsureSize(centres_, count);
  const std::size_t parts = PartsFor(count, pool, LeastRowsPerPart);
  RunParts(pool, parts, [&](std::size_t part) {
    const PartRange rows = PartOf(count, parts, part);
    for (std::size_t row = rows.first; row < rows.end; ++row) {
      order_[row] = static_cast<uint32_t>(row);
      centres_[row] = CentreOf(cells[row]);
    }
  });
}

void DepthOrder::SortForView(const View& view, runtime::WorkerPool& pool) {
  parts_ = PartsFor(order_.size(), pool, LeastRowsPerPart);
  StoreKeys(view, pool);
  if (order_.size() < 2 || KeyRows(pool)) return;
  RadixSort(pool);
}

void DepthOrder::StoreKeys(const View& view, runtime::WorkerPool& pool) {
  const DepthGauge gauge(view);
  const std::size_t count = order_.size();
  EnsureSize(keys_, count);
  RunParts(pool, parts_, [&](std::size_t part) {
    const PartRange rows = PartOf(count, parts_, part);
    std::size_t row = rows.first;
#if defined(__SSE2__)
    while (row + 4 <= rows.end && gauge.KeysOfFour(&centres_[row], &keys_[row])) row += 4;
#endif
    // The rest, and from a depth beyond the float range on, one at a time.
    for (; row < rows.end; ++row) keys_[row] = DepthKey(gauge.Depth(centres_[row]));
  });
}

uint32_t* DepthOrder::Counts(std::size_t part, int digit) {
  return counts_.data() + (part * Digits + static_cast<std::size_t>(digit)) * Buckets;
}

bool DepthOrder::KeyRows(runtime::WorkerPool& pool) {
  const std::size_t count = order_.size();
  EnsureSize(keyed_, count);
  EnsureSize(spare_, count);
  partSorted_.resize(parts_);
  counts_.resize(parts_ * Digits * Buckets);
  RunParts(pool, parts_, [&](std::size_t part) {
    uint32_t* counts[Digits];
    for (int digit = 0; digit < Digits; ++digit) {
      counts[digit] = Counts(part, digit);
      std::fill_n(counts[digit], Buckets, 0u);
    }
    const PartRange range = PartOf(count, parts_, part);
    uint32_t previous = range.first > 0 ? keys_[order_[range.first - 1]] : 0;
    bool sorted = true;
    for (std::size_t k = range.first; k < range.end; ++k) {
      PrefetchAhead(keys_.data(), order_.data(), k, range.end);
      const uint32_t row = order_[k];
      const uint32_t key = keys_[row];
      sorted = sorted && previous <= key;
      previous = key;
      keyed_[k] = KeyedRow{key} << 32 | row;
      for (int digit = 0; digit < Digits; ++digit) ++counts[digit][DigitOf(keyed_[k], digit)];
    }
    partSorted_[part] = sorted;
  });
  return std::all_of(partSorted_.begin(), partSorted_.end(), [](char sorted) { return sorted != 0; });
}

void DepthOrder::CountDigit(const KeyedRow* rows, int digit, runtime::WorkerPool& pool) {
  const std::size_t count = order_.size();
  RunParts(pool, parts_, [&](std::size_t part) {
    uint32_t* counts = Counts(part, digit);
    std::fill_n(counts, Buckets, 0u);
    const PartRange range = PartOf(count, parts_, part);
    for (std::size_t k = range.first; k < range.end; ++k) ++counts[DigitOf(rows[k], digit)];
  });
}

// A stable least-significant-digit radix sort. Each pass gives each part its place
// in every bucket after the parts before it, and lets the parts move their rows at
// once: the same stable result for any number of parts. A digit that is the same
// in every row moves nothing and is skipped; the last pass that moves writes the
// row numbers straight into the order.
void DepthOrder::RadixSort(runtime::WorkerPool& pool) {
  const std::size_t count = order_.size();
  bool moves[Digits];
  int lastMove = 0;
  for (int digit = 0; digit < Digits; ++digit) {
    moves[digit] = true;
    for (std::size_t bucket = 0; bucket < Buckets; ++bucket) {
      std::size_t total = 0;
      for (std::size_t part = 0; part < parts_; ++part) total += Counts(part, digit)[bucket];
      if (total == count) moves[digit] = false;
    }
    if (moves[digit]) lastMove = digit;
  }
  KeyedRow* from = keyed_.data();
  KeyedRow* to = spare_.data();
  bool moved = false;
  for (int digit = 0; digit < Digits; ++digit) {
    if (!moves[digit]) continue;
    // Each part's counts of a later digit hold for the rows it had before the
    // first move; with one part they hold throughout.
    if (moved && parts_ > 1) CountDigit(from, digit, pool);
    uint32_t start = 0;
    for (std::size_t bucket = 0; bucket < Buckets; ++bucket)
      for (std::size_t part = 0; part < parts_; ++part)
        start += std::exchange(Counts(part, digit)[bucket], start);
    const bool last = digit == lastMove;
    RunParts(pool, parts_, [&](std::size_t part) {
      uint32_t* next = Counts(part, digit);
      const PartRange range = PartOf(count, parts_, part);
      if (last) {
        for (std::size_t k = range.first; k < range.end; ++k)
          order_[next[DigitOf(from[k], digit)]++] = static_cast<uint32_t>(from[k]);
      } else {
        for (std::size_t k = range.first; k < range.end; ++k) to[next[DigitOf(from[k], digit)]++] = from[k];
      }
    });
    std::swap(from, to);
    moved = true;
  }
}

}  // namespace render
