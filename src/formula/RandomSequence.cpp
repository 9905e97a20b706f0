#include "formula/RandomSequence.h"

#include <bit>

namespace formula {
namespace {

constexpr uint32_t kStateMask = 0xFFFFFF;
// Full period modulo 2^24: the increment is odd and the multiplier is 1 modulo 4.
constexpr uint32_t kMultiplier = 0xFD43FD;
constexpr uint32_t kIncrement = 0x269EC3;

uint32_t Successor(uint32_t state) { return (state * kMultiplier + kIncrement) & kStateMask; }

// Spreads every bit of the argument over the 24 bits of the state.
uint32_t SeedFrom(double argument) {
  uint64_t bits = std::bit_cast<uint64_t>(argument);
  bits ^= bits >> 30;
  bits *= 0xBF58476D1CE4E5B9ULL;
  bits ^= bits >> 27;
  bits *= 0x94D049BB133111EBULL;
  bits ^= bits >> 31;
  return static_cast<uint32_t>(bits) & kStateMask;
}

}  // namespace

float RandomSequence::Rnd(double argument) {
  if (argument < 0) {
    state_ = SeedFrom(argument);
  } else if (argument > 0) {
    state_ = Successor(state_);
  }
  return static_cast<float>(state_) / 16777216.0f;
}

}  // namespace formula
