#include "surface/SpotTableSize.h"

#include <cmath>

#include "runtime/Conversions.h"
#include "runtime/ResumeNext.h"

namespace surface {

int32_t LastSpotRow(float resolution) {
  return runtime::ToLong(std::pow(static_cast<double>(resolution), 2) - 1);
}

bool SpotTableFits(float resolution) {
  int32_t lastRow = 0;
  if (!runtime::Statement([&] { lastRow = LastSpotRow(resolution); })) return false;
  const std::size_t rows = lastRow < 0 ? 0 : static_cast<std::size_t>(lastRow) + 1;
  return rows <= SpotTableByteCap / SurfaceBytesPerCell;
}

int LargestFittingResolution() {
  int resolution = static_cast<int>(std::sqrt(static_cast<double>(SpotTableByteCap / SurfaceBytesPerCell)));
  while (SpotTableFits(static_cast<float>(resolution + 1))) ++resolution;
  while (!SpotTableFits(static_cast<float>(resolution))) --resolution;
  return resolution;
}

}  // namespace surface
