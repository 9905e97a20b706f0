// Fuzz target for the formula language: the bytes are a formula text, after a
// header that chooses X and Y. The compiled formula must agree with the exact
// evaluator on value, kind, ParseError, passed-on faults and RND's sequence.
//
// Layout: byte 0 picks the kinds of X (bits 0-1) and Y (bits 2-3): 32-bit float,
// 64-bit float, 16-bit or 32-bit integer; bytes 1-4 and 5-8 hold their bits; the
// rest is the text. Inputs shorter than the header are all text, at X = 0.5, Y = -2.
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "formula/Formula.h"
#include "formula/Module1.h"
#include "formula/RandomSequence.h"
#include "runtime/RuntimeError.h"

namespace {

using formula::Value;

constexpr size_t kHeaderSize = 9;

struct Outcome {
  Value value;
  int16_t parseError = 0;
  std::optional<runtime::ErrorNumber> raised;
  formula::RandomSequence sequenceAfter;

  friend bool operator==(const Outcome&, const Outcome&) = default;
};

template <class Evaluation>
Outcome Capture(Evaluation&& evaluate) {
  Module1::ParseError = 999;
  Outcome outcome;
  try {
    outcome.value = evaluate();
  } catch (const runtime::RuntimeError& fault) {
    outcome.raised = fault.Number();
  }
  outcome.parseError = Module1::ParseError;
  outcome.sequenceAfter = formula::SharedRandomSequence();
  return outcome;
}

Value Argument(unsigned kind, const uint8_t* bytes) {
  uint32_t bits;
  std::memcpy(&bits, bytes, sizeof bits);
  switch (kind & 3) {
    case 0:
      return Value::Single(std::bit_cast<float>(bits));
    case 1:
      return Value::Double(std::bit_cast<float>(bits));
    case 2:
      return Value::Integer(static_cast<int16_t>(bits));
    default:
      return Value::Long(static_cast<int32_t>(bits));
  }
}

void Describe(const char* path, const Outcome& outcome) {
  std::fprintf(stderr, "  %-9s %s %.17g, ParseError %d, raised %d\n", path,
               std::string(outcome.value.KindName()).c_str(),
               outcome.value.IsNumber() ? outcome.value.ToDouble() : 0.0, outcome.parseError,
               outcome.raised ? static_cast<int>(*outcome.raised) : 0);
}

void Compare(const std::string& text, formula::Formula& compiled, const Value& X, const Value& Y) {
  const formula::RandomSequence start = formula::SharedRandomSequence();
  const Outcome exact = Capture([&] { return Module1::EvaluateFunction(text, X, Y); });
  formula::SharedRandomSequence() = start;
  const Outcome fast = Capture([&] { return compiled.Evaluate(X, Y); });
  if (fast == exact) return;
  std::fprintf(stderr,
               "compiled formula disagrees with the exact evaluator on \"%s\" at X = %.17g, Y = %.17g\n",
               text.c_str(), X.ToDouble(), Y.ToDouble());
  Describe("exact:", exact);
  Describe("compiled:", fast);
  if (!(fast.sequenceAfter == exact.sequenceAfter)) std::fprintf(stderr, "  RND sequences differ\n");
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Value X = Value::Single(0.5f);
  Value Y = Value::Single(-2.0f);
  if (size >= kHeaderSize) {
    X = Argument(data[0], data + 1);
    Y = Argument(data[0] >> 2, data + 5);
    data += kHeaderSize;
    size -= kHeaderSize;
  }
  const std::string text(reinterpret_cast<const char*>(data), size);
  formula::Formula compiled(text);
  Compare(text, compiled, X, Y);
  Compare(text, compiled, Y, X);
  Compare(text, compiled, X, X);
  Compare(text, compiled, X, Y);
  return 0;
}
