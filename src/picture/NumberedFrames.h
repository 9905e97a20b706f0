#pragma once

#include <string>
#include <string_view>

namespace picture {

// A name for one file per frame holds one printf-style number field: %d, %i or %u,
// with flags among "-+ 0", a width and a precision (frame-%03d.png). "%%" stands for
// a percent sign; any other percent sign is taken as it stands.
int NumberFieldsIn(std::string_view name);

// The name of frame `frame` by a name with one number field, the number written as
// printf writes it.
std::string NumberedFrameName(std::string_view pattern, int frame);

}  // namespace picture
