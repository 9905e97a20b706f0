#pragma once

#include <optional>
#include <string>

#include "surface/ColorMode.h"
#include "surface/Coefficients.h"
#include "surface/FormulaPoints.h"
#include "surface/Limits.h"
#include "surface/CellTable.h"

namespace surface {

// Why a grid cannot be drawn, before any work starts: a walk whose step cannot move
// its 32-bit float counter, or a cell table beyond the memory cap. Empty when fine.
std::optional<std::string> GridRefusal(const Limits& limits);

// Builds the cell table anew: scaled corners, centre and colour code of every cell
// in walk order. Carries on past its own run-time errors.
void BuildCellTable(const Limits& limits, const Coefficients& coefficients, const FormulaPoints& formula,
                      surface::ColorMode mode, CellTable& cells);

}  // namespace surface
