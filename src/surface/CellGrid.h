#pragma once

#include <cstdint>
#include <vector>

#include "surface/ColorMode.h"
#include "surface/Coefficients.h"
#include "surface/FormulaPoints.h"
#include "surface/Limits.h"
#include "surface/CellTable.h"

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
};

// Fills a zeroed table of rows 0 .. lastRow cell by cell, five evaluations per cell
// in the order of the cell's columns. A cell beyond the last row is evaluated but
// not stored.
void FillCellsEveryEvaluation(const CellGrid& grid, const FormulaPoints& formula, CellTable& cells);

// The same table for a formula whose evaluations at a point always agree: a corner
// shared by neighbouring cells is evaluated once, and a row of corners is carried
// from one outer pass to the next.
void FillCellsSharingCorners(const CellGrid& grid, const FormulaPoints& formula, CellTable& cells);

}  // namespace surface
