#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "runtime/Progress.h"
#include "runtime/WorkerPool.h"
#include "surface/CellTable.h"
#include "surface/Coefficients.h"
#include "surface/ColorMode.h"
#include "surface/FormulaPoints.h"
#include "surface/Limits.h"

namespace surface {

// What one build of the cell table works from: the inputs, the steps, the low corners
// of the cells along each axis in walk order, and N, the index of the table's last row.
struct CellGrid {
  const Limits& limits;
  const Coefficients& coefficients;
  surface::ColorMode mode;
  float dx = 0;
  float dy = 0;
  std::vector<float> xs{};
  std::vector<float> ys{};
  int32_t lastRow = -1;

  // Rows of the table the walks reach: every column of each is written by a fill.
  std::size_t ReachedRows() const;
};

// Fills the table's rows 0 .. lastRow cell by cell, five evaluations per cell in the
// order of the cell's columns, in one ordered pass on this thread. A cell beyond the
// last row is evaluated but not stored. Reports the stage BuildingCells, one step per
// cell walked; false when cancelled.
bool FillCellsEveryEvaluation(const CellGrid& grid, const FormulaPoints& formula, CellTable& cells,
                              runtime::WorkerPool& pool, runtime::Progress& progress);

// The same table for a formula whose evaluations at a point always agree: a corner
// shared by neighbouring cells is evaluated once, and a row of corners is carried
// from one outer pass to the next. Shared out among the pool's threads when the
// formula can make evaluations of its own: then each part of whole passes evaluates
// its first row of corners itself. One step per cell stored.
bool FillCellsSharingCorners(const CellGrid& grid, const FormulaPoints& formula, CellTable& cells,
                             runtime::WorkerPool& pool, runtime::Progress& progress);

}  // namespace surface
