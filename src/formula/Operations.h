#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "formula/Arithmetic.h"
#include "formula/RandomSequence.h"
#include "formula/Value.h"

// Every function and operator of the formula language, described once: how it is
// spelt, when the reduction takes it, the kind of its result and the checked
// arithmetic it runs. The scanner, the reduction, the exact evaluator and the
// compiler all read this table; a new function is one row here plus its
// arithmetic in Arithmetic.h.
namespace formula {

// The reduction's passes over a group, in the order it runs them. Functions and
// the negation stand before their one operand; the others stand between two.
enum class Pass : uint8_t { Functions, Power, Negation, Products, Remainder, Sums };

inline constexpr std::array kPasses = {Pass::Functions, Pass::Power,     Pass::Negation,
                                       Pass::Products,  Pass::Remainder, Pass::Sums};

constexpr bool IsPrefix(Pass pass) { return pass == Pass::Functions || pass == Pass::Negation; }

// An operation's arithmetic on its operands as 64-bit floats (a prefix operation's
// right operand is not read). Only RND uses the sequence.
using Step = arithmetic::Checked (*)(double left, double right, RandomSequence& random);

template <arithmetic::Checked (*Function)(double)>
arithmetic::Checked Unary(double x, double, RandomSequence&) {
  return Function(x);
}

template <arithmetic::Checked (*Function)(double, double)>
arithmetic::Checked Binary(double a, double b, RandomSequence&) {
  return Function(a, b);
}

template <arithmetic::Checked (*Function)(double, RandomSequence&)>
arithmetic::Checked Drawing(double x, double, RandomSequence& random) {
  return Function(x, random);
}

// The arithmetic for each kind of the (left) operand: the whole kinds have a
// least value without a positive counterpart, so their negation can overflow.
struct StepByKind {
  Step integer;
  Step whole32;
  Step floating;

  constexpr Step For(Value::Kind kind) const {
    if (kind == Value::Kind::Integer) return integer;
    if (kind == Value::Kind::Long) return whole32;
    return floating;
  }
  constexpr bool VariesByKind() const { return integer != floating || whole32 != floating; }
};

constexpr StepByKind AnyKind(Step step) { return {step, step, step}; }

// The kind of an operation's result.
struct ResultKind {
  enum class Rule : uint8_t { Fixed, OfOperand, IntegerIfBothInteger };

  Rule rule = Rule::Fixed;
  Value::Kind fixed = Value::Kind::Double;

  constexpr Value::Kind For(Value::Kind left, Value::Kind right) const {
    switch (rule) {
      case Rule::Fixed:
        return fixed;
      case Rule::OfOperand:
        return left;
      case Rule::IntegerIfBothInteger:
        return left == Value::Kind::Integer && right == Value::Kind::Integer ? Value::Kind::Integer
                                                                             : Value::Kind::Long;
    }
    return fixed;
  }
};

constexpr ResultKind Always(Value::Kind kind) { return {ResultKind::Rule::Fixed, kind}; }
inline constexpr ResultKind kOperandKind{ResultKind::Rule::OfOperand};
// MOD: Integer when both operands are Integer, otherwise Long.
inline constexpr ResultKind kIntegerIfBothIntegerElseLong{ResultKind::Rule::IntegerIfBothInteger};

// What the reduction's fault trap leaves where a faulting step's result belongs.
enum class StandIn : uint8_t {
  Zero,         // a prefix operation: its name stays, and a name left there becomes the 16-bit integer 0
  LeftOperand,  // an infix operation: its left operand, value and kind
  NotCompiled,  // an infix operation on a negated right operand: the trap lands left of the
                // left operand and may turn an operator there into 0, which changes the
                // table's shape; only the exact evaluator follows that
};

struct Operation {
  std::string_view spelling;
  Pass pass;
  ResultKind result;
  StepByKind step;
  // RND: reads and advances the sequence, so equal operands need not give equal results.
  bool drawsRandom = false;

  constexpr bool IsPrefix() const { return formula::IsPrefix(pass); }
  constexpr StandIn OnFault() const { return IsPrefix() ? StandIn::Zero : StandIn::LeftOperand; }
  // A compiled step of such an operation holds only for the operand kinds it was
  // compiled for: the kind decides its fault or its result's kind.
  constexpr bool DependsOnKinds() const {
    return result.rule != ResultKind::Rule::Fixed || step.VariesByKind();
  }
};

namespace operations {
using Kind = Value::Kind;
using namespace arithmetic;

// Within a pass the reduction tries the rows in this order.
// clang-format off
inline constexpr std::array kTable = {
    Operation{"SIN", Pass::Functions, Always(Kind::Double), AnyKind(Unary<CheckedSine>)},
    Operation{"COS", Pass::Functions, Always(Kind::Double), AnyKind(Unary<CheckedCosine>)},
    Operation{"TAN", Pass::Functions, Always(Kind::Double), AnyKind(Unary<CheckedTangent>)},
    Operation{"ATN", Pass::Functions, Always(Kind::Double), AnyKind(Unary<CheckedArcTangent>)},
    Operation{"EXP", Pass::Functions, Always(Kind::Double), AnyKind(Unary<CheckedExponential>)},
    Operation{"LOG", Pass::Functions, Always(Kind::Double), AnyKind(Unary<CheckedLogarithm>)},
    Operation{"RND", Pass::Functions, Always(Kind::Single), AnyKind(Drawing<CheckedRandom>), true},
    Operation{"SGN", Pass::Functions, Always(Kind::Integer), AnyKind(Unary<CheckedSign>)},
    Operation{"SQR", Pass::Functions, Always(Kind::Double), AnyKind(Unary<CheckedSquareRoot>)},
    Operation{"INT", Pass::Functions, kOperandKind, AnyKind(Unary<CheckedFloor>)},
    Operation{"ABS", Pass::Functions, kOperandKind,
              {Unary<CheckedAbsoluteInteger>, Unary<CheckedAbsoluteLong>, Unary<CheckedAbsoluteFloat>}},
    Operation{"^", Pass::Power, Always(Kind::Double), AnyKind(Binary<CheckedPower>)},
    Operation{"NEG", Pass::Negation, kOperandKind,
              {Unary<CheckedNegatedInteger>, Unary<CheckedNegatedLong>, Unary<CheckedNegatedFloat>}},
    Operation{"*", Pass::Products, Always(Kind::Double), AnyKind(Binary<CheckedProduct>)},
    Operation{"/", Pass::Products, Always(Kind::Double), AnyKind(Binary<CheckedQuotient>)},
    Operation{"MOD", Pass::Remainder, kIntegerIfBothIntegerElseLong, AnyKind(Binary<CheckedRemainder>)},
    Operation{"+", Pass::Sums, Always(Kind::Double), AnyKind(Binary<CheckedSum>)},
    Operation{"-", Pass::Sums, Always(Kind::Double), AnyKind(Binary<CheckedDifference>)},
};
// clang-format on

constexpr const Operation& InPass(Pass pass) {
  for (const Operation& operation : kTable) {
    if (operation.pass == pass) return operation;
  }
  return kTable[0];
}

}  // namespace operations

inline constexpr const auto& kOperations = operations::kTable;

// The negation, which the scanner writes for a "-" that follows an operator.
inline constexpr const Operation& kNegation = operations::InPass(Pass::Negation);

}  // namespace formula
