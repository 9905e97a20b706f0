#pragma once

#include "surface/Coefficients.h"
#include "surface/Limits.h"

namespace surface {

// Scale 150 / (max - min) and centre (max + min) / 8 of each axis; an assignment
// whose quotient fails keeps the previous value.
void CenteringFunctionCoefficients(const Limits& limits, Coefficients& coefficients);

}  // namespace surface
