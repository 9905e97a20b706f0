#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "formula/Operations.h"
#include "formula/TokenTable.h"
#include "runtime/RuntimeError.h"

namespace formula {

// Reduces a scanned token table, group by group, to the value in slot 1, running
// the operations of kOperations pass by pass. The Machine computes: Apply (of an
// operation to one or two operands), Zero and optionally ApplyToNegated make
// slots, and Apply may raise runtime::RuntimeError for an arithmetic fault, which
// the reduction traps; IsNumber and HoldsText inspect slots.
template <class Machine>
class FormulaReduction {
 public:
  using Slot = typename Machine::Slot;

  FormulaReduction(Machine& machine, TokenTable<Slot>& tokens, int count)
      : machine_(machine), tokens_(tokens), count_(count) {}

  // Slot 1's final content, or nothing for a malformed formula. LastFault() then
  // holds the number of the last arithmetic fault, 0 for none.
  std::optional<Slot> Reduce() {
    for (;;) {
      if (!FindGroup()) return std::nullopt;
      faultRecord_ = 0;
      for (const Pass pass : kPasses) {
        if (!RunPass(pass)) return std::nullopt;
      }
      if (!CollapseGroup()) return std::nullopt;
      if (count_ <= 1) {
        if (!Machine::IsNumber(tokens_[1])) return std::nullopt;
        return tokens_[1];
      }
    }
  }

  int16_t LastFault() const { return lastFault_; }

 private:
  // The innermost group whose ")" comes first. Without a "(" before that ")" the
  // group keeps the opening slot of the previous one.
  bool FindGroup() {
    for (int k = 1; k <= count_; ++k) {
      if (Machine::HoldsText(tokens_[k], "(")) open_ = k;
      if (Machine::HoldsText(tokens_[k], ")")) {
        close_ = k;
        return true;
      }
    }
    return false;
  }

  bool RunPass(Pass pass) {
    int j = open_;
    do {
      int shift = 0;
      if (!ApplyRule(pass, j, shift)) return false;
      if (shift > 0) CloseGap(j, shift);
      ++j;
      CheckFault(j);
    } while (j <= close_);
    return true;
  }

  // Applies the operation of the pass that slot j names, if any. False when an
  // operand is not a number.
  bool ApplyRule(Pass pass, int j, int& shift) {
    if (IsNumber(j)) return true;
    for (const Operation& operation : kOperations) {
      if (operation.pass != pass || !Holds(j, operation.spelling)) continue;
      return operation.IsPrefix() ? ApplyPrefix(operation, j, shift) : ApplyInfix(operation, j, shift);
    }
    return true;
  }

  bool ApplyPrefix(const Operation& operation, int j, int& shift) {
    if (!IsNumber(j + 1)) return false;
    Trapped([&] { tokens_.Put(j, machine_.Apply(operation, tokens_[j + 1])); });
    shift = 1;
    return true;
  }

  // Only the power comes before the negation's pass, so only its right operand
  // can still be a negation: "2 ^ -1" takes the negated 1.
  bool ApplyInfix(const Operation& operation, int j, int& shift) {
    if (Holds(j + 1, kNegation.spelling)) {
      if (!IsNumber(j - 1) || !IsNumber(j + 2)) return false;
      Trapped([&] { tokens_.Put(j - 1, ApplyToNegated(operation, tokens_[j - 1], tokens_[j + 2])); });
      shift = 3;
    } else {
      if (!IsNumber(j - 1) || !IsNumber(j + 1)) return false;
      Trapped([&] { tokens_.Put(j - 1, machine_.Apply(operation, tokens_[j - 1], tokens_[j + 1])); });
      shift = 2;
    }
    return true;
  }

  // A machine may take this as a step of its own, whose faults it treats apart.
  Slot ApplyToNegated(const Operation& operation, const Slot& left, const Slot& right) {
    if constexpr (requires { machine_.ApplyToNegated(operation, left, right); }) {
      return machine_.ApplyToNegated(operation, left, right);
    } else {
      return machine_.Apply(operation, left, machine_.Apply(kNegation, right));
    }
  }

  // A faulting step keeps its target as it was; the fault's number is recorded.
  template <class Step>
  void Trapped(Step&& step) {
    try {
      step();
    } catch (const runtime::RuntimeError& fault) {
      faultRecord_ = static_cast<int16_t>(fault.Number());
    }
  }

  void CloseGap(int& j, int shift) {
    const int first = shift == 1 ? j + 1 : j;
    for (int k = first; k <= count_; ++k) tokens_.Shift(k + shift, k);
    count_ -= shift;
    close_ -= shift;
    j -= shift;
  }

  // A failed function leaves its name where its value belongs: it becomes 0.
  void CheckFault(int j) {
    if (faultRecord_ == 0) return;
    if (!IsNumber(j)) tokens_.Put(j, machine_.Zero());
    lastFault_ = faultRecord_;
    faultRecord_ = 0;
  }

  bool CollapseGroup() {
    if (close_ - open_ > 2 || !IsNumber(open_ + 1)) return false;
    tokens_.Shift(open_ + 1, open_);
    for (int k = open_ + 1; k <= count_; ++k) tokens_.Shift(k + 2, k);
    count_ -= 2;
    return true;
  }

  bool Holds(int k, std::string_view text) const { return Machine::HoldsText(tokens_[k], text); }
  bool IsNumber(int k) const { return Machine::IsNumber(tokens_[k]); }

  Machine& machine_;
  TokenTable<Slot>& tokens_;
  int count_;
  int open_ = 0;
  int close_ = 0;
  int16_t faultRecord_ = 0;
  int16_t lastFault_ = 0;
};

}  // namespace formula
