#pragma once

#include <cstdint>
#include <limits>

namespace surface {

// ZMin and ZMax as the range scan keeps them, one value at a time: each starts
// from 0 and takes a value strictly below (above) it, rounded to a 32-bit float,
// unless the rounding leaves the float range; then it stays as it was.
struct RunningRange {
  float min = 0;
  float max = 0;

  void Take(double value);
};

// What a run of values leaves in a RunningRange, whatever their order: the least
// and the greatest of those that round into the float range, as doubles. Runs
// taken apart on several threads and merged give what one run of all would.
//
// Why that is exact: a value that does not round into the float range never
// changes the range. Rounding to nearest never reverses the order of two values,
// so once the least value v of those that do has been taken, ZMin holds its
// rounding when v < 0 (a later value rounds to the same float, and a value that
// rounds to -0 stores -0 again) and 0 otherwise (nothing below 0 came). No other
// value affects it, so the same comes out when v alone is taken into a fresh
// range. The same holds for ZMax with the greatest value, where the rounding of a
// small positive value is +0 and so is the start.
class RangeExtremes {
 public:
  void Take(double value);
  void Merge(const RangeExtremes& other);
  // The range a RunningRange would hold after every value taken.
  RunningRange Stored() const;

 private:
  double least_ = std::numeric_limits<double>::infinity();
  double greatest_ = -std::numeric_limits<double>::infinity();
};

}  // namespace surface
