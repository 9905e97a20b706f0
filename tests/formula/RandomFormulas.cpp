#include "RandomFormulas.h"

#include <cctype>
#include <vector>

namespace formula_test {
namespace {

class FormulaGenerator {
 public:
  explicit FormulaGenerator(std::mt19937_64& random) : random_(random) {}

  std::string Generate() {
    tokens_.clear();
    budget_ = Chance(0.1) ? 60 : 14;
    Expression(0);
    if (Chance(0.3)) Break();
    return Join();
  }

 private:
  bool Chance(double p) { return std::bernoulli_distribution(p)(random_); }
  size_t Below(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random_); }
  template <class T>
  const T& Pick(const std::vector<T>& items) {
    return items[Below(items.size())];
  }

  void Expression(int depth) {
    Term(depth);
    while (budget_ > 0 && Chance(0.55)) {
      tokens_.push_back(Pick<std::string>({"+", "-", "*", "/", "^", "MOD", "^", "/"}));
      Term(depth);
    }
  }

  void Term(int depth) {
    --budget_;
    const bool deep = depth > 5 || budget_ <= 0;
    switch (deep ? Below(3) : Below(10)) {
      case 0:
        tokens_.push_back(Number());
        break;
      case 1:
      case 2:
        tokens_.push_back(Chance(0.5) ? "X" : "Y");
        break;
      case 3:
      case 4:
        tokens_.push_back(Function());
        Term(depth + 1);
        break;
      case 5:
      case 6:
        tokens_.push_back(Function());
        Group(depth);
        break;
      case 7:
        Group(depth);
        break;
      default:
        tokens_.push_back(Pick<std::string>({"-", "-", "+", "NEG"}));
        Term(depth + 1);
        break;
    }
  }

  void Group(int depth) {
    tokens_.push_back("(");
    Expression(depth + 1);
    tokens_.push_back(")");
  }

  std::string Function() {
    return Pick<std::string>({"SIN", "COS", "TAN", "ATN", "EXP", "LOG", "RND", "SGN", "SQR", "INT", "ABS", "LOG",
                              "SQR", "EXP"});
  }

  std::string Number() {
    if (Chance(0.2)) return std::to_string(Below(100));
    if (Chance(0.02)) return "1" + std::string(300, '0');
    return Pick<std::string>({"0",   "1",    "2",          "3",           "0.5",   ".5",     "5.",    "10",
                              "400", "1000", "709.78",     "710",         "1.5",   "2.5",    "32768", "0",
                              ".",   "7",    "2147483648", "3000000000", "1E5", "0.0001", "12.25", "180"});
  }

  // Drops, adds, doubles or swaps tokens.
  void Break() {
    const int breaks = 1 + static_cast<int>(Below(2));
    for (int i = 0; i < breaks && !tokens_.empty(); ++i) {
      const size_t at = Below(tokens_.size());
      switch (Below(4)) {
        case 0:
          tokens_.erase(tokens_.begin() + at);
          break;
        case 1:
          tokens_.insert(tokens_.begin() + at,
                         Pick<std::string>({"(", ")", "-", "+", "*", "NEG", "MOD", "X", "2", "Z", "SIN", ".", "1.2.3"}));
          break;
        case 2:
          tokens_.insert(tokens_.begin() + at, tokens_[at]);
          break;
        default:
          std::swap(tokens_[at], tokens_[Below(tokens_.size())]);
          break;
      }
    }
  }

  // Joins the tokens with spaces where two words or two numbers would merge, and
  // at random elsewhere; mixes the case of words.
  std::string Join() {
    std::string text;
    for (const std::string& token : tokens_) {
      const bool merges = !text.empty() && std::isalnum(static_cast<unsigned char>(text.back())) &&
                          std::isalnum(static_cast<unsigned char>(token.front()));
      if ((merges && !Chance(0.02)) || Chance(0.3)) text += ' ';
      for (char c : token) {
        text += Chance(0.2) ? static_cast<char>(std::tolower(static_cast<unsigned char>(c))) : c;
      }
    }
    return text;
  }

  std::mt19937_64& random_;
  std::vector<std::string> tokens_;
  int budget_ = 0;
};

}  // namespace

std::string RandomFormula(std::mt19937_64& random) { return FormulaGenerator(random).Generate(); }

formula::Value RandomArgument(std::mt19937_64& random) {
  static const std::vector<float> kEdges = {0.0f,  -0.0f,  1.0f,   -1.0f,  0.5f,  -0.5f, 2.5f,   -2.5f,
                                            400.f, -400.f, 1000.f, -1000.f, 1e-3f, 1e30f, -1e30f, 3.1415927f};
  const auto choice = std::uniform_int_distribution<int>(0, 99)(random);
  const float uniform = std::uniform_real_distribution<float>(-5.0f, 5.0f)(random);
  const float edge = kEdges[std::uniform_int_distribution<size_t>(0, kEdges.size() - 1)(random)];
  if (choice < 45) return formula::Value::Single(edge);
  if (choice < 88) return formula::Value::Single(uniform);
  if (choice < 93) return formula::Value::Double(static_cast<double>(uniform) / 3);
  if (choice < 97) {
    static const std::vector<int16_t> kIntegers = {0, 1, -1, 2, 400, -400, 32767, -32768};
    return formula::Value::Integer(kIntegers[std::uniform_int_distribution<size_t>(0, kIntegers.size() - 1)(random)]);
  }
  return formula::Value::Long(choice == 99 ? INT32_MIN : static_cast<int32_t>(uniform * 1000));
}

}  // namespace formula_test
