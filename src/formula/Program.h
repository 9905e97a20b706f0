#pragma once

#include <cstdint>
#include <vector>

#include "formula/Value.h"

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

struct Instruction {
  Operation operation;
  uint16_t result;
  uint16_t left;
  uint16_t right;
};

// A formula's reduction, for X and Y of fixed kinds, as straight-line code over
// registers of 64-bit floats (every kind's values are exact in them). Register 0
// holds X, register 1 Y, then come the literals and the results, each written
// once. The program either ends with a value of a known kind or, for a formula
// whose structure does not reduce, with the verdict "malformed" after the steps
// the reduction takes before it finds out.
class Program {
 public:
  static constexpr uint16_t kXRegister = 0;
  static constexpr uint16_t kYRegister = 1;

  explicit Program(const std::vector<double>& literals);

  uint16_t Emit(Operation operation, uint16_t left, uint16_t right = 0);
  uint16_t Constant(double value);
  void EndWithValue(uint16_t reg, Value::Kind kind);
  void EndMalformed();

  // Runs the steps at X, Y; the first fault raises its runtime::RuntimeError.
  // Returns the value, or an empty value when the program ends malformed.
  Value Run(double x, double y);

  bool EndsMalformed() const { return malformed_; }
  const std::vector<Instruction>& Code() const { return code_; }

 private:
  std::vector<Instruction> code_;
  std::vector<double> registers_;
  uint16_t resultRegister_ = 0;
  Value::Kind resultKind_ = Value::Kind::Empty;
  bool malformed_ = false;
};

}  // namespace formula
