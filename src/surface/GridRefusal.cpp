#include <charconv>
#include <cmath>
#include <optional>
#include <string>

#include "runtime/ResumeNext.h"
#include "surface/CellTableBuilder.h"
#include "surface/CellTableSize.h"
#include "surface/GridWalk.h"

namespace surface {
namespace {

// The shortest text that reads back as the same 32-bit float, without an exponent
// for numbers a user would type that way.
std::string NumberText(float value) {
  const float magnitude = std::fabs(value);
  const bool plain = magnitude == 0 || (magnitude >= 1e-4f && magnitude < 1e9f);
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                    plain ? std::chars_format::fixed : std::chars_format::general);
  return std::string(buffer, result.ptr);
}

std::string TableTooLarge(float resolution) {
  return "A resolution of " + NumberText(resolution) + " needs more memory for the surface than the " +
         std::to_string(CellTableByteCap >> 20) + " MB this program allows. Use a resolution of at most " +
         std::to_string(LargestFittingResolution()) + ".";
}

std::string StepTooLarge(const char* axis, float min, float max, float resolution) {
  return std::string("The ") + axis + " range from " + NumberText(min) + " to " + NumberText(max) +
         " is too wide for a resolution of " + NumberText(resolution) +
         ": one grid step would exceed the largest number the program can hold. Narrow the " + axis +
         " range or raise the resolution.";
}

std::string StepLost(const char* axis, float min, float max, float resolution, float step) {
  return std::string("The ") + axis + " range from " + NumberText(min) + " to " + NumberText(max) +
         " cannot be walked at a resolution of " + NumberText(resolution) + ": its step of " +
         NumberText(step) +
         " is lost in rounding at numbers of this size, so the grid would never be finished. Widen the " +
         axis + " range, move it nearer to 0 or lower the resolution.";
}

// Every walk of the range scan and of the cell table runs over this axis from min
// while <= max or an end below it, so this one walk bounds them all.
std::optional<std::string> AxisRefusal(const char* axis, float min, float max, float resolution) {
  float step = 0;
  if (!runtime::Statement([&] { step = GridStep(min, max, resolution); }))
    return StepTooLarge(axis, min, max, resolution);
  if (!WalkValues(min, max, step, WalkLengthLimit(resolution)))
    return StepLost(axis, min, max, resolution, step);
  return std::nullopt;
}

}  // namespace

std::optional<std::string> GridRefusal(const Limits& limits, Limit* concernedLimit) {
  Limit concerned = Limit::Resolution;
  std::optional<std::string> refusal;
  // The table first: it bounds the resolution, and with it the cost of the walks below.
  if (!CellTableFits(limits.Resolution())) {
    refusal = TableTooLarge(limits.Resolution());
  } else if ((refusal = AxisRefusal("X", limits.XMin(), limits.XMax(), limits.Resolution()))) {
    concerned = Limit::XMin;
  } else if ((refusal = AxisRefusal("Y", limits.YMin(), limits.YMax(), limits.Resolution()))) {
    concerned = Limit::YMin;
  }
  if (refusal && concernedLimit != nullptr) *concernedLimit = concerned;
  return refusal;
}

}  // namespace surface
