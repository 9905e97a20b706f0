#pragma once
// Random formula texts from the language's grammar, and arguments, for the tests that
// set the formula's paths against each other.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "BothPaths.h"

namespace formula_test {

inline const std::vector<std::string> kNumbers = {"0",      "0",   "1",     "2",    "0.5",
                                                  ".5",     ".",   "400",   "1000", "710",
                                                  "709.78", "2.5", "32768", "1E5",  "3000000000"};
inline const std::vector<std::string> kOperators = {"+", "-", "*", "/", "^", " MOD ", "^", "/"};
inline const std::vector<std::string> kFunctions = {"SIN", "COS", "TAN", "ATN", "EXP", "LOG", "RND",
                                                    "SGN", "SQR", "INT", "ABS", "LOG", "SQR", "EXP"};

// Formulas from the grammar, numbers where faults lie, mixed case, some broken, a tenth
// random bytes; arguments of every numeric kind.
class RandomInput {
 public:
  explicit RandomInput(uint64_t seed = 0x5EEDF0) : random_(seed) {}

  std::string Formula() {
    budget_ = Chance(0.1) ? 60 : 14;
    std::string text = Below(10) ? Expression(0) : std::string(Below(120), '\0');
    for (char& c : text) c = c ? c : static_cast<char>(random_());
    for (int breaks = Chance(0.3) ? 1 + static_cast<int>(Below(2)) : 0; breaks > 0 && !text.empty();
         --breaks) {
      const size_t at = Below(text.size());
      Chance(0.5) ? text.erase(at, 1) : text.insert(at, 1, "()-*Z.1\t"[Below(8)]);
    }
    for (char& c : text) c = c >= 'A' && c <= 'Z' && Chance(0.2) ? static_cast<char>(c - 'A' + 'a') : c;
    return text;
  }

  Value Argument() {
    const size_t choice = Below(20);
    if (choice < 9) return S(std::vector<float>{0, -0.0f, 1, -1, 0.5f, -2.5f, 400, -400, 1e30f}[Below(9)]);
    if (choice < 17) return S(std::uniform_real_distribution<float>(-5, 5)(random_));
    if (choice == 17) return D(std::uniform_real_distribution<double>(-2, 2)(random_));
    if (choice == 18) return I(Chance(0.3) ? -32768 : static_cast<int16_t>(Below(801)) - 400);
    return L(Chance(0.3) ? INT32_MIN : static_cast<int32_t>(Below(8001)) - 4000);
  }

 private:
  bool Chance(double p) { return std::bernoulli_distribution(p)(random_); }
  size_t Below(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random_); }
  std::string Pick(const std::vector<std::string>& items) { return items[Below(items.size())]; }
  std::string Space() { return Chance(0.5) ? " " : ""; }

  std::string Expression(int depth) {
    std::string text = Term(depth);
    while (budget_ > 0 && Chance(0.55)) text += Space() + Pick(kOperators) + Space() + Term(depth);
    return text;
  }

  std::string Term(int depth) {
    const size_t form = --budget_ <= 0 || depth > 5 ? Below(3) : Below(10);
    if (form == 0) return Chance(0.2) ? std::to_string(Below(100)) : Pick(kNumbers);
    if (form <= 2) return Chance(0.5) ? "X" : "Y";
    if (form <= 4) return Pick(kFunctions) + " " + Term(depth + 1);
    if (form <= 7) return (form < 7 ? Pick(kFunctions) : "") + "(" + Expression(depth + 1) + Space() + ")";
    return Pick({"-", "-", "+", "NEG "}) + Space() + Term(depth + 1);
  }

  std::mt19937_64 random_;
  int budget_ = 0;
};

}  // namespace formula_test
