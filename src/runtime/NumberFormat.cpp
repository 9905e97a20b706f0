#include "runtime/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <string>

namespace runtime {
namespace {

// Adds one unit in the last place to a string of decimal digits.
void IncrementDigits(std::string& digits) {
  for (std::size_t k = digits.size(); k-- > 0;) {
    if (digits[k] != '9') {
      ++digits[k];
      return;
    }
    digits[k] = '0';
  }
  digits.insert(digits.begin(), '1');
}

}  // namespace

std::string FormatZeroPointHash(double value, char decimalSeparator) {
  if (!std::isfinite(value)) return std::isnan(value) ? "NaN" : (value > 0 ? "Inf" : "-Inf");

  // to_chars prints the exact binary value to any precision (and, unlike printf,
  // ignores the locale), so rounding the printed digits rounds the exact value.
  char buffer[400];
  const auto printed =
      std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed, 60);
  const std::string exact(buffer, printed.ptr);
  const size_t point = exact.find('.');
  std::string digits = exact.substr(0, point) + exact.substr(point + 1, 3);
  if (exact[point + 4] >= '5') IncrementDigits(digits);

  std::string integerPart = digits.substr(0, digits.size() - 3);
  std::string fraction = digits.substr(digits.size() - 3);
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();

  // A negative value keeps its sign even when it rounds to zero ("-0.").
  return (value < 0 ? "-" : "") + integerPart + decimalSeparator + fraction;
}

}  // namespace runtime
