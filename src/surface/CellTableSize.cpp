#include "surface/CellTableSize.h"

#include <cmath>

#include "runtime/Conversions.h"
#include "runtime/ResumeNext.h"

namespace surface {

int32_t LastCellRow(float resolution) {
  return runtime::ToLong(std::pow(static_cast<double>(resolution), 2) - 1);
}

bool CellTableFits(float resolution) {
  int32_t lastRow = 0;
  if (!runtime::Statement([&] { lastRow = LastCellRow(resolution); })) return false;
  const std::size_t rows = lastRow < 0 ? 0 : static_cast<std::size_t>(lastRow) + 1;
  return rows <= CellTableByteCap / SurfaceBytesPerCell;
}

int LargestFittingResolution() {
  const std::size_t fittingCells = CellTableByteCap / SurfaceBytesPerCell;
  int resolution = static_cast<int>(std::sqrt(static_cast<double>(fittingCells)));
  while (CellTableFits(static_cast<float>(resolution + 1))) ++resolution;
  while (!CellTableFits(static_cast<float>(resolution))) --resolution;
  return resolution;
}

}  // namespace surface
