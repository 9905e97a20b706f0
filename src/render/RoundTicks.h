#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace render {

// A value marked along an axis and its label.
struct Tick {
  float value;
  std::string text;
};

// The values between low and high (both included, compared as floats) at a round
// step of 1, 2 or 5 times a power of ten: the finest step that gives at most six
// ticks, made `coarser` steps coarser (2, 5, 10, 20, ...) where labels crowd. Each
// label carries no more digits than the step needs, in the user's decimal
// separator, and its value is the float the label reads as. A range of no width
// has one tick at its value; a range that is no range has none.
std::vector<Tick> RoundTicks(float low, float high, int coarser, char decimalSeparator);

// n * 10^exponent written out in full, or as mantissa and power of ten ("2.5e6")
// where the exponent is far from zero, with the given decimal separator.
std::string DecimalText(int64_t n, int exponent, char decimalSeparator);

// A value rounded to `exponent`'s power of ten, written as DecimalText writes it.
std::string RoundedText(double value, int exponent, char decimalSeparator);

}  // namespace render
