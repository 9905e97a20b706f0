#include "runtime/RuntimeError.h"

namespace runtime {

std::string DescribeError(ErrorNumber number) {
  switch (number) {
    case ErrorNumber::InvalidProcedureCall:
      return "Invalid procedure call or argument";
    case ErrorNumber::Overflow:
      return "Overflow";
    case ErrorNumber::OutOfMemory:
      return "Out of memory";
    case ErrorNumber::SubscriptOutOfRange:
      return "Subscript out of range";
    case ErrorNumber::DivisionByZero:
      return "Division by zero";
    case ErrorNumber::TypeMismatch:
      return "Type mismatch";
  }
  return "Run-time error";
}

std::string ErrorReport(const RuntimeError& error) {
  return "Run-time error '" + std::to_string(static_cast<int>(error.Number())) + "':\n\n" + error.what();
}

RuntimeError::RuntimeError(ErrorNumber number) : RuntimeError(number, DescribeError(number)) {}

RuntimeError::RuntimeError(ErrorNumber number, const std::string& description)
    : std::runtime_error(description), number_(number) {}

}  // namespace runtime
