#pragma once

#include <cstdio>
#include <string>

#include "formula/Evaluation.h"
#include "formula/ExactEvaluation.h"
#include "formula/Formula.h"
#include "formula/RandomSequence.h"
#include "formula/Value.h"

// The compiled formula against the exact evaluator, for the checks that the two
// agree in everything an evaluation leaves behind: the tests and the fuzz target.
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

}  // namespace formula
