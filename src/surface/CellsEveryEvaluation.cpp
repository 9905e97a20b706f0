#include "surface/ColorCodes.h"
#include "runtime/ResumeNext.h"
#include "surface/CubeScaling.h"
#include "surface/FiniteEvaluation.h"
#include "surface/GridWalk.h"
#include "surface/CellGrid.h"

namespace surface {
namespace {

// Each column is its own statement: a failing one leaves its column as it was (0).
void FillCell(const CellGrid& grid, const FormulaPoints& formula, float X, float Y, Cell& row) {
  const Coefficients& c = grid.coefficients;
  const float dx = grid.dx, dy = grid.dy;
  auto put = [&row](CellColumn column, auto&& value) { runtime::Statement([&] { row[column] = value(); }); };
  auto sx = [&](float v) { return CubeCoordinate(c.scaleX, c.centerX, v); };
  auto sy = [&](float v) { return CubeCoordinate(c.scaleY, c.centerY, v); };
  auto sz = [&](float x, float y) { return CubeHeight(c.scaleZ, c.centerZ, EvaluateFinite(formula, x, y)); };
  auto half = [](float step) { return step / 2.0f; };

  put(Corner0X, [&] { return sx(X); });
  put(Corner0Y, [&] { return sy(Y); });
  put(Corner0Z, [&] { return sz(X, Y); });
  put(Corner1X, [&] { return sx(X); });
  put(Corner1Y, [&] { return sy(AddSingle(Y, dy)); });
  put(Corner1Z, [&] { return sz(X, AddSingle(Y, dy)); });
  put(Corner2X, [&] { return sx(AddSingle(X, dx)); });
  put(Corner2Y, [&] { return sy(AddSingle(Y, dy)); });
  put(Corner2Z, [&] { return sz(AddSingle(X, dx), AddSingle(Y, dy)); });
  put(Corner3X, [&] { return sx(AddSingle(X, dx)); });
  put(Corner3Y, [&] { return sy(Y); });
  put(Corner3Z, [&] { return sz(AddSingle(X, dx), Y); });
  put(MidX, [&] { return sx(AddSingle(X, half(dx))); });
  put(MidY, [&] { return sy(AddSingle(Y, half(dy))); });
  put(MidZ, [&] { return sz(AddSingle(X, half(dx)), AddSingle(Y, half(dy))); });
  put(ColorCode, [&] {
    return surface::CellColorCode(grid.mode, X, dx, grid.limits.XMin(), grid.limits.XMax(), row[MidZ]);
  });
}

}  // namespace

void FillCellsEveryEvaluation(const CellGrid& grid, const FormulaPoints& formula, CellTable& cells) {
  Cell beyondTable{};
  int64_t r = 0;
  for (const float Y : grid.ys) {
    for (const float X : grid.xs) {
      FillCell(grid, formula, X, Y, r <= grid.lastRow ? cells[r] : beyondTable);
      ++r;
    }
  }
}

}  // namespace surface
