#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <span>
#include <vector>

#include "render/View.h"
#include "runtime/Conversions.h"
#include "runtime/LargeBuffer.h"
#include "runtime/WorkerPool.h"
#include "surface/CellTable.h"

namespace render {

// The centre of a cell, the point its depth is taken at.
struct CellCentre {
  float x;
  float y;
  float z;
};

inline CellCentre CentreOf(const surface::Cell& row) {
  return {row[surface::MidX], row[surface::MidY], row[surface::MidZ]};
}

// A cell's depth under one view's angles: larger is nearer to the viewer. The
// sines and cosines are worked out once per view.
class DepthGauge {
 public:
  explicit DepthGauge(const View& view);

  // The depth as the order compares it. Raises runtime::RuntimeError (Overflow)
  // beyond the 32-bit float range.
  float Depth(CellCentre centre) const {
    const double exact = (centre.x * k1_ - centre.y * k2_) - centre.z * k3_;
    const float single = static_cast<float>(exact);
    // runtime::ToSingle, called only where it raises.
    if (std::isinf(single) || std::isnan(exact)) return runtime::ToSingle(exact);
    return single;
  }

#if defined(__SSE2__)
  // DepthKey(Depth(centre)) of four centres at once, each through the same
  // operations; false, with nothing stored, where a depth lies beyond the float
  // range (Depth raises there).
  bool KeysOfFour(const CellCentre* centres, uint32_t* keys) const;
#endif

 private:
  double k1_;
  double k2_;
  double k3_;
};

// A key whose unsigned order is the float order of the depth. Both zeros map to
// the same key, since they compare equal and must keep their rows' order.
inline uint32_t DepthKey(float depth) {
  const float normalized = depth == 0 ? 0.0f : depth;
  uint32_t bits = 0;
  std::memcpy(&bits, &normalized, sizeof bits);
  return (bits & 0x80000000u) ? ~bits : bits | 0x80000000u;
}

// The painter's order of a cell table: its row numbers, farthest from the viewer
// first. The table stays in build order; a redraw moves 4-byte row numbers, not
// whole rows. Each sort starts from the order the last one left and keeps rows of
// equal depth (both zeros among them) in that order, so the result is the one of a
// bubble sort that swaps neighbours only when the first is strictly deeper, run on
// the rows as the previous redraw left them.
//
// The order keeps its own copy of the rows' centres: a sort reads 12 bytes a row
// instead of the table's 68. The working memory is kept from one sort to the
// next: a drag sorts up to millions of rows many times a second, and fresh buffers
// would cost more in page faults than the sort itself.
class DepthOrder {
 public:
  // The table was built anew: the order starts again from its rows in build
  // order, and takes the rows' centres from it. The sorts until the next Restart
  // are of this table as it is now.
  void Restart(const surface::CellTable& cells, runtime::WorkerPool& pool);
  // Puts the rows back in build order with the centres of the last Restart, so that
  // the next sort is the one a fresh table would get, whatever sorts came before.
  void RestoreBuildOrder() { std::iota(order_.begin(), order_.end(), 0u); }

  // Sorts the order by the depths under the view's angles, the parts of the work
  // shared out over the pool; the result is the same for any number of threads.
  // Raises runtime::RuntimeError (Overflow) when a depth lies beyond the 32-bit
  // float range, the order left as it was.
  void SortForView(const View& view, runtime::WorkerPool& pool);

  // Row numbers of the table, farthest first.
  std::span<const uint32_t> Rows() const { return order_; }

 private:
  // Depth keys in the order, the row number in the low half.
  using KeyedRow = uint64_t;

  void StoreKeys(const View& view, runtime::WorkerPool& pool);
  // Keys the rows in their current order and counts each digit of the keys, part
  // by part; false when the rows are in order already.
  bool KeyRows(runtime::WorkerPool& pool);
  void CountDigit(const KeyedRow* rows, int digit, runtime::WorkerPool& pool);
  void RadixSort(runtime::WorkerPool& pool);
  uint32_t* Counts(std::size_t part, int digit);

  runtime::LargeBuffer<uint32_t> order_;
  runtime::LargeBuffer<CellCentre> centres_;
  // The depth key of each row, by row number.
  runtime::LargeBuffer<uint32_t> keys_;
  runtime::LargeBuffer<KeyedRow> keyed_;
  runtime::LargeBuffer<KeyedRow> spare_;
  // Per part of the work and digit of the key: how many rows fall in each bucket,
  // then where the part's rows of that bucket go.
  std::vector<uint32_t> counts_;
  std::vector<char> partSorted_;
  std::size_t parts_ = 1;
};

}  // namespace render
