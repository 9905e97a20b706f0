#pragma once

#include <cstdint>

#include "runtime/Progress.h"
#include "runtime/WorkerPool.h"
#include "surface/FormulaPoints.h"
#include "surface/Limits.h"

namespace surface {

struct ZRangeScanResult {
  // False when the user cancelled: the limits are then as they were.
  bool completed = true;
  // The ParseError of the scan's last evaluation (0 when it made none): -1 when
  // that one found the formula malformed.
  int16_t lastParseError = 0;
};

// The range scan: walks the grid of the input limits with 32-bit float counters
// and stores the least and greatest formula value, both starting from 0, into
// ZMin and ZMax. Carries on past its own run-time errors. A pure formula that can
// make evaluations of its own is scanned on the pool's threads, with the result
// of one thread to the bit; any other runs in one ordered pass on this thread.
// Reports the stage ScanningZRange, one step per point.
ZRangeScanResult ScanZRange(Limits& limits, const FormulaPoints& formula, runtime::WorkerPool& pool,
                            runtime::Progress& progress);

}  // namespace surface
