#include "formula/LeadingNumber.h"

#include <charconv>
#include <system_error>

namespace formula {

bool LeadingNumber(std::string_view digits, double& value) {
  if (digits.find_first_of("0123456789") == std::string_view::npos) {
    value = 0;
    return true;
  }
  double parsed = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), parsed, std::chars_format::fixed);
  if (error == std::errc::result_out_of_range) {
    // Without an exponent only a number of at least 1 can be too large; anything
    // smaller that is out of range is too small, and rounds to 0.
    const bool atLeastOne = digits.find_first_of("123456789") < digits.find('.');
    if (atLeastOne) return false;
    parsed = 0;
  }
  value = parsed;
  return true;
}

}  // namespace formula
