#pragma once

#include <cstdint>

namespace surface {

// Projects a drawing-cube point onto the drawing area, orthographically, with the
// angles in degrees (pi taken as 3.14) and the scale control's value / 100.
// An arithmetic fault raises runtime::RuntimeError.
void ProjectPoint(double x, double y, double z, int16_t azimuth, int16_t tilt, int32_t graphScale, double& sx,
                  double& sy);

}  // namespace surface
