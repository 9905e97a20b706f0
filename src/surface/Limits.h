#pragma once

#include <array>

namespace surface {

// The seven numbers of the plot, numbered 1 to 7 like the boxes Data(1) to Data(7):
// XMin, XMax, YMin, YMax, Resolution (inputs) and ZMin, ZMax (found by the range scan).
class Limits {
 public:
  static constexpr int Count = 7;

  // Entry k, 1 <= k <= 7; anything else raises a subscript-out-of-range RuntimeError.
  float& operator[](int k);
  float operator[](int k) const;

  float& XMin() { return entries_[0]; }
  float& XMax() { return entries_[1]; }
  float& YMin() { return entries_[2]; }
  float& YMax() { return entries_[3]; }
  float& Resolution() { return entries_[4]; }
  float& ZMin() { return entries_[5]; }
  float& ZMax() { return entries_[6]; }
  float XMin() const { return entries_[0]; }
  float XMax() const { return entries_[1]; }
  float YMin() const { return entries_[2]; }
  float YMax() const { return entries_[3]; }
  float Resolution() const { return entries_[4]; }
  float ZMin() const { return entries_[5]; }
  float ZMax() const { return entries_[6]; }

 private:
  std::array<float, Count> entries_{};
};

}  // namespace surface
