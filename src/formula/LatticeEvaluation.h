#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "formula/Evaluation.h"
#include "formula/Formula.h"
#include "formula/Program.h"
#include "formula/RandomSequence.h"

namespace formula {

// A formula at the points of a lattice: every X of a list, given once, with one Y
// at a time, both 32-bit floats. Each evaluation of a pure formula is bit for bit
// what its Evaluate(Value::Single(X), Value::Single(Y), random) gives there.
//
// For a pure formula the compiled program's steps are split by what their results
// depend on: the steps on literals alone run once, those on X alone once per X,
// those on Y alone once per Y, and only the rest at every point. As every register
// is written once and every step is a function of its operands, that gives the
// registers of a whole run. Wherever it cannot answer (a step faults, an argument is
// not a finite number, the formula runs no program) the formula evaluates the point
// itself, stand-ins and the exact evaluator included. A formula with RND is always
// left to it, drawing from a sequence of the lattice's own in the order of the calls.
//
// Compiles the text anew and keeps state between evaluations: one per thread.
class LatticeEvaluation {
 public:
  LatticeEvaluation(std::string text, std::vector<float> xs);

  // The Y of the points evaluated next; 0 until set.
  void SetY(float y);
  // The evaluation at (xs[column], Y).
  Evaluation At(std::size_t column);

  // How many evaluations so far the formula made itself, point by point.
  uint64_t PointsLeftToTheFormula() const { return pointsLeftToTheFormula_; }

 private:
  void PrepareRegisters();
  // Splits the code among the parts on X, on Y and on both; returns the steps on neither.
  std::vector<Instruction> SplitSteps();
  void ChooseColumnOutputs();
  void RunColumns();
  Evaluation ByTheFormula(std::size_t column);

  Formula formula_;
  RandomSequence random_;
  std::vector<float> xs_;
  float y_ = 0;
  // Null when every point goes to the formula.
  const Program* program_ = nullptr;
  std::vector<Instruction> stepsOnX_;
  std::vector<Instruction> stepsOnY_;
  std::vector<Instruction> stepsOnBoth_;
  // The registers of X's part (X included) that the steps on both, or the result, read.
  std::vector<uint16_t> columnOutputs_;
  // Per column, those registers' values once its part ran without a fault.
  std::vector<double> columnValues_;
  std::vector<uint8_t> columnRan_;
  bool rowRan_ = false;
  std::vector<double> registers_;
  uint64_t pointsLeftToTheFormula_ = 0;
};

}  // namespace formula
