#pragma once

#include <stdexcept>
#include <string>

namespace runtime {

// The run-time error numbers the program distinguishes. The formula language
// reports 5, 6 and 11 through ParseError, so the values are part of its contract.
enum class ErrorNumber : int {
  InvalidProcedureCall = 5,
  Overflow = 6,
  OutOfMemory = 7,
  SubscriptOutOfRange = 9,
  DivisionByZero = 11,
  TypeMismatch = 13,
};

// A run-time error: raised by a failing statement and either skipped by the
// routine that runs it (see ResumeNext.h) or reported by the handler it reaches.
class RuntimeError : public std::runtime_error {
 public:
  explicit RuntimeError(ErrorNumber number);
  RuntimeError(ErrorNumber number, const std::string& description);

  ErrorNumber Number() const { return number_; }

 private:
  ErrorNumber number_;
};

std::string DescribeError(ErrorNumber number);

// The error as the user is told of it: "Run-time error '7':", a blank line and its text.
std::string ErrorReport(const RuntimeError& error);

}  // namespace runtime
