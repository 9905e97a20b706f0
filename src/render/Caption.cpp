#include "render/Caption.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace render {
namespace {

std::string ShortestText(float value, char decimalSeparator) {
  std::array<char, 32> digits{};
  const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
  std::string text(digits.data(), end);
  std::replace(text.begin(), text.end(), '.', decimalSeparator);
  return text;
}

std::string RangeText(float low, float high, char decimalSeparator) {
  return ShortestText(low, decimalSeparator) + ".." + ShortestText(high, decimalSeparator);
}

}  // namespace

std::string CaptionText(std::string_view formula, const surface::Limits& limits, char decimalSeparator) {
  std::string caption = "Z = ";
  caption += formula;
  caption += ", X " + RangeText(limits.XMin(), limits.XMax(), decimalSeparator);
  caption += ", Y " + RangeText(limits.YMin(), limits.YMax(), decimalSeparator);
  return caption;
}

}  // namespace render
