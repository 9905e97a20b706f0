#include "surface/CellTableBuilder.h"

#include <algorithm>
#include <new>
#include <optional>

#include "runtime/ResumeNext.h"
#include "surface/GridWalk.h"
#include "surface/CellGrid.h"
#include "surface/CellTableSize.h"

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
bool CreateZeroedTable(int32_t lastRow, CellTable& cells) {
  const std::size_t rows = lastRow < 0 ? 0 : static_cast<std::size_t>(lastRow) + 1;
  if (cells.size() == rows) {
    std::fill(cells.begin(), cells.end(), Cell{});
    return true;
  }
  cells = CellTable();
  try {
    cells.resize(rows);
  } catch (const std::bad_alloc&) {
    cells = CellTable();
    return false;
  }
  return true;
}

}  // namespace

void BuildCellTable(const Limits& limits, const Coefficients& coefficients, const FormulaPoints& formula,
                      surface::ColorMode mode, CellTable& cells) {
  // Checked before the table is touched: a refused grid keeps the previous table.
  if (GridRefusal(limits)) return;

  CellGrid grid{limits, coefficients, mode};
  const float resolution = limits.Resolution();
  Statement([&] { grid.dx = GridStep(limits.XMin(), limits.XMax(), resolution); });
  Statement([&] { grid.dy = GridStep(limits.YMin(), limits.YMax(), resolution); });
  Statement([&] { grid.lastRow = LastCellRow(resolution); });
  if (!CreateZeroedTable(grid.lastRow, cells)) return;

  grid.ys = CellLows(limits.YMin(), limits.YMax(), grid.dy, resolution);
  grid.xs = CellLows(limits.XMin(), limits.XMax(), grid.dx, resolution);
  if (formula.pure)
    FillCellsSharingCorners(grid, formula, cells);
  else
    FillCellsEveryEvaluation(grid, formula, cells);
}

}  // namespace surface
