#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "formula/Formula.h"
#include "formula/RandomSequence.h"
#include "testkit/SurfaceAgreement.h"
#include "window/WindowLayout.h"

namespace surface_test {
using namespace surface;
using testkit::Compiled;
using testkit::CompiledForThreads;
using testkit::DrawnSurface;
using testkit::DrawOn;

inline Limits MakeLimits(float xMin, float xMax, float yMin, float yMax, float resolution) {
  Limits limits;
  int k = 0;
  for (const float value : {xMin, xMax, yMin, yMax, resolution}) limits[InputLimits[k++]] = value;
  return limits;
}

// The formula's RND draws from `random`.
inline FormulaPoints Compiled(const std::string& text, formula::RandomSequence& random) {
  auto f = std::make_shared<formula::Formula>(text);
  return {[f, &random](float x, float y) {
            return f->Evaluate(formula::Value::Single(x), formula::Value::Single(y), random);
          },
          f->IsPure()};
}

// The scan and the build on the calling thread alone, unwatched.
inline runtime::WorkerPool& OneThread() {
  static runtime::WorkerPool pool(1);
  return pool;
}

inline int16_t ScanZRange(Limits& limits, const FormulaPoints& formula) {
  runtime::NoProgress progress;
  return surface::ScanZRange(limits, formula, OneThread(), progress).lastParseError;
}

inline void BuildCellTable(const Limits& limits, const Coefficients& coefficients,
                           const FormulaPoints& formula, surface::ColorMode mode, CellTable& cells,
                           runtime::WorkerPool& pool = OneThread()) {
  runtime::NoProgress progress;
  surface::BuildCellTable(limits, coefficients, formula, mode, cells, pool, progress);
}

inline void ExpectSameSurface(const DrawnSurface& drawn, const DrawnSurface& expected) {
  EXPECT_TRUE(drawn == expected) << "ZMin " << drawn.limits.ZMin() << " / " << expected.limits.ZMin()
                                 << ", ZMax " << drawn.limits.ZMax() << " / " << expected.limits.ZMax()
                                 << ", ParseError " << drawn.scanParseError << " / "
                                 << expected.scanParseError;
}

}  // namespace surface_test
