#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "formula/Evaluation.h"
#include "formula/RandomSequence.h"
#include "formula/Value.h"

namespace formula {

class Program;

// One formula text, scanned and compiled once, evaluated at many points. Every
// evaluation, RND's numbers and the sequence it leaves included, is bit for bit
// what EvaluateExactly (ExactEvaluation.h) gives for the same text, arguments and
// sequence.
class Formula {
 public:
  explicit Formula(std::string text);
  ~Formula();
  Formula(Formula&&) noexcept;
  Formula& operator=(Formula&&) noexcept;

  // As EvaluateExactly(text(), X, Y, random).
  Evaluation Evaluate(const Value& X, const Value& Y, RandomSequence& random);

  // True when the text cannot call RND: equal arguments then always give equal
  // evaluations and leave the sequence alone.
  bool IsPure() const;

  const std::string& text() const;

  // True when the text holds more tokens (or characters) than the evaluator can
  // take: every evaluation then raises a fault and yields no value.
  bool TooLong() const;

  // How many evaluations so far went to the exact evaluator because the compiled
  // program could not give the answer (a fault there that the program cannot
  // follow, or arguments the program was not compiled for).
  uint64_t ExactFallbacks() const;

  // The program that Evaluate runs for finite arguments of these kinds, when the
  // formula is pure; null when it runs none (a text too long or not reducible as
  // scanned) or draws from RND.
  const Program* PureProgram(Value::Kind kindX, Value::Kind kindY);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace formula
