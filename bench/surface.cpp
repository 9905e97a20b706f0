// Range scan plus cell table for the default formula, as "Draw Function" runs them,
// at resolutions 100, 300 and 1000, and each stage on its own: the shared-corner path
// that the pure formula takes, through lattice rows as the window hands them over;
// the same path one point at a time, as before there were rows; and the literal path
// (every evaluation) for comparison. The second argument is the number of threads:
// 1, and all the machine has, so that the speed-up shows; timed by the wall clock, as
// the calling thread only waits while the pool works. Reports the largest single
// allocation and the peak of bytes held, counted by the global operator new, and the
// peak resident set of the process.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <thread>

#include "formula/Formula.h"
#include "runtime/Progress.h"
#include "runtime/WorkerPool.h"
#include "surface/CellTableBuilder.h"
#include "surface/Coefficients.h"
#include "surface/CompiledRowEvaluation.h"
#include "surface/ZRangeScan.h"
#include "window/WindowLayout.h"

namespace {

std::atomic<size_t> heldBytes{0}, peakHeldBytes{0}, largestAllocation{0};

void CountAllocation(void* p) {
  const size_t size = malloc_usable_size(p);
  const size_t held = heldBytes += size;
  size_t peak = peakHeldBytes;
  while (held > peak && !peakHeldBytes.compare_exchange_weak(peak, held)) {
  }
  size_t largest = largestAllocation;
  while (size > largest && !largestAllocation.compare_exchange_weak(largest, size)) {
  }
}

}  // namespace

void* operator new(size_t size) {
  void* p = std::malloc(size == 0 ? 1 : size);
  if (!p) throw std::bad_alloc();
  CountAllocation(p);
  return p;
}

void operator delete(void* p) noexcept {
  if (!p) return;
  heldBytes -= malloc_usable_size(p);
  std::free(p);
}

void operator delete(void* p, size_t) noexcept { operator delete(p); }

namespace {

surface::PointEvaluation DefaultEvaluation() {
  auto compiled = std::make_shared<formula::Formula>(std::string(window::DefaultFormula));
  auto random = std::make_shared<formula::RandomSequence>();
  return [compiled, random](float x, float y) {
    return compiled->Evaluate(formula::Value::Single(x), formula::Value::Single(y), *random);
  };
}

enum class Evaluations { Literal, PointByPoint, LatticeRows };

// As the window hands it over: a pure formula can make evaluations and rows for other threads.
surface::FormulaPoints DefaultFormula(Evaluations evaluations) {
  if (evaluations == Evaluations::Literal) return {DefaultEvaluation(), false};
  surface::FormulaPoints formula{DefaultEvaluation(), true, DefaultEvaluation};
  if (evaluations == Evaluations::LatticeRows)
    formula.MakeRowEvaluation = surface::CompiledRowEvaluations(std::string(window::DefaultFormula));
  return formula;
}

surface::Limits DefaultLimits(benchmark::State& state) {
  surface::Limits limits;
  limits.XMin() = limits.YMin() = -1;
  limits.XMax() = limits.YMax() = 1;
  limits.Resolution() = static_cast<float>(state.range(0));
  return limits;
}

// A draw at a new resolution allocates its table afresh (page faults included); a
// redraw at the same resolution writes over the previous table.
void Draw(benchmark::State& state, Evaluations evaluations, bool freshTable) {
  surface::Limits limits = DefaultLimits(state);
  const surface::FormulaPoints formula = DefaultFormula(evaluations);
  runtime::WorkerPool pool(static_cast<unsigned>(state.range(1)));
  runtime::NoProgress progress;
  surface::CellTable cells;
  const size_t heldBefore = heldBytes;
  peakHeldBytes = heldBefore;
  largestAllocation = 0;
  for (auto _ : state) {
    if (freshTable) {
      state.PauseTiming();
      cells = surface::CellTable();
      state.ResumeTiming();
    }
    if (surface::GridRefusal(limits)) state.SkipWithError("refused");
    surface::ScanZRange(limits, formula, pool, progress);
    surface::Coefficients coefficients;
    surface::ComputeCoefficients(limits, coefficients);
    surface::BuildCellTable(limits, coefficients, formula, surface::ColorMode::Colors, cells, pool, progress);
    benchmark::DoNotOptimize(cells.data());
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["table_MB"] = static_cast<double>(cells.size() * sizeof(surface::Cell)) / 1e6;
  state.counters["largest_alloc_MB"] = static_cast<double>(largestAllocation) / 1e6;
  state.counters["peak_held_MB"] = static_cast<double>(peakHeldBytes - heldBefore) / 1e6;
  state.counters["maxrss_MB"] = static_cast<double>(usage.ru_maxrss) / 1e3;
}

void BM_RedrawSharedCorners(benchmark::State& state) { Draw(state, Evaluations::LatticeRows, false); }
void BM_FirstDrawSharedCorners(benchmark::State& state) { Draw(state, Evaluations::LatticeRows, true); }
void BM_RedrawPointByPoint(benchmark::State& state) { Draw(state, Evaluations::PointByPoint, false); }
void BM_RedrawEveryEvaluation(benchmark::State& state) { Draw(state, Evaluations::Literal, false); }

void BM_ScanZRange(benchmark::State& state) {
  surface::Limits limits = DefaultLimits(state);
  const surface::FormulaPoints formula = DefaultFormula(Evaluations::LatticeRows);
  runtime::WorkerPool pool(static_cast<unsigned>(state.range(1)));
  runtime::NoProgress progress;
  for (auto _ : state) benchmark::DoNotOptimize(surface::ScanZRange(limits, formula, pool, progress));
}

// The table of the same size written over, as a redraw at the same resolution does.
void BM_BuildCellTable(benchmark::State& state) {
  surface::Limits limits = DefaultLimits(state);
  const surface::FormulaPoints formula = DefaultFormula(Evaluations::LatticeRows);
  runtime::WorkerPool pool(static_cast<unsigned>(state.range(1)));
  runtime::NoProgress progress;
  surface::ScanZRange(limits, formula, pool, progress);
  surface::Coefficients coefficients;
  surface::ComputeCoefficients(limits, coefficients);
  surface::CellTable cells;
  for (auto _ : state) {
    surface::BuildCellTable(limits, coefficients, formula, surface::ColorMode::Colors, cells, pool, progress);
    benchmark::DoNotOptimize(cells.data());
  }
}

const int64_t AllThreads = std::max(1u, std::thread::hardware_concurrency());

}  // namespace

BENCHMARK(BM_RedrawSharedCorners)
    ->ArgsProduct({{100, 300, 1000}, {1, AllThreads}})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstDrawSharedCorners)
    ->ArgsProduct({{1000}, {1, AllThreads}})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawPointByPoint)
    ->ArgsProduct({{100, 300, 1000}, {1, AllThreads}})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawEveryEvaluation)
    ->ArgsProduct({{100, 300, 1000}, {1, AllThreads}})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanZRange)
    ->ArgsProduct({{300, 1000}, {1, AllThreads}})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildCellTable)
    ->ArgsProduct({{300, 1000}, {1, AllThreads}})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
