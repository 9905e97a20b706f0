// Evaluations per second of the formula language: the exact evaluator (scan and
// reduce at every call) against the compiled formula, on the grid the draw command
// walks with its default inputs, and the compiled formula over that grid as a
// lattice, row by row.
#include "formula/Formula.h"

#include <benchmark/benchmark.h>

#include <vector>

#include "formula/ExactEvaluation.h"
#include "formula/LatticeEvaluation.h"
#include "formula/RandomSequence.h"
#include "formula/Value.h"

namespace {

constexpr const char* kDefaultFormula = "(Cos(X) ^ 2 + Sin(Y) ^ 2)";
// 40 tokens of text, every pass of the reduction at work.
constexpr const char* kFortyTokens =
    "SIN(X * 2) + COS(Y / 3) * EXP(X - Y) - SQR(ABS(X * Y)) + EXP X ^ -2 - X MOD 3";
// Faults wherever X < 0 or Y <= 0: at three points in four.
constexpr const char* kHalfFaulting = "SQR(X) + LOG(Y)";
// Faults wherever X * Y <= 0, at more than half of the points; the failed step
// is the result itself.
constexpr const char* kFaultingResult = "LOG(X * Y)";

struct Point {
  formula::Value X;
  formula::Value Y;
};

// The 13 by 13 points of the default grid, X and Y from -1 to 1.
const std::vector<Point>& GridPoints() {
  static const std::vector<Point> points = [] {
    std::vector<Point> grid;
    for (int i = 0; i <= 12; ++i) {
      for (int j = 0; j <= 12; ++j) {
        grid.push_back({formula::Value::Single(-1 + static_cast<float>(i) / 6.0f),
                        formula::Value::Single(-1 + static_cast<float>(j) / 6.0f)});
      }
    }
    return grid;
  }();
  return points;
}

template <class Evaluate>
void Walk(benchmark::State& state, Evaluate&& evaluate) {
  const std::vector<Point>& points = GridPoints();
  size_t next = 0;
  for (auto _ : state) {
    const Point& point = points[next];
    benchmark::DoNotOptimize(evaluate(point));
    if (++next == points.size()) next = 0;
  }
  state.SetItemsProcessed(state.iterations());
}

void Exact(benchmark::State& state, const char* text) {
  formula::RandomSequence random;
  Walk(state, [&](const Point& p) { return formula::EvaluateExactly(text, p.X, p.Y, random); });
}

void Compiled(benchmark::State& state, const char* text) {
  formula::Formula formula(text);
  formula::RandomSequence random;
  Walk(state, [&](const Point& p) { return formula.Evaluate(p.X, p.Y, random); });
}

// The same 13 by 13 points, a row of every X at one Y at a time.
void Lattice(benchmark::State& state, const char* text) {
  const std::vector<Point>& points = GridPoints();
  constexpr size_t side = 13;
  std::vector<float> xs, ys;
  for (size_t k = 0; k < side; ++k) {
    xs.push_back(static_cast<float>(points[k * side].X.ToDouble()));
    ys.push_back(static_cast<float>(points[k].Y.ToDouble()));
  }
  formula::LatticeEvaluation lattice(text, xs);
  size_t row = 0, column = 0;
  for (auto _ : state) {
    if (column == 0) lattice.SetY(ys[row]);
    benchmark::DoNotOptimize(lattice.At(column));
    if (++column == side) {
      column = 0;
      row = (row + 1) % side;
    }
  }
  state.SetItemsProcessed(state.iterations());
}

BENCHMARK_CAPTURE(Exact, default_formula, kDefaultFormula);
BENCHMARK_CAPTURE(Compiled, default_formula, kDefaultFormula);
BENCHMARK_CAPTURE(Lattice, default_formula, kDefaultFormula);
BENCHMARK_CAPTURE(Exact, forty_tokens, kFortyTokens);
BENCHMARK_CAPTURE(Compiled, forty_tokens, kFortyTokens);
BENCHMARK_CAPTURE(Lattice, forty_tokens, kFortyTokens);
BENCHMARK_CAPTURE(Exact, half_faulting, kHalfFaulting);
BENCHMARK_CAPTURE(Compiled, half_faulting, kHalfFaulting);
BENCHMARK_CAPTURE(Lattice, half_faulting, kHalfFaulting);
BENCHMARK_CAPTURE(Exact, faulting_result, kFaultingResult);
BENCHMARK_CAPTURE(Compiled, faulting_result, kFaultingResult);
BENCHMARK_CAPTURE(Lattice, faulting_result, kFaultingResult);

}  // namespace
