#include <algorithm>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "runtime/ResumeNext.h"
#include "surface/CellGrid.h"
#include "surface/ColorCodes.h"
#include "surface/CubeScaling.h"
#include "surface/FiniteEvaluation.h"
#include "surface/GridWalk.h"
#include "surface/RowParts.h"

namespace surface {
namespace {

// What a column statement stores: its value, or the table's 0 when it fails.
template <class Compute>
float StoredValue(Compute&& compute) {
  float stored = 0;
  runtime::Statement([&] { stored = compute(); });
  return stored;
}

// The corner and centre coordinates of one axis. A cell's far corner, low + step, is
// the walk's next value bit for bit, so corners line up across neighbouring cells.
struct AxisLattice {
  std::vector<float> corners;  // the walk's values and one step beyond the last
  std::vector<float> mids;     // low corner + step / 2, one per cell
};

// No value when a corner or centre leaves the float range; the literal path then
// shows which statements fail.
std::optional<AxisLattice> LatticeOf(const std::vector<float>& lows, float step) {
  AxisLattice lattice{lows, {}};
  const bool computed = runtime::Statement([&] {
    lattice.corners.push_back(AddSingle(lows.back(), step));
    for (const float low : lows) lattice.mids.push_back(AddSingle(low, step / 2.0f));
  });
  if (!computed) return std::nullopt;
  return lattice;
}

// The formula along the rows of a fill: at the corners of a row and at the centres
// of a pass.
struct FillRows {
  std::unique_ptr<RowEvaluation> corners;
  std::unique_ptr<RowEvaluation> mids;
};

// Fills whole outer passes; the formula's rows are handed in by each run, as parts
// running at once evaluate through rows of their own.
class SharedCornerFiller {
 public:
  SharedCornerFiller(const CellGrid& grid, const AxisLattice& x, const AxisLattice& y)
      : grid_(grid), x_(x), y_(y) {
    for (const float corner : x.corners) cornerX_.push_back(ScaledX(corner));
    for (const float mid : x.mids) midX_.push_back(ScaledX(mid));
  }

  // Outer passes that store at least one row of the table.
  std::size_t Passes() const {
    const std::size_t cellsPerPass = grid_.xs.size();
    return std::min(grid_.ys.size(), (grid_.ReachedRows() + cellsPerPass - 1) / cellsPerPass);
  }

  // Passes [firstPass, endPass); `lowHeights` holds the corner heights of the first
  // pass's low row, or is empty to have them evaluated, and ends with those of the
  // last pass's high row.
  void Fill(const FillRows& rows, std::size_t firstPass, std::size_t endPass, std::vector<float>& lowHeights,
            CellTable& cells) const {
    if (lowHeights.empty()) lowHeights = CornerHeights(*rows.corners, y_.corners[firstPass]);
    const int64_t cellsPerPass = static_cast<int64_t>(grid_.xs.size());
    for (std::size_t j = firstPass; j < endPass; ++j) {
      std::vector<float> highHeights = CornerHeights(*rows.corners, y_.corners[j + 1]);
      FillPass(*rows.mids, cells, static_cast<int64_t>(j) * cellsPerPass, j, lowHeights, highHeights);
      lowHeights = std::move(highHeights);
    }
  }

 private:
  float ScaledX(float v) const {
    return StoredValue(
        [&] { return CubeCoordinate(grid_.coefficients.scaleX, grid_.coefficients.centerX, v); });
  }
  float ScaledY(float v) const {
    return StoredValue(
        [&] { return CubeCoordinate(grid_.coefficients.scaleY, grid_.coefficients.centerY, v); });
  }
  float ScaledHeight(RowEvaluation& row, std::size_t column) const {
    const Coefficients& c = grid_.coefficients;
    return StoredValue([&] { return CubeHeight(c.scaleZ, c.centerZ, FiniteValue(row.At(column))); });
  }

  std::vector<float> CornerHeights(RowEvaluation& corners, float Y) const {
    std::vector<float> heights;
    heights.reserve(x_.corners.size());
    corners.SetY(Y);
    for (std::size_t i = 0; i < x_.corners.size(); ++i) heights.push_back(ScaledHeight(corners, i));
    return heights;
  }

  // Writes every column of each row: the rows may hold anything before.
  void FillPass(RowEvaluation& mids, CellTable& cells, int64_t firstRow, std::size_t j,
                const std::vector<float>& low, const std::vector<float>& high) const {
    const float lowY = ScaledY(y_.corners[j]);
    const float highY = ScaledY(y_.corners[j + 1]);
    const float midY = ScaledY(y_.mids[j]);
    mids.SetY(y_.mids[j]);
    for (std::size_t i = 0; i < grid_.xs.size(); ++i) {
      const int64_t r = firstRow + static_cast<int64_t>(i);
      if (r > grid_.lastRow) return;
      Cell& row = cells[static_cast<std::size_t>(r)];
      row[Corner0X] = row[Corner1X] = cornerX_[i];
      row[Corner0Y] = row[Corner3Y] = lowY;
      row[Corner0Z] = low[i];
      row[Corner1Y] = row[Corner2Y] = highY;
      row[Corner1Z] = high[i];
      row[Corner2X] = row[Corner3X] = cornerX_[i + 1];
      row[Corner2Z] = high[i + 1];
      row[Corner3Z] = low[i + 1];
      row[MidX] = midX_[i];
      row[MidY] = midY;
      row[MidZ] = ScaledHeight(mids, i);
      row[ColorCode] = StoredValue([&] {
        return surface::CellColorCode(grid_.mode, grid_.xs[i], grid_.dx, grid_.limits.XMin(),
                                      grid_.limits.XMax(), row[MidZ]);
      });
    }
  }

  const CellGrid& grid_;
  const AxisLattice& x_;
  const AxisLattice& y_;
  std::vector<float> cornerX_;
  std::vector<float> midX_;
};

}  // namespace

bool FillCellsSharingCorners(const CellGrid& grid, const FormulaPoints& formula, CellTable& cells,
                             runtime::WorkerPool& pool, runtime::Progress& progress) {
  if (grid.xs.empty() || grid.ys.empty()) {
    progress.BeginStage(runtime::Stage::BuildingCells, 0);
    return true;
  }
  const auto x = LatticeOf(grid.xs, grid.dx);
  const auto y = LatticeOf(grid.ys, grid.dy);
  if (!x || !y) return FillCellsEveryEvaluation(grid, formula, cells, pool, progress);

  const SharedCornerFiller filler(grid, *x, *y);
  const RowParts parts(filler.Passes(), grid.xs.size(), grid.ReachedRows(), pool.Size());
  progress.BeginStage(runtime::Stage::BuildingCells, parts.TotalSteps());
  if (!SharesOut(formula, pool)) {
    const FillRows rows{RowEvaluationOf(formula, x->corners), RowEvaluationOf(formula, x->mids)};
    std::vector<float> carried;
    return RunParts(parts, false, pool, progress, [&](std::size_t part) {
      filler.Fill(rows, parts.FirstRow(part), parts.EndRow(part), carried, cells);
    });
  }
  EvaluationShelf<FillRows> shelf([&] {
    return FillRows{OwnRowEvaluationOf(formula, x->corners), OwnRowEvaluationOf(formula, x->mids)};
  });
  return RunParts(parts, true, pool, progress, [&](std::size_t part) {
    FillRows rows = shelf.Take();
    std::vector<float> lowHeights;
    filler.Fill(rows, parts.FirstRow(part), parts.EndRow(part), lowHeights, cells);
    shelf.PutBack(std::move(rows));
  });
}

}  // namespace surface
