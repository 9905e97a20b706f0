#include "surface/CellTableBuilder.h"

#include <algorithm>
#include <optional>

#include "runtime/ResumeNext.h"
#include "surface/CellGrid.h"
#include "surface/CellTableSize.h"
#include "surface/GridWalk.h"

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

// A table of rows 0 .. lastRow, their content left to the fill. A table of that size
// already is kept as it is; otherwise the previous table is released before the new
// one is made, so that only one is ever held. A new table's rows are not zeroed:
// the fills write every row they reach. Raises std::bad_alloc, the table left empty,
// when even a table within the cap cannot be had.
void SizeTable(int32_t lastRow, CellTable& cells) {
  const std::size_t rows = lastRow < 0 ? 0 : static_cast<std::size_t>(lastRow) + 1;
  if (cells.size() == rows) return;
  cells = CellTable();
  cells.resize(rows);
}

}  // namespace

std::size_t CellGrid::ReachedRows() const {
  const std::size_t rows = lastRow < 0 ? 0 : static_cast<std::size_t>(lastRow) + 1;
  return std::min(rows, xs.size() * ys.size());
}

bool BuildCellTable(const Limits& limits, const Coefficients& coefficients, const FormulaPoints& formula,
                    surface::ColorMode mode, CellTable& cells, runtime::WorkerPool& pool,
                    runtime::Progress& progress) {
  // Checked before the table is touched: a refused grid keeps the previous table.
  if (GridRefusal(limits)) return true;

  CellGrid grid{limits, coefficients, mode};
  const float resolution = limits.Resolution();
  Statement([&] { grid.dx = GridStep(limits.XMin(), limits.XMax(), resolution); });
  Statement([&] { grid.dy = GridStep(limits.YMin(), limits.YMax(), resolution); });
  Statement([&] { grid.lastRow = LastCellRow(resolution); });
  SizeTable(grid.lastRow, cells);

  grid.ys = CellLows(limits.YMin(), limits.YMax(), grid.dy, resolution);
  grid.xs = CellLows(limits.XMin(), limits.XMax(), grid.dx, resolution);
  // The fills write every row the walks reach; the rest of the table reads as 0.
  const auto unreached = cells.begin() + static_cast<std::ptrdiff_t>(grid.ReachedRows());
  std::fill(unreached, cells.end(), Cell{});
  if (formula.pure) return FillCellsSharingCorners(grid, formula, cells, pool, progress);
  return FillCellsEveryEvaluation(grid, formula, cells, pool, progress);
}

}  // namespace surface
