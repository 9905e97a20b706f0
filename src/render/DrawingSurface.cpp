#include "render/DrawingSurface.h"

namespace render {

DrawingSurface::TextExtent DrawingSurface::MeasureText(std::string_view text) const {
  // Digits and most letters of a plain face are a little over half an em wide.
  constexpr double Em = 10;
  return {0.6 * Em * static_cast<double>(text.size()), 1.2 * Em};
}

}  // namespace render
