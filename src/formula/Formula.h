#pragma once

#include <memory>
#include <string>

#include "formula/Value.h"

namespace formula {

// One formula text, scanned and compiled once, evaluated at many points. Every
// result, every ParseError and every RND number is bit for bit what
// Module1::EvaluateFunction gives for the same text and arguments.
class Formula {
 public:
  explicit Formula(std::string text);
  ~Formula();
  Formula(Formula&&) noexcept;
  Formula& operator=(Formula&&) noexcept;

  // As Module1::EvaluateFunction(text(), X, Y), including its errors.
  Value Evaluate(const Value& X, const Value& Y);

  // True when the text cannot call RND: equal arguments then always give equal
  // results and leave equal ParseError.
  bool IsPure() const;

  const std::string& text() const;

  // True when the text holds more tokens (or characters) than the evaluator can
  // take: every evaluation then raises a run-time error and yields no value.
  bool TooLong() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace formula
