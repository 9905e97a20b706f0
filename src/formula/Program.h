#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "formula/Value.h"
#include "runtime/RuntimeError.h"

namespace formula {

// The steps a compiled formula can take, each specialised to the kind of its
// operands where the kind changes what it does.
enum class Operation : uint8_t {
  Sine,
  Cosine,
  Tangent,
  ArcTangent,
  Exponential,
  Logarithm,
  Random,
  Sign,
  SquareRoot,
  Floor,
  AbsoluteFloat,
  AbsoluteInteger,
  AbsoluteLong,
  NegateFloat,
  NegateInteger,
  NegateLong,
  Power,
  Product,
  Quotient,
  Remainder,
  Sum,
  Difference,
};

// What stands in for a step that faults, as the reduction's fault trap decides.
enum class FaultValue : uint8_t {
  Zero,         // a function or negation: the 16-bit integer 0
  LeftOperand,  // a binary operation: its left operand, value and kind
  NotCompiled,  // a power with a negated exponent: the token table changes shape
};

struct Instruction {
  Operation operation;
  FaultValue onFault;
  uint16_t result;
  uint16_t left;
  uint16_t right;
};

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

  uint16_t Emit(Operation operation, Value::Kind kind, FaultValue onFault, uint16_t left, uint16_t right = 0);
  uint16_t Constant(double value, Value::Kind kind);
  void EndWithValue(uint16_t reg);
  void EndMalformed();

  // Runs the steps at X, Y, putting stand-ins for faulted steps. Returns the
  // value (empty when the program ends malformed), or nothing when a fault took
  // the reduction where the program cannot follow: the exact evaluator must
  // answer for this point.
  std::optional<Value> Run(double x, double y);

  // The number of the last fault of the last run, 0 for none.
  int16_t LastFault() const { return lastFault_; }
  bool EndsMalformed() const { return malformed_; }
  const std::vector<Instruction>& Code() const { return code_; }

 private:
  std::optional<Value> RunAfterFault(size_t faulted, runtime::ErrorNumber fault);
  bool StandIn(const Instruction& step, runtime::ErrorNumber fault);
  Value Result(const std::vector<Value::Kind>& kinds) const;

  std::vector<Instruction> code_;
  std::vector<double> registers_;
  std::vector<Value::Kind> kinds_;
  std::vector<Value::Kind> runKinds_;
  uint16_t resultRegister_ = 0;
  bool malformed_ = false;
  int16_t lastFault_ = 0;
};

}  // namespace formula
