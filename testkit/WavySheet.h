#pragma once

#include <cmath>

#include "surface/CellTable.h"

namespace testkit {

// A wavy sheet of `side` x `side` cells over the cube, its colour codes from the
// heights, the first and last columns marked as borders so that edge lines come too.
inline surface::CellTable WavySheet(int side) {
  surface::CellTable cells;
  const float step = 150.0f / static_cast<float>(side);
  const auto z = [](float x, float y) { return 40 * std::sin(x / 23) * std::cos(y / 17); };
  for (int j = 0; j < side; ++j)
    for (int i = 0; i < side; ++i) {
      const float x = -75 + static_cast<float>(i) * step, y = -75 + static_cast<float>(j) * step;
      const float x2 = x + step, y2 = y + step, xm = x + step / 2, ym = y + step / 2;
      const float code = i == 0 ? 1.0f : i == side - 1 ? 2.0f : std::round(z(xm, ym) * 100000 + 5000000);
      cells.push_back(
          {x, y, z(x, y), x, y2, z(x, y2), x2, y2, z(x2, y2), x2, y, z(x2, y), xm, ym, z(xm, ym), code});
    }
  return cells;
}

}  // namespace testkit
