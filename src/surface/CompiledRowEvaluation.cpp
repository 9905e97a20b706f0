#include "surface/CompiledRowEvaluation.h"

#include <utility>

#include "formula/LatticeEvaluation.h"

namespace surface {
namespace {

class CompiledRowEvaluation final : public RowEvaluation {
 public:
  CompiledRowEvaluation(const std::string& text, const std::vector<float>& xs) : lattice_(text, xs) {}

  void SetY(float Y) override { lattice_.SetY(Y); }
  formula::Evaluation At(std::size_t column) override { return lattice_.At(column); }

 private:
  formula::LatticeEvaluation lattice_;
};

}  // namespace

RowEvaluationMaker CompiledRowEvaluations(std::string text) {
  return [text = std::move(text)](const std::vector<float>& xs) -> std::unique_ptr<RowEvaluation> {
    return std::make_unique<CompiledRowEvaluation>(text, xs);
  };
}

}  // namespace surface
