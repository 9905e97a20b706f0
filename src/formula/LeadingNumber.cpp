#include "formula/LeadingNumber.h"

#include <charconv>
#include <system_error>

namespace formula {

std::optional<double> LeadingNumber(std::string_view digits) {
  if (digits.find_first_of("0123456789") == std::string_view::npos) return 0.0;
  double parsed = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), parsed, std::chars_format::fixed);
  if (error == std::errc::result_out_of_range) {
    // Without an exponent only a number of at least 1 can be too large; anything
    // smaller that is out of range is too small, and rounds to 0.
    const bool atLeastOne = digits.find_first_of("123456789") < digits.find('.');
    if (atLeastOne) return std::nullopt;
    return 0.0;
  }
  return parsed;
}

}  // namespace formula
