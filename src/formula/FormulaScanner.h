#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "formula/LeadingNumber.h"
#include "formula/Operations.h"
#include "formula/TokenTable.h"
#include "runtime/RuntimeError.h"

namespace formula {

// Scans a formula into a token table. The Machine decides what a slot is: it makes
// the slot of a literal (Literal), of a run of letters (Word, which turns "X" and
// "Y" into the arguments) and of an operator text (Text), and tells whether a slot
// holds a given text (HoldsText).
template <class Machine>
class FormulaScanner {
 public:
  using Slot = typename Machine::Slot;

  FormulaScanner(std::string_view formula, Machine& machine, TokenTable<Slot>& tokens)
      : formula_(formula), workingLength_(formula.size() + 2), machine_(machine), tokens_(tokens) {}

  // Fills the table from slot 1 and returns the token count, or -1 for a malformed
  // text. A token beyond slot 100 raises a subscript fault, a character position
  // beyond the 16-bit range an overflow fault.
  int Scan() {
    position_ = 1;
    int slot = 1;
    int depth = 0;
    while (static_cast<size_t>(position_) <= workingLength_) {
      const int c = CharacterAt(position_);
      if (IsLetter(c)) {
        tokens_.Require(slot);
        tokens_.Store(slot, machine_.Word(CollectRun(IsLetter)));
        ++slot;
      } else if (IsDigitOrPoint(c)) {
        tokens_.Require(slot);
        const std::optional<double> value = ScanNumber();
        if (!value) return -1;
        tokens_.Store(slot, machine_.Literal(*value));
        ++slot;
      } else if (c == '^' || c == '*' || c == '/' || c == '(' || c == ')') {
        tokens_.Store(slot, machine_.Text(std::string(1, static_cast<char>(c))));
        if (c == '(') ++depth;
        if (c == ')') --depth;
        Advance();
        ++slot;
      } else if (c == '-') {
        tokens_.Store(slot, machine_.Text(std::string(FollowsOperator(slot) ? kNegation.spelling : "-")));
        Advance();
        ++slot;
      } else if (c == '+') {
        if (!FollowsOperator(slot)) {
          tokens_.Store(slot, machine_.Text("+"));
          ++slot;
        }
        Advance();
      } else if (c == ' ') {
        Advance();
      } else {
        return -1;
      }
    }
    if (depth != 0) return -1;
    return slot - 1;
  }

 private:
  static constexpr int kLastPosition = INT16_MAX;

  static bool IsLetter(int c) { return c >= 'A' && c <= 'Z'; }
  static bool IsDigit(int c) { return c >= '0' && c <= '9'; }
  static bool IsDigitOrPoint(int c) { return IsDigit(c) || c == '.'; }

  // The working text is "(" + formula + ")" in upper case; -1 past its end. Only
  // ASCII letters have a case: any other byte stays as it is and is refused.
  int CharacterAt(int position) const {
    if (position == 1) return '(';
    if (static_cast<size_t>(position) == workingLength_) return ')';
    if (position < 1 || static_cast<size_t>(position) > workingLength_) return -1;
    const auto c = static_cast<unsigned char>(formula_[static_cast<size_t>(position - 2)]);
    return (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c;
  }

  void Advance() {
    if (position_ >= kLastPosition) throw runtime::RuntimeError(runtime::ErrorNumber::Overflow);
    ++position_;
  }

  std::string CollectRun(bool (*belongs)(int)) {
    std::string run;
    while (belongs(CharacterAt(position_))) {
      run += static_cast<char>(CharacterAt(position_));
      Advance();
    }
    return run;
  }

  // Nothing for a second decimal point or a number beyond the 64-bit float range.
  std::optional<double> ScanNumber() {
    std::string digits;
    int points = 0;
    while (IsDigitOrPoint(CharacterAt(position_))) {
      const int c = CharacterAt(position_);
      if (c == '.' && ++points > 1) return std::nullopt;
      digits += static_cast<char>(c);
      Advance();
    }
    return LeadingNumber(digits);
  }

  // A "-" after "(" or an operator between two operands is a negation, a "+" there
  // is dropped.
  bool FollowsOperator(int slot) const {
    const Slot& previous = tokens_[slot - 1];
    if (Machine::HoldsText(previous, "(")) return true;
    for (const Operation& operation : kOperations) {
      if (!operation.IsPrefix() && Machine::HoldsText(previous, operation.spelling)) return true;
    }
    return false;
  }

  std::string_view formula_;
  size_t workingLength_;
  Machine& machine_;
  TokenTable<Slot>& tokens_;
  int position_ = 1;
};

}  // namespace formula
