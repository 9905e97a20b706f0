#pragma once

#include <array>
#include <cstddef>

namespace surface {

// The seven numbers of a plot: the five inputs, then the Z range that the range
// scan finds. Each has a number box of its own in the window.
enum class Limit { XMin, XMax, YMin, YMax, Resolution, ZMin, ZMax };

inline constexpr Limit InputLimits[] = {Limit::XMin, Limit::XMax, Limit::YMin, Limit::YMax,
                                        Limit::Resolution};

class Limits {
 public:
  float& operator[](Limit limit) { return entries_[static_cast<std::size_t>(limit)]; }
  float operator[](Limit limit) const { return entries_[static_cast<std::size_t>(limit)]; }

  float& XMin() { return (*this)[Limit::XMin]; }
  float& XMax() { return (*this)[Limit::XMax]; }
  float& YMin() { return (*this)[Limit::YMin]; }
  float& YMax() { return (*this)[Limit::YMax]; }
  float& Resolution() { return (*this)[Limit::Resolution]; }
  float& ZMin() { return (*this)[Limit::ZMin]; }
  float& ZMax() { return (*this)[Limit::ZMax]; }
  float XMin() const { return (*this)[Limit::XMin]; }
  float XMax() const { return (*this)[Limit::XMax]; }
  float YMin() const { return (*this)[Limit::YMin]; }
  float YMax() const { return (*this)[Limit::YMax]; }
  float Resolution() const { return (*this)[Limit::Resolution]; }
  float ZMin() const { return (*this)[Limit::ZMin]; }
  float ZMax() const { return (*this)[Limit::ZMax]; }

 private:
  std::array<float, 7> entries_{};
};

}  // namespace surface
