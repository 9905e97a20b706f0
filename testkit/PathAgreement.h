#pragma once

#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "formula/Evaluation.h"
#include "formula/ExactEvaluation.h"
#include "formula/Formula.h"
#include "formula/LatticeEvaluation.h"
#include "formula/RandomSequence.h"
#include "formula/Value.h"

// The compiled formula against the exact evaluator, and a lattice evaluation against
// the compiled formula, for the checks that they agree in everything an evaluation
// leaves behind: the tests and the fuzz target.
namespace formula {

// An evaluation and the RND sequence as it left it.
struct Outcome {
  Evaluation evaluation;
  RandomSequence sequenceAfter;

  friend bool operator==(const Outcome&, const Outcome&) = default;
};

struct BothOutcomes {
  Outcome exact;
  Outcome compiled;
};

// Evaluates at X, Y exactly and then compiled, both from the state `random` is in,
// which the compiled evaluation then leaves as it ends.
inline BothOutcomes EvaluateBothPaths(Formula& compiled, const Value& X, const Value& Y,
                                      RandomSequence& random) {
  const RandomSequence start = random;
  BothOutcomes both;
  both.exact.evaluation = EvaluateExactly(compiled.text(), X, Y, random);
  both.exact.sequenceAfter = random;
  random = start;
  both.compiled.evaluation = compiled.Evaluate(X, Y, random);
  both.compiled.sequenceAfter = random;
  return both;
}

// "Double 0.5, ParseError 0, raised 0": the kind and the value to the last bit.
inline std::string Describe(const Evaluation& evaluation) {
  char text[120];
  std::snprintf(text, sizeof text, "%s %.17g, ParseError %d, raised %d",
                std::string(evaluation.value.KindName()).c_str(),
                evaluation.value.IsNumber() ? evaluation.value.ToDouble() : 0.0, evaluation.parseError,
                evaluation.raised ? static_cast<int>(*evaluation.raised) : 0);
  return text;
}

// The same and the number RND(0) would give next.
inline std::string Describe(const Outcome& outcome) {
  RandomSequence sequence = outcome.sequenceAfter;
  char next[40];
  std::snprintf(next, sizeof next, ", RND 0 then %.9g", static_cast<double>(sequence.Rnd(0)));
  return Describe(outcome.evaluation) + next;
}

// Evaluates `lattice` (made from compiled.text() and xs) row by row, one row for each
// Y of `ys`, visiting the columns in the order of `columns` (repeats allowed), and
// `compiled` at the same points in the same order, with one sequence carried along
// as the lattice's own is. The first point where the two differ, described.
inline std::optional<std::string> FindLatticeDisagreement(LatticeEvaluation& lattice, Formula& compiled,
                                                          const std::vector<float>& xs,
                                                          const std::vector<float>& ys,
                                                          const std::vector<std::size_t>& columns) {
  RandomSequence random;
  for (const float y : ys) {
    lattice.SetY(y);
    for (const std::size_t column : columns) {
      const Evaluation byLattice = lattice.At(column);
      const Evaluation byPoint = compiled.Evaluate(Value::Single(xs[column]), Value::Single(y), random);
      if (byLattice == byPoint) continue;
      char at[80];
      std::snprintf(at, sizeof at, "at X = %.9g, Y = %.9g: lattice ", static_cast<double>(xs[column]),
                    static_cast<double>(y));
      return at + Describe(byLattice) + ", alone " + Describe(byPoint);
    }
  }
  return std::nullopt;
}

}  // namespace formula
