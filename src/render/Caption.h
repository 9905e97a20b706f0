#pragma once

#include <string>
#include <string_view>

#include "surface/Limits.h"

namespace render {

// The one line that says what a picture shows, for the picture itself and for
// whoever cannot see it: "Z = <formula>, X <xmin>..<xmax>, Y <ymin>..<ymax>".
// Each limit is written as the shortest decimal that reads back as the same float.
std::string CaptionText(std::string_view formula, const surface::Limits& limits, char decimalSeparator);

}  // namespace render
