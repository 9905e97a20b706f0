#include "render/RoundTicks.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>

namespace render {
namespace {

constexpr int MostIntervals = 5;
constexpr std::array<int, 3> StepMantissas{1, 2, 5};
// Beyond these powers of ten a label is shorter with its exponent written out.
constexpr int LeastPlainExponent = -3;
constexpr int MostPlainExponent = 3;

struct Step {
  int mantissa;
  int exponent;
  double Size() const { return mantissa * std::pow(10.0, exponent); }
};

// The k-th step of the series 1, 2, 5, 10, 20, ... times 10^first.
Step NthStep(int first, int k) {
  const int decade = k >= 0 ? k / 3 : (k - 2) / 3;
  return {StepMantissas[static_cast<std::size_t>(k - 3 * decade)], first + decade};
}

// The finest step that cuts the range into at most MostIntervals, made `coarser` steps coarser.
Step StepFor(double range, int coarser) {
  const double wanted = range / MostIntervals;
  const int first = static_cast<int>(std::floor(std::log10(wanted))) - 1;
  int k = 0;
  while (NthStep(first, k).Size() < wanted) ++k;
  return NthStep(first, k + coarser);
}

std::string WithSeparator(std::string text, char decimalSeparator) {
  std::replace(text.begin(), text.end(), '.', decimalSeparator);
  return text;
}

std::string PlainText(const std::string& digits, int exponent) {
  if (exponent >= 0) return digits + std::string(static_cast<std::size_t>(exponent), '0');
  const std::size_t decimals = static_cast<std::size_t>(-exponent);
  std::string padded =
      std::string(decimals + 1 > digits.size() ? decimals + 1 - digits.size() : 0, '0') + digits;
  std::string text =
      padded.substr(0, padded.size() - decimals) + "." + padded.substr(padded.size() - decimals);
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text;
}

std::string PowerText(std::string digits, int exponent) {
  const int power = exponent + static_cast<int>(digits.size()) - 1;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  // One digit before the point: the point goes in after it.
  if (digits.size() > 1) digits.insert(1, 1, '.');
  digits += 'e';
  digits += std::to_string(power);
  return digits;
}

// The float a label reads as; nothing beyond the float range.
std::optional<float> ValueOf(const std::string& text) {
  float value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::string ShortestText(float value) {
  std::array<char, 32> digits{};
  return std::string(digits.data(), std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr);
}

}  // namespace

std::string DecimalText(int64_t n, int exponent, char decimalSeparator) {
  if (n == 0) return "0";
  const std::string digits = std::to_string(n < 0 ? -static_cast<uint64_t>(n) : static_cast<uint64_t>(n));
  const bool plain = exponent >= LeastPlainExponent && exponent <= MostPlainExponent;
  const std::string text = plain ? PlainText(digits, exponent) : PowerText(digits, exponent);
  return WithSeparator((n < 0 ? "-" : "") + text, decimalSeparator);
}

std::string RoundedText(double value, int exponent, char decimalSeparator) {
  const double scaled = std::nearbyint(value / std::pow(10.0, exponent));
  if (!(std::fabs(scaled) < 1e18))
    return WithSeparator(ShortestText(static_cast<float>(value)), decimalSeparator);
  return DecimalText(static_cast<int64_t>(scaled), exponent, decimalSeparator);
}

std::vector<Tick> RoundTicks(float low, float high, int coarser, char decimalSeparator) {
  if (!std::isfinite(low) || !std::isfinite(high) || !(low <= high)) return {};
  if (low == high) return {{low, WithSeparator(ShortestText(low), decimalSeparator)}};
  const Step step = StepFor(static_cast<double>(high) - low, coarser);
  const double size = step.Size();
  std::vector<Tick> ticks;
  // One step of slack either side: the floats at the ends decide.
  const auto first = static_cast<int64_t>(std::floor(low / size)) - 1;
  const auto last = static_cast<int64_t>(std::ceil(high / size)) + 1;
  for (int64_t k = first; k <= last; ++k) {
    const std::string text = DecimalText(k * step.mantissa, step.exponent, '.');
    const std::optional<float> value = ValueOf(text);
    if (value && *value >= low && *value <= high)
      ticks.push_back({*value, WithSeparator(text, decimalSeparator)});
  }
  return ticks;
}

}  // namespace render
