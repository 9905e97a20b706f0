// A pure formula evaluated row by row through compiled lattices, on one thread or
// shared out, gives the range and the table of the literal order, where every
// statement evaluates the formula at its point.
#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <string>
#include <tuple>

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

// Faults in the steps on X alone, on Y alone, on both and on neither; Integer and
// Long results, -0 and ties, values beyond float, texts that run no program.
const std::string Texts[] = {
    "(Cos(X) ^ 2 + Sin(Y) ^ 2)",
    "Log(X) + Y",
    "X + Sqr(Y)",
    "Log(X * Y)",
    "Log(0) + X * Y",
    "X * Y * 10 ^ 38",
    "Int(X * 3) * Sgn(Y)",
    "Int(X) Mod Int(Y)",
    "Sgn(X * Y)",
    "-0 * X",
    "Exp(X) ^ Y / (X - Y)",
    "Y",
    "X",
    "7",
    "(X",
    [] {  // too long for the token table
      std::string text = "X";
      for (int k = 0; k < 120; ++k) text += " + X";
      return text;
    }(),
};

// Ranges around 0, where the faults lie, and far from it, where the counters move in
// coarse steps; resolutions whose last row ends inside a pass.
const Limits Grids[] = {MakeLimits(-1, 1, -1, 1, 37), MakeLimits(-2, 3, -1.5f, 1, 23.7f),
                        MakeLimits(-6, 6, 0, 2, 11.2f), MakeLimits(1e7f, 1e7f + 50, -3, 3, 17.5f)};

TEST(LatticeRows, GiveTheSurfaceOfTheLiteralOrder) {
  runtime::WorkerPool one(1), two(2), three(3);
  for (const std::string& text : Texts) {
    // The literal order: every statement makes its own evaluation, one point at a time.
    FormulaPoints literal = Compiled(text);
    literal.pure = false;
    const FormulaPoints withRows = CompiledWithRows(text);
    std::size_t grid = 0;
    for (const Limits& limits : Grids) {
      const ColorMode mode = AllColorModes[grid++ % std::size(AllColorModes)];
      const DrawnSurface expected = DrawOn(one, limits, literal, mode);
      for (runtime::WorkerPool* pool : {&one, &two, &three}) {
        SCOPED_TRACE(text.substr(0, 40) + ", resolution " + std::to_string(limits.Resolution()) + ", " +
                     std::to_string(pool->Size()) + " threads");
        const DrawnSurface drawn = DrawOn(*pool, limits, withRows, mode);
        EXPECT_EQ(std::memcmp(&drawn.limits, &expected.limits, sizeof(Limits)), 0);
        EXPECT_EQ(drawn.scanParseError, expected.scanParseError);
        ASSERT_EQ(drawn.cells.size(), expected.cells.size());
        if (!expected.cells.empty()) {
          EXPECT_EQ(
              std::memcmp(drawn.cells.data(), expected.cells.data(), expected.cells.size() * sizeof(Cell)),
              0);
        }
      }
    }
  }
}

// Once a formula makes rows, the scan and the table evaluate through nothing else.
TEST(LatticeRows, AreTheOnlyWayAFormulaThatMakesThemIsEvaluated) {
  FormulaPoints formula = CompiledWithRows("X * Y");
  formula.Z = [](float, float) {
    ADD_FAILURE() << "evaluated one point at a time";
    return formula::Evaluation{};
  };
  formula.MakeEvaluation = [formula] { return formula.Z; };
  for (const unsigned threads : {1u, 3u}) {
    runtime::WorkerPool pool(threads);
    DrawOn(pool, MakeLimits(-1, 1, -1, 1, 30), formula, ColorMode::Colors);
  }
}

}  // namespace
