// A pure formula evaluated row by row through compiled lattices, on one thread or
// shared out, gives the range and the table of the literal order, where every
// statement evaluates the formula at its point.
#include <gtest/gtest.h>

#include <string>

#include "SurfaceFixtures.h"
#include "surface/CompiledRowEvaluation.h"

namespace {

using namespace surface_test;

// As the window hands a pure formula over: evaluations and rows for any thread.
FormulaPoints CompiledWithRows(const std::string& text) {
  FormulaPoints points = CompiledForThreads(text);
  points.MakeRowEvaluation = CompiledRowEvaluations(text);
  return points;
}

// Faults in the steps on X alone, on Y alone, on both and on neither; Integer and Long
// results, -0 and ties, values beyond float, texts that run no program, RND in its one ordered pass. Each on
// a range around 0, where the faults lie, or far from it, where the counters move in coarse steps;
// resolutions whose last row ends inside a pass.
TEST(LatticeRows, GiveTheSurfaceOfTheLiteralOrder) {
  const Limits grids[] = {MakeLimits(-1, 1, -1, 1, 37), MakeLimits(-2, 3, -1.5f, 1, 23.7f),
                          MakeLimits(-6, 6, 0, 2, 11.2f), MakeLimits(1e7f, 1e7f + 50, -3, 3, 17.5f)};
  const std::string texts[] = {
      "(Cos(X) ^ 2 + Sin(Y) ^ 2)",
      "Log(X) + Y",
      "X + Sqr(Y)",
      "Log(X * Y)",
      "Log(0) + X * Y",
      "X * Y * 10 ^ 38",
      "Int(X * 3) * Sgn(Y)",
      "Int(X) Mod Int(Y)",
      "-0 * X",
      "Exp(X) ^ Y / (X - Y)",
      "Y",
      "7",
      "(X",
      "Rnd(1) * X + Y",
      "X" + std::string(120, '+') + "X",  // too long for the token table
  };
  runtime::WorkerPool one(1), three(3);
  std::size_t k = 0;
  for (const std::string& text : texts) {
    // The literal order: every statement makes its own evaluation, one point at a time.
    FormulaPoints literal = Compiled(text);
    literal.pure = false;
    const Limits& limits = grids[k % std::size(grids)];
    const ColorMode mode = AllColorModes[k++ % std::size(AllColorModes)];
    const DrawnSurface expected = DrawOn(one, limits, literal, mode);
    for (runtime::WorkerPool* pool : {&one, &three}) {
      SCOPED_TRACE(text.substr(0, 40) + ", " + std::to_string(pool->Size()) + " threads");
      ExpectSameSurface(DrawOn(*pool, limits, CompiledWithRows(text), mode), expected);
    }
  }
}

}  // namespace
