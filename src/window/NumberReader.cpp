#include "window/NumberReader.h"

#include <charconv>
#include <string>

#include "runtime/RuntimeError.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSeparator(char c) { return c == ',' || c == '.'; }

}  // namespace

bool IsAcceptedNumberText(std::string_view text) {
  int separators = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (!IsDigit(c) && !IsSeparator(c) && c != '-') return false;
    if (c == '-' && i != 0) return false;
    if (IsSeparator(c) && ++separators > 1) return false;
  }
  return true;
}

double ReadLenientNumber(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  const size_t separator = text.find_first_of(",.");
  const std::string_view integerDigits = text.substr(0, separator);
  const std::string_view fractionDigits =
      separator == std::string_view::npos ? std::string_view() : text.substr(separator + 1);

  // "0" + integer + "." + fraction + "0" is always a well-formed decimal, even for
  // the texts "", "-", "." and "7.".
  // Appended in place: GCC 12 at -O3 sees a false overlap in a chain of operator+.
  std::string decimal;
  decimal.reserve(integerDigits.size() + fractionDigits.size() + 3);
  decimal.append("0").append(integerDigits).append(".").append(fractionDigits).append("0");
  double magnitude = 0;
  const auto [end, error] = std::from_chars(decimal.data(), decimal.data() + decimal.size(), magnitude);
  if (error == std::errc::result_out_of_range) {
    // Out of range either way: too large is an overflow, too small is zero.
    if (integerDigits.find_first_not_of('0') != std::string_view::npos)
      throw runtime::RuntimeError(runtime::ErrorNumber::Overflow);
    magnitude = 0;
  }
  return negative ? -magnitude : magnitude;
}

std::string ShortestText(float value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}
