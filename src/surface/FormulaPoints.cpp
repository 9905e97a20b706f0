#include "surface/FormulaPoints.h"

#include <utility>

namespace surface {
namespace {

class PointByPointRow final : public RowEvaluation {
 public:
  // Asks `z`, which keeps state of its own between evaluations: it is called, never copied.
  PointByPointRow(const PointEvaluation* z, const std::vector<float>& xs) : z_(z), xs_(xs) {}
  // Asks an evaluation made for this row.
  PointByPointRow(PointEvaluation own, const std::vector<float>& xs)
      : own_(std::move(own)), z_(&own_), xs_(xs) {}
  PointByPointRow(const PointByPointRow&) = delete;
  PointByPointRow& operator=(const PointByPointRow&) = delete;

  void SetY(float Y) override { Y_ = Y; }
  formula::Evaluation At(std::size_t column) override { return (*z_)(xs_[column], Y_); }

 private:
  PointEvaluation own_;
  const PointEvaluation* z_;
  const std::vector<float>& xs_;
  float Y_ = 0;
};

}  // namespace

std::unique_ptr<RowEvaluation> RowEvaluationOf(const FormulaPoints& formula, const std::vector<float>& xs) {
  if (formula.MakeRowEvaluation) return formula.MakeRowEvaluation(xs);
  return std::make_unique<PointByPointRow>(&formula.Z, xs);
}

std::unique_ptr<RowEvaluation> OwnRowEvaluationOf(const FormulaPoints& formula,
                                                  const std::vector<float>& xs) {
  if (formula.MakeRowEvaluation) return formula.MakeRowEvaluation(xs);
  return std::make_unique<PointByPointRow>(formula.MakeEvaluation(), xs);
}

}  // namespace surface
