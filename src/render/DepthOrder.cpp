#include "render/DepthOrder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "render/Projection.h"
#include "runtime/Conversions.h"

namespace render {
namespace {

using surface::Cell;
using surface::CellTable;
using surface::Depth;

// A key whose unsigned order is the float order of the depth. Both zeros map to
// the same key, since they compare equal and must keep their rows' order.
uint32_t OrderKey(float depth) {
  const float normalized = depth == 0 ? 0.0f : depth;
  uint32_t bits = 0;
  std::memcpy(&bits, &normalized, sizeof bits);
  return (bits & 0x80000000u) ? ~bits : bits | 0x80000000u;
}

// Grows a buffer to at least `size` elements; one far too large for the current
// table, left from a finer build, is given back first.
template <class T>
void EnsureSize(std::vector<T>& buffer, std::size_t size) {
  if (buffer.capacity() > 4 * size + 4096) buffer = std::vector<T>();
  if (buffer.size() < size) buffer.resize(size);
}

// A stable least-significant-digit radix sort on the keys, three passes of 11
// bits; a pass whose digit is the same in every row is skipped.
DepthOrder::KeyedRow* RadixSortByKey(DepthOrder::KeyedRow* rows, DepthOrder::KeyedRow* spare, std::size_t count) {
  constexpr int DigitBits = 11;
  constexpr std::size_t Buckets = std::size_t{1} << DigitBits;
  for (int shift = 32; shift < 64; shift += DigitBits) {
    std::array<std::size_t, Buckets> counts{};
    for (std::size_t k = 0; k < count; ++k) ++counts[(rows[k] >> shift) & (Buckets - 1)];
    if (counts[(rows[0] >> shift) & (Buckets - 1)] == count) continue;
    std::size_t position = 0;
    for (std::size_t& bucket : counts) position += std::exchange(bucket, position);
    for (std::size_t k = 0; k < count; ++k) spare[counts[(rows[k] >> shift) & (Buckets - 1)]++] = rows[k];
    std::swap(rows, spare);
  }
  return rows;
}

// Gathers the rows in their new order into the spare table and swaps it in; the
// reads are independent of each other, unlike in an in-place cycle walk.
void Gather(CellTable& cells, const DepthOrder::KeyedRow* sorted, CellTable& spare) {
  EnsureSize(spare, cells.size());
  spare.resize(cells.size());
  for (std::size_t k = 0; k < cells.size(); ++k) spare[k] = cells[static_cast<uint32_t>(sorted[k])];
  cells.swap(spare);
}

}  // namespace

void StoreDepths(CellTable& cells, const View& view) {
  // The angles are the same for every row, so their sines and cosines are too.
  const double a = Radians(view.Theta);
  const double b = Radians(view.Phi);
  const double k1 = runtime::FiniteDouble(-std::sin(b) * std::cos(a));
  const double k2 = runtime::FiniteDouble(std::sin(b) * std::sin(a));
  const double k3 = std::cos(b);
  for (Cell& row : cells) {
    const double cx = row[surface::MidX], cy = row[surface::MidY], cz = row[surface::MidZ];
    row[Depth] = runtime::ToSingle((cx * k1 - cy * k2) - cz * k3);
  }
}

void DepthOrder::SortFarthestFirst(CellTable& cells) {
  const std::size_t count = cells.size();
  if (count < 2) return;
  EnsureSize(keyed_, count);
  EnsureSize(spare_, count);
  // One pass over the table both keys the rows and finds out whether they are in
  // order already, as after a redraw with unchanged angles.
  bool sorted = true;
  for (std::size_t k = 0; k < count; ++k) {
    const float depth = cells[k][Depth];
    if (k > 0 && cells[k - 1][Depth] > depth) sorted = false;
    keyed_[k] = KeyedRow{OrderKey(depth)} << 32 | k;
  }
  if (sorted) return;
  const KeyedRow* order = RadixSortByKey(keyed_.data(), spare_.data(), count);
  Gather(cells, order, rows_);
}

}  // namespace render
