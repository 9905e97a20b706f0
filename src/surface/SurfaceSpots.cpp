#include "surface/SurfaceSpots.h"

#include <algorithm>
#include <new>
#include <optional>

#include "runtime/ResumeNext.h"
#include "surface/GridWalk.h"
#include "surface/SpotGrid.h"
#include "surface/SpotTableSize.h"

namespace surface {
namespace {

using runtime::Statement;

// The low corners of the cells along one axis: from min while <= max - step, the end
// computed once. Empty when the end cannot be formed.
std::vector<float> CellLows(float min, float max, float step, float resolution) {
  std::optional<float> end;
  Statement([&] { end = SubtractSingle(max, step); });
  if (!end) return {};
  return WalkValues(min, *end, step, WalkLengthLimit(resolution)).value_or(std::vector<float>{});
}

// A table of rows 0 .. lastRow, all 0. A table of the same size is cleared in place,
// which spares the fresh pages of a new allocation; otherwise the previous table is
// released before the new one is made, so that only one is ever held. False when
// even a table within the cap cannot be had.
bool CreateZeroedTable(int32_t lastRow, Spots& spots) {
  const std::size_t rows = lastRow < 0 ? 0 : static_cast<std::size_t>(lastRow) + 1;
  if (spots.size() == rows) {
    std::fill(spots.begin(), spots.end(), SpotRow{});
    return true;
  }
  spots = Spots();
  try {
    spots.resize(rows);
  } catch (const std::bad_alloc&) {
    spots = Spots();
    return false;
  }
  return true;
}

}  // namespace

void GetFunctionSpots(const Limits& limits, const Coefficients& coefficients, const FormulaPoints& formula,
                      render::ColorMode mode, Spots& spots) {
  // Checked before the table is touched: a refused grid keeps the previous table.
  if (GridRefusal(limits)) return;

  SpotGrid grid{limits, coefficients, mode};
  const float resolution = limits.Resolution();
  Statement([&] { grid.dx = GridStep(limits.XMin(), limits.XMax(), resolution); });
  Statement([&] { grid.dy = GridStep(limits.YMin(), limits.YMax(), resolution); });
  Statement([&] { grid.lastRow = LastSpotRow(resolution); });
  if (!CreateZeroedTable(grid.lastRow, spots)) return;

  grid.ys = CellLows(limits.YMin(), limits.YMax(), grid.dy, resolution);
  grid.xs = CellLows(limits.XMin(), limits.XMax(), grid.dx, resolution);
  if (formula.pure)
    FillSpotsSharingCorners(grid, formula, spots);
  else
    FillSpotsEveryEvaluation(grid, formula, spots);
}

}  // namespace surface
