#pragma once

#include <string>

namespace runtime {

// The display pattern "0.###": at least one integer digit, at most three fraction
// digits with trailing zeros dropped, and the separator always written ("2." for 2).
// The value's exact binary value is rounded half away from zero.
std::string FormatZeroPointHash(double value, char decimalSeparator);

}  // namespace runtime
