#pragma once

#include <cstdint>
#include <string_view>

#include "formula/Value.h"

// The formula evaluator. EvaluateFunction is the exact reference: it scans and
// reduces the text anew on every call. formula::Formula (Formula.h) gives the same
// results bit for bit, compiled once per text.
namespace Module1 {

// Outcome of the last evaluation: 0 fine, -1 malformed, otherwise the number of the
// last arithmetic fault (5, 6 or 11) on the way to a value.
extern int16_t ParseError;

// Evaluates the formula text at X, Y. Returns the value, or an empty value after
// setting ParseError to -1 for a malformed formula. A formula too long for the
// token table raises runtime::RuntimeError (ParseError stays 0, no value comes).
formula::Value EvaluateFunction(std::string_view formulaText, const formula::Value& X,
                                const formula::Value& Y);

// True unless the value is a number.
bool IsNotNumber(const formula::Value& v);

}  // namespace Module1
