#pragma once

#include <vector>

#include "render/Color.h"
#include "surface/Coefficients.h"
#include "surface/Limits.h"

namespace render {

// One colour of "Colors" that the surface shows, and the values of Z it stands for.
struct KeyEntry {
  Color color;
  double low;
  double high;
};

// The height bands that the Z range reaches through the cube's mapping, highest
// first, each with its share of the range: the ends of the range, and between
// them the values whose cube heights are the bands' limits.
std::vector<KeyEntry> ColorKeyEntries(const surface::Limits& limits,
                                      const surface::Coefficients& coefficients);

}  // namespace render
