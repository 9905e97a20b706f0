#pragma once

#include <optional>
#include <string>

#include "runtime/Progress.h"
#include "runtime/WorkerPool.h"
#include "surface/CellTable.h"
#include "surface/Coefficients.h"
#include "surface/ColorMode.h"
#include "surface/FormulaPoints.h"
#include "surface/Limits.h"

namespace surface {

// Why a grid cannot be drawn, before any work starts: a walk whose step cannot move
// its 32-bit float counter, or a cell table beyond the memory cap. Empty when fine.
// concernedLimit, when given, receives the input to change: the resolution for a
// table too large, else the minimum of the refused axis.
std::optional<std::string> GridRefusal(const Limits& limits, Limit* concernedLimit = nullptr);

// Builds the cell table anew: scaled corners, centre and colour code of every cell
// in walk order; rows beyond the walks' reach are 0. Carries on past its own
// run-time errors. A pure formula that can make evaluations of its own is built on
// the pool's threads, with the table of one thread to the bit; any other is built
// in one ordered pass on this thread. Reports the stage BuildingCells. False when
// the user cancelled: the table's rows are then of no use, though it has its size.
// Raises std::bad_alloc when the memory for the table cannot be had.
bool BuildCellTable(const Limits& limits, const Coefficients& coefficients, const FormulaPoints& formula,
                    surface::ColorMode mode, CellTable& cells, runtime::WorkerPool& pool,
                    runtime::Progress& progress);

}  // namespace surface
