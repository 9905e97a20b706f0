// Fuzz target for the formula language: the bytes are a formula text, after a
// header that chooses X and Y. The compiled formula must agree with the exact
// evaluator on value, kind, ParseError, passed-on faults and RND's sequence, and a
// lattice of points around X and Y, evaluated row by row, with the compiled formula
// at each point. A pure formula's Z range and cell table over a grid from X and Y,
// shared out row by row among threads, must be those of one ordered pass of point
// by point evaluations.
//
// Layout: byte 0 picks the kinds of X (bits 0-1) and Y (bits 2-3): 32-bit float,
// 64-bit float, 16-bit or 32-bit integer; bytes 1-4 and 5-8 hold their bits; the
// rest is the text. Inputs shorter than the header are all text, at X = 0.5, Y = -2.
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "formula/Formula.h"
#include "formula/LatticeEvaluation.h"
#include "formula/RandomSequence.h"
#include "testkit/PathAgreement.h"
#include "testkit/SurfaceAgreement.h"

namespace {

using formula::Value;

constexpr size_t kHeaderSize = 9;

Value Argument(unsigned kind, const uint8_t* bytes) {
  uint32_t bits;
  std::memcpy(&bits, bytes, sizeof bits);
  const float single = std::bit_cast<float>(bits);
  const Value kinds[] = {Value::Single(single), Value::Double(single),
                         Value::Integer(static_cast<int16_t>(bits)), Value::Long(static_cast<int32_t>(bits))};
  return kinds[kind & 3];
}

void Compare(const std::string& text, formula::Formula& compiled, const Value& X, const Value& Y,
             formula::RandomSequence& random) {
  const formula::BothOutcomes both = formula::EvaluateBothPaths(compiled, X, Y, random);
  if (both.compiled == both.exact) return;
  std::fprintf(stderr,
               "compiled formula disagrees with the exact evaluator on \"%s\" at X = %.17g, Y = %.17g\n",
               text.c_str(), X.ToDouble(), Y.ToDouble());
  std::fprintf(stderr, "  exact:    %s\n", formula::Describe(both.exact).c_str());
  std::fprintf(stderr, "  compiled: %s\n", formula::Describe(both.compiled).c_str());
  std::abort();
}

void CompareLattice(const std::string& text, formula::Formula& compiled, float x, float y) {
  const std::vector<float> xs = {x, y, 0.5f}, ys = {y, -2.0f, x};
  formula::LatticeEvaluation lattice(text, xs);
  const auto disagreement = formula::FindLatticeDisagreement(lattice, compiled, xs, ys, {2, 0, 1, 0});
  if (!disagreement) return;
  std::fprintf(stderr, "the lattice disagrees with the compiled formula on \"%s\" %s\n", text.c_str(),
               disagreement->c_str());
  std::abort();
}

// The grid from X to X + 3 and Y to Y + 2.5 at resolution 7: 49 cells, rows shared
// out among three threads, against one ordered pass.
void CompareSharedOutRows(const std::string& text, bool pure, float x, float y) {
  if (!pure) return;
  surface::Limits limits;
  const float values[] = {x, x + 3, y, y + 2.5f, 7};
  for (int k = 0; const surface::Limit limit : surface::InputLimits) limits[limit] = values[k++];
  if (!(limits.XMin() < limits.XMax() && limits.YMin() < limits.YMax()) || surface::GridRefusal(limits))
    return;
  static runtime::WorkerPool one(1), three(3);
  const auto mode = surface::ColorMode::Colors;
  if (testkit::DrawOn(one, limits, testkit::Compiled(text), mode) ==
      testkit::DrawOn(three, limits, testkit::CompiledForThreads(text, true), mode))
    return;
  std::fprintf(stderr,
               "rows shared out among threads differ from one pass on \"%s\" from X = %.9g, Y = %.9g\n",
               text.c_str(), static_cast<double>(x), static_cast<double>(y));
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
  // A fresh sequence for every input, so that an input that fails alone fails again.
  formula::RandomSequence random;
  Compare(text, compiled, X, Y, random);
  Compare(text, compiled, Y, X, random);
  Compare(text, compiled, X, X, random);
  Compare(text, compiled, X, Y, random);
  CompareLattice(text, compiled, static_cast<float>(X.ToDouble()), static_cast<float>(Y.ToDouble()));
  CompareSharedOutRows(text, compiled.IsPure(), static_cast<float>(X.ToDouble()),
                       static_cast<float>(Y.ToDouble()));
  return 0;
}
