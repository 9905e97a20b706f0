#pragma once

#include <optional>
#include <string_view>

namespace formula {

// Converts a run of digits with at most one decimal point ("." whatever the locale)
// to the nearest 64-bit float: "." is 0, "5." is 5, ".5" is 0.5. Nothing when the
// number lies beyond the 64-bit float range.
std::optional<double> LeadingNumber(std::string_view digits);

}  // namespace formula
