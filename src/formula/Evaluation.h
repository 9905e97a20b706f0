#pragma once

#include <cstdint>
#include <optional>

#include "formula/Value.h"
#include "runtime/RuntimeError.h"

namespace formula {

// What one evaluation of a formula came to.
struct Evaluation {
  static constexpr int16_t kMalformed = -1;

  // The result; empty when the formula is malformed or a fault was raised.
  Value value;
  // 0 fine, kMalformed when the formula's structure does not reduce, otherwise the
  // number of the last arithmetic fault (5, 6 or 11) met on the way to the value:
  // a faulting step is worth a stand-in and the evaluation goes on.
  int16_t parseError = 0;
  // A fault that stopped the evaluation before it began to reduce: a formula too
  // long for the token table (9) or for a 16-bit character position (6), or an
  // argument that is no finite number (6). parseError is then 0.
  std::optional<runtime::ErrorNumber> raised{};

  static Evaluation Malformed() { return {Value(), kMalformed}; }
  static Evaluation Raised(runtime::ErrorNumber number) { return {Value(), 0, number}; }

  bool IsMalformed() const { return parseError == kMalformed; }

  friend bool operator==(const Evaluation&, const Evaluation&) = default;
};

}  // namespace formula
