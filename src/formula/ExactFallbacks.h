#pragma once

#include <cstdint>

namespace formula {

// How many evaluations of formula::Formula so far went to the exact evaluator
// because the compiled program could not give the answer (a fault there that the
// program cannot follow, or arguments the program was not compiled for).
uint64_t ExactFallbacks();

}  // namespace formula
