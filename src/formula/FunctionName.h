#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace formula {

// The functions of the language, in the order the reduction tries them.
enum class FunctionName : uint8_t { Sin, Cos, Tan, Atn, Exp, Log, Rnd, Sgn, Sqr, Int, Abs };

inline constexpr std::array kFunctionNames = {
    FunctionName::Sin, FunctionName::Cos, FunctionName::Tan, FunctionName::Atn,
    FunctionName::Exp, FunctionName::Log, FunctionName::Rnd, FunctionName::Sgn,
    FunctionName::Sqr, FunctionName::Int, FunctionName::Abs,
};

constexpr std::string_view Spelling(FunctionName name) {
  constexpr std::array<std::string_view, 11> kSpellings = {"SIN", "COS", "TAN", "ATN", "EXP", "LOG",
                                                           "RND", "SGN", "SQR", "INT", "ABS"};
  return kSpellings[static_cast<size_t>(name)];
}

// The binary operators below "^", by pass: "*" and "/", then "MOD", then "+" and "-".
enum class BinaryOperator : uint8_t { Times, Divide, Modulo, Plus, Minus };

constexpr std::string_view Spelling(BinaryOperator op) {
  constexpr std::array<std::string_view, 5> kSpellings = {"*", "/", "MOD", "+", "-"};
  return kSpellings[static_cast<size_t>(op)];
}

}  // namespace formula
