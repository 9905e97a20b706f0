#pragma once

#include <random>
#include <string>

#include "formula/Value.h"

namespace formula_test {

// Formulas from the grammar of the language, with numbers chosen to reach its
// faults (LOG of negatives, EXP 1000, division by 0, huge powers, negated
// exponents), and some of them broken by a dropped, added or doubled token.
std::string RandomFormula(std::mt19937_64& random);

// An argument as the grid passes it (mostly a 32-bit float, sometimes a value of
// another numeric kind), often one of the values where faults lie.
formula::Value RandomArgument(std::mt19937_64& random);

}  // namespace formula_test
