#pragma once

#include <string_view>

namespace formula {

// Converts a run of digits with at most one decimal point ("." whatever the locale)
// to the nearest 64-bit float: "." is 0, "5." is 5, ".5" is 0.5. Returns false when
// the number lies beyond the 64-bit float range.
bool LeadingNumber(std::string_view digits, double& value);

}  // namespace formula
