#include "runtime/ResumeNext.h"
#include "surface/CellGrid.h"
#include "surface/ColorCodes.h"
#include "surface/CubeScaling.h"
#include "surface/FiniteEvaluation.h"
#include "surface/GridWalk.h"
#include "surface/RowParts.h"

namespace surface {
namespace {

// Each column is its own statement: a failing one leaves its column as it was (0).
void FillCell(const CellGrid& grid, const FormulaPoints& formula, float X, float Y, Cell& row) {
  const Coefficients& c = grid.coefficients;
  const float dx = grid.dx, dy = grid.dy;
  auto put = [&row](CellColumn column, auto&& value) {
    runtime::Statement([&] { row[static_cast<std::size_t>(column)] = value(); });
  };
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

bool FillCellsEveryEvaluation(const CellGrid& grid, const FormulaPoints& formula, CellTable& cells,
                              runtime::WorkerPool& pool, runtime::Progress& progress) {
  const std::size_t cellsPerPass = grid.xs.size();
  const RowParts parts(grid.ys.size(), cellsPerPass, grid.ys.size() * cellsPerPass, pool.Size());
  progress.BeginStage(runtime::Stage::BuildingCells, parts.TotalSteps());
  Cell beyondTable{};
  return RunParts(parts, false, pool, progress, [&](std::size_t part) {
    for (std::size_t j = parts.FirstRow(part); j < parts.EndRow(part); ++j) {
      for (std::size_t i = 0; i < cellsPerPass; ++i) {
        const int64_t r = static_cast<int64_t>(j * cellsPerPass + i);
        if (r > grid.lastRow) {
          FillCell(grid, formula, grid.xs[i], grid.ys[j], beyondTable);
          continue;
        }
        Cell& row = cells[static_cast<std::size_t>(r)];
        row = Cell{};
        FillCell(grid, formula, grid.xs[i], grid.ys[j], row);
      }
    }
  });
}

}  // namespace surface
