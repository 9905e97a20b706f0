#include "surface/ZRangeReduction.h"

#include <algorithm>

#include "runtime/Conversions.h"
#include "runtime/ResumeNext.h"

namespace surface {

void RunningRange::Take(double value) {
  if (min > value) runtime::Statement([&] { min = runtime::ToSingle(value); });
  if (max < value) runtime::Statement([&] { max = runtime::ToSingle(value); });
}

void RangeExtremes::Take(double value) {
  if (!runtime::TryToSingle(value)) return;
  if (value < least_) least_ = value;
  if (value > greatest_) greatest_ = value;
}

void RangeExtremes::Merge(const RangeExtremes& other) {
  least_ = std::min(least_, other.least_);
  greatest_ = std::max(greatest_, other.greatest_);
}

RunningRange RangeExtremes::Stored() const {
  RunningRange range;
  if (least_ <= greatest_) {
    range.Take(least_);
    range.Take(greatest_);
  }
  return range;
}

}  // namespace surface
