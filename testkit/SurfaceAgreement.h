#pragma once

#include <cstdint>
#include <cstring>

#include "runtime/Progress.h"
#include "runtime/WorkerPool.h"
#include "surface/CellTableBuilder.h"
#include "surface/Coefficients.h"
#include "surface/ZRangeScan.h"

// One draw's range scan, coefficients and cell table, and the check that two ways of
// drawing leave the same, bit for bit: for the tests and the fuzz target alike.
namespace testkit {

// What a draw leaves behind: the limits, the scan's last ParseError and the table.
struct DrawnSurface {
  surface::Limits limits;
  int16_t scanParseError = 0;
  surface::CellTable cells;

  // The seven limits, the scan's last ParseError and every cell, to the bit.
  friend bool operator==(const DrawnSurface& a, const DrawnSurface& b) {
    return std::memcmp(&a.limits, &b.limits, sizeof a.limits) == 0 && a.scanParseError == b.scanParseError &&
           a.cells.size() == b.cells.size() &&
           (a.cells.empty() ||
            std::memcmp(a.cells.data(), b.cells.data(), a.cells.size() * sizeof a.cells[0]) == 0);
  }
};

// The draw command's sequence on `pool`, unwatched: range scan, coefficients, cell table.
inline DrawnSurface DrawOn(runtime::WorkerPool& pool, const surface::Limits& limits,
                           const surface::FormulaPoints& formula, surface::ColorMode mode) {
  runtime::NoProgress progress;
  DrawnSurface drawn;
  drawn.limits = limits;
  drawn.scanParseError = surface::ScanZRange(drawn.limits, formula, pool, progress).lastParseError;
  surface::Coefficients coefficients;
  surface::ComputeCoefficients(drawn.limits, coefficients);
  surface::BuildCellTable(drawn.limits, coefficients, formula, mode, drawn.cells, pool, progress);
  return drawn;
}

}  // namespace testkit
