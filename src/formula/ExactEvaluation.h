#pragma once

#include <string_view>

#include "formula/Evaluation.h"
#include "formula/RandomSequence.h"
#include "formula/Value.h"

namespace formula {

// The reference evaluator: scans and reduces the text anew at every call, each
// slot a dynamic value. formula::Formula (Formula.h) gives the same evaluations bit
// for bit, compiled once per text. RND draws from `random`.
Evaluation EvaluateExactly(std::string_view text, const Value& X, const Value& Y, RandomSequence& random);

}  // namespace formula
