#pragma once

#include <cstdint>

namespace formula {

// The generator behind RND: a 24-bit linear congruential sequence whose numbers are
// state / 2^24, so every number is an exact 32-bit float in [0, 1). The whole state
// is this one object: copying it saves the sequence, assigning it back restores it.
// Whoever evaluates formulas owns the sequence and hands it to every evaluation; a
// new sequence is in the state every run of the program starts with.
class RandomSequence {
 public:
  // RND(argument): above 0 the next number of the sequence; 0 the number returned
  // last; below 0 a number that depends on the argument alone and becomes the seed.
  float Rnd(double argument);

  // Back to the state every run of the program starts with.
  void Restart() { state_ = kStartState; }

  friend bool operator==(const RandomSequence&, const RandomSequence&) = default;

 private:
  static constexpr uint32_t kStartState = 0x3A7F19;
  uint32_t state_ = kStartState;
};

}  // namespace formula
