#include "render/DepthOrder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "runtime/Conversions.h"

namespace render {
namespace {

using surface::Depth;
using surface::SpotRow;
using surface::Spots;

double Radians(int16_t degrees) { return runtime::FiniteDouble(3.14 * degrees) / 180; }

// A key whose unsigned order is the float order of the depth. Both zeros map to
// the same key, since they compare equal and must keep their rows' order.
uint32_t OrderKey(float depth) {
  const float normalized = depth == 0 ? 0.0f : depth;
  uint32_t bits = 0;
  std::memcpy(&bits, &normalized, sizeof bits);
  return (bits & 0x80000000u) ? ~bits : bits | 0x80000000u;
}

// Key in the high half, row index in the low half.
using KeyedRow = uint64_t;

// Working memory kept from one redraw to the next: a drag redraws a table of up to
// millions of rows many times a second, and fresh buffers would cost more in page
// faults than the sort itself.
struct SortScratch {
  std::vector<KeyedRow> keyed;
  std::vector<KeyedRow> spare;
  Spots rows;
};

SortScratch& Scratch() {
  thread_local SortScratch scratch;
  return scratch;
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
KeyedRow* RadixSortByKey(KeyedRow* rows, KeyedRow* spare, std::size_t count) {
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
void Gather(Spots& spots, const KeyedRow* sorted, Spots& spare) {
  EnsureSize(spare, spots.size());
  spare.resize(spots.size());
  for (std::size_t k = 0; k < spots.size(); ++k) spare[k] = spots[static_cast<uint32_t>(sorted[k])];
  spots.swap(spare);
}

}  // namespace

void StoreDepths(Spots& spots, const View& view) {
  // The angles are the same for every row, so their sines and cosines are too.
  const double a = Radians(view.Theta);
  const double b = Radians(view.Phi);
  const double k1 = runtime::FiniteDouble(-std::sin(b) * std::cos(a));
  const double k2 = runtime::FiniteDouble(std::sin(b) * std::sin(a));
  const double k3 = std::cos(b);
  for (SpotRow& row : spots) {
    const double cx = row[surface::MidX], cy = row[surface::MidY], cz = row[surface::MidZ];
    row[Depth] = runtime::ToSingle((cx * k1 - cy * k2) - cz * k3);
  }
}

void SortRowsFarthestFirst(Spots& spots) {
  const std::size_t count = spots.size();
  if (count < 2) return;
  SortScratch& scratch = Scratch();
  EnsureSize(scratch.keyed, count);
  EnsureSize(scratch.spare, count);
  // One pass over the table both keys the rows and finds out whether they are in
  // order already, as after a redraw with unchanged angles.
  bool sorted = true;
  for (std::size_t k = 0; k < count; ++k) {
    const float depth = spots[k][Depth];
    if (k > 0 && spots[k - 1][Depth] > depth) sorted = false;
    scratch.keyed[k] = KeyedRow{OrderKey(depth)} << 32 | k;
  }
  if (sorted) return;
  const KeyedRow* order = RadixSortByKey(scratch.keyed.data(), scratch.spare.data(), count);
  Gather(spots, order, scratch.rows);
}

}  // namespace render
