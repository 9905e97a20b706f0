#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "formula/Evaluation.h"
#include "formula/Operations.h"
#include "formula/RandomSequence.h"
#include "formula/Value.h"
#include "runtime/RuntimeError.h"

namespace formula {

// One step of a program: an operation's arithmetic, chosen for the kinds of its
// operands when it compiles. A prefix operation reads its one operand on both sides,
// so that `left` and `right` name exactly the registers a step reads.
struct Instruction {
  Step run;
  StandIn onFault;
  // The step holds only for the operand kinds it was compiled for.
  bool dependsOnKinds;
  uint16_t result;
  uint16_t left;
  uint16_t right;
};

// Which of the arguments a register's value depends on: a literal on neither, a
// step's result on whatever its operands depend on.
enum class Dependence : uint8_t { None = 0, OnX = 1, OnY = 2, OnBoth = 3 };

// A formula's reduction, for X and Y of fixed kinds, as straight-line code over
// registers of 64-bit floats (every kind's values are exact in them). Register 0
// holds X, register 1 Y, then come the literals and the results, each written
// once. The program either ends with a value or, for a formula whose structure
// does not reduce, with the verdict "malformed" after the steps the reduction
// takes before it finds out. Every register has the kind the exact evaluator
// gives its value; a faulted step's stand-in may have another kind, which the
// run then tracks.
class Program {
 public:
  static constexpr uint16_t kXRegister = 0;
  static constexpr uint16_t kYRegister = 1;

  Program(const std::vector<double>& literals, Value::Kind kindX, Value::Kind kindY);

  // Appends the operation's step on the operands in `left` (and `right`), whose
  // result has `kind`; returns the result's register.
  uint16_t Emit(const Operation& operation, Value::Kind kind, StandIn onFault, uint16_t left,
                uint16_t right = 0);
  uint16_t Constant(double value, Value::Kind kind);
  void EndWithValue(uint16_t reg);
  void EndMalformed();

  // Runs the steps at X, Y, putting stand-ins for faulted steps, RND drawing from
  // `random`. Returns the evaluation, or nothing when a fault took the reduction
  // where the program cannot follow: the exact evaluator must answer for this
  // point.
  std::optional<Evaluation> Run(double x, double y, RandomSequence& random);

  const std::vector<Instruction>& Code() const { return code_; }
  Dependence DependenceOf(uint16_t reg) const { return dependence_[reg]; }
  uint16_t ResultRegister() const { return resultRegister_; }

  // The registers as a run finds them: the literals in place; X, Y and the results
  // are written before they are read.
  const std::vector<double>& Registers() const { return registers_; }

  // Runs some of the code's steps, in their order, on registers of this program's
  // layout. Every register is written once, so steps whose operands are already in
  // place can run apart from the others and give what a whole run gives them.
  // False at the first step that faults: its result and the later ones stay unwritten.
  static bool RunUnfaulted(const std::vector<Instruction>& steps, double* registers, RandomSequence& random);

  // What a run comes to when none of its steps faulted, from its registers.
  Evaluation UnfaultedResult(const double* registers) const;

 private:
  std::optional<Evaluation> RunAfterFault(size_t faulted, runtime::ErrorNumber fault, RandomSequence& random);
  bool StandInFor(const Instruction& step, runtime::ErrorNumber fault);
  Evaluation Result(const std::vector<Value::Kind>& kinds) const;

  std::vector<Instruction> code_;
  std::vector<double> registers_;
  std::vector<Value::Kind> kinds_;
  std::vector<Dependence> dependence_;
  std::vector<Value::Kind> runKinds_;
  uint16_t resultRegister_ = 0;
  bool malformed_ = false;
  int16_t lastFault_ = 0;
};

}  // namespace formula
