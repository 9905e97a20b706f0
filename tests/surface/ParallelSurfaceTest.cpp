// The range scan and the cell table shared out among threads give what one thread
// gives, to the bit; the progress hears of every step, and a cancel leaves the
// limits alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "SurfaceFixtures.h"
#include "formula/Evaluation.h"
#include "runtime/RuntimeError.h"
#include "surface/ZRangeReduction.h"

namespace {

using formula::Evaluation;
using formula::Value;
using namespace surface_test;

constexpr unsigned ThreadCounts[] = {2, 3, 8};

uint32_t Bits(float value) { return std::bit_cast<uint32_t>(value); }

// The sequential rule over all values, one at a time.
RunningRange InOneRun(const std::vector<double>& values) {
  RunningRange range;
  for (const double value : values) range.Take(value);
  return range;
}

// The values cut before each index of `cuts`, each run's extremes merged in order.
RunningRange InRuns(const std::vector<double>& values, const std::vector<std::size_t>& cuts) {
  RangeExtremes merged;
  std::size_t begin = 0;
  for (std::size_t k = 0; k <= cuts.size(); ++k) {
    const std::size_t end = k < cuts.size() ? cuts[k] : values.size();
    RangeExtremes run;
    for (std::size_t i = begin; i < end; ++i) run.Take(values[i]);
    merged.Merge(run);
    begin = end;
  }
  return merged.Stored();
}

// Just above the float range, but rounding onto its largest value; and the first
// double that rounds beyond it (the tie goes to the even 2^128).
const double NearFloatMax = static_cast<double>(FLT_MAX) + std::ldexp(1.0, 102);
const double BeyondFloat = static_cast<double>(FLT_MAX) + std::ldexp(1.0, 103);
// Halfway between 0 and the least float: rounds to a zero of its sign.
const double HalfLeastFloat = std::ldexp(1.0, -150);

// The sequences the sequential rule is touchy about: zeros of both signs, values
// that round to -0, ties after rounding, stores that fail beyond the float range.
const struct {
  const char* name;
  std::vector<double> values;
  float min, max;
} Sequences[] = {
    {"none", {}, 0, 0},
    {"-0 stores nothing", {-0.0}, 0, 0},
    {"a tiny negative stores -0", {-1e-300}, -0.0f, 0},
    {"-0 after it", {3, -1e-300, -0.0, 1e-300}, -0.0f, 3},
    {"-0 before it", {-0.0, -HalfLeastFloat, 2}, -0.0f, 2},
    {"a tiny positive keeps +0", {1e-300, HalfLeastFloat}, 0, 0},
    {"tiny negatives, then a value", {-1e-300, -1e-310, -7, -1e-300}, -7, 0},
    {"ties after rounding", {-0.1, -0.1000000001, -0.1f, 0.3, 0.3000000001, 0.3f}, -0.1f, 0.3f},
    {"rounded up, then below it", {-1.00000001, -1.000000001, -1.0}, -1, 0},
    {"beyond the float range fails", {-BeyondFloat, 5, BeyondFloat, -5}, -5, 5},
    {"onto the largest float", {-NearFloatMax, NearFloatMax, 1e300, -1e300}, -FLT_MAX, FLT_MAX},
    {"positives only", {4, 2, 8}, 0, 8},
    {"negatives only", {-4, -2, -8}, -8, 0},
};

TEST(RangeExtremes, EveryCutGivesTheSequentialRange) {
  for (const auto& row : Sequences) {
    SCOPED_TRACE(row.name);
    const RunningRange sequential = InOneRun(row.values);
    EXPECT_EQ(Bits(sequential.min), Bits(row.min));
    EXPECT_EQ(Bits(sequential.max), Bits(row.max));
    for (std::size_t first = 0; first <= row.values.size(); ++first) {
      for (std::size_t second = first; second <= row.values.size(); ++second) {
        const RunningRange cut = InRuns(row.values, {first, second});
        EXPECT_EQ(Bits(cut.min), Bits(sequential.min)) << "cut at " << first << ", " << second;
        EXPECT_EQ(Bits(cut.max), Bits(sequential.max)) << "cut at " << first << ", " << second;
      }
    }
  }
}

// A value from the places where rounding matters: zeros, tiny values, the ends of
// the float range and beyond, a few values repeated to make ties.
double TouchyValue(std::mt19937& random) {
  const double sign = random() % 2 ? -1.0 : 1.0;
  const double magnitudes[] = {0, 1e-300, HalfLeastFloat, 1e-45,   0.1,         0.1f, 1.00000001,
                               1, 7,      NearFloatMax,   FLT_MAX, BeyondFloat, 1e300};
  std::uniform_real_distribution<double> anywhere(-100, 100);
  const std::size_t pick = random() % (std::size(magnitudes) + 2);
  if (pick >= std::size(magnitudes)) return anywhere(random);
  return sign * magnitudes[pick];
}

TEST(RangeExtremes, RandomRunsGiveTheSequentialRange) {
  std::mt19937 random(5150);
  for (int trial = 0; trial < 3000; ++trial) {
    std::vector<double> values(random() % 12);
    for (double& value : values) value = TouchyValue(random);
    std::vector<std::size_t> cuts(random() % 6);
    for (std::size_t& cut : cuts) cut = values.empty() ? 0 : random() % (values.size() + 1);
    std::sort(cuts.begin(), cuts.end());
    const RunningRange sequential = InOneRun(values), cut = InRuns(values, cuts);
    ASSERT_EQ(Bits(cut.min), Bits(sequential.min)) << "trial " << trial;
    ASSERT_EQ(Bits(cut.max), Bits(sequential.max)) << "trial " << trial;
  }
}

// A pure formula of the point alone, so every thread may share it: now and then it
// faults, is malformed, reports an arithmetic fault, or gives an empty, a text, -0, a
// tiny negative, a value beyond float or one of a few tied values, picked by the
// bits of X and Y and a seed.
FormulaPoints TouchyFormula(uint32_t seed) {
  const PointEvaluation z = [seed](float x, float y) {
    const uint32_t hash =
        (std::bit_cast<uint32_t>(x) * 2654435761u) ^ (std::bit_cast<uint32_t>(y) * 40503u) ^ seed;
    const double smooth = std::sin(x * 3.0) * 40 + static_cast<double>(y) * y * (seed % 7);
    switch (hash % 29) {
      case 0:
        return Evaluation::Raised(runtime::ErrorNumber::DivisionByZero);
      case 1:
        return Evaluation::Malformed();
      case 2:
        return Evaluation{Value::Double(smooth), 11};
      case 3:
        return Evaluation{Value()};
      case 4:
        return Evaluation{Value::Text("X")};
      case 5:
        return Evaluation{Value::Double(-0.0)};
      case 6:
        return Evaluation{Value::Double(-1e-300)};
      case 7:
        return Evaluation{Value::Double(smooth * 1e38)};
      case 8:
        return Evaluation{Value::Double(HUGE_VAL), 6};
      case 9:
        return Evaluation{Value::Double((hash >> 8) % 2 ? NearFloatMax : -BeyondFloat)};
      case 10:
      case 11:
        return Evaluation{Value::Single(static_cast<float>((hash >> 8) % 3) - 1.5f)};
      default:
        return hash % 2 ? Evaluation{Value::Single(static_cast<float>(smooth))}
                        : Evaluation{Value::Double(smooth)};
    }
  };
  return {z, true, [z] { return z; }};
}

// Bit for bit: the seven limits, the scan's last ParseError and every cell.
void ExpectSameSurface(const DrawnSurface& shared, const DrawnSurface& alone) {
  EXPECT_EQ(std::memcmp(&shared.limits, &alone.limits, sizeof(Limits)), 0)
      << "ZMin " << shared.limits.ZMin() << " / " << alone.limits.ZMin() << ", ZMax " << shared.limits.ZMax()
      << " / " << alone.limits.ZMax();
  EXPECT_EQ(shared.scanParseError, alone.scanParseError);
  ASSERT_EQ(shared.cells.size(), alone.cells.size());
  if (!alone.cells.empty()) {
    EXPECT_EQ(std::memcmp(shared.cells.data(), alone.cells.data(), alone.cells.size() * sizeof(Cell)), 0);
  }
}

// Ranges now and then far from 0, where the counters move in coarse steps, and
// resolutions whose last table row ends inside a pass of the walk.
TEST(SharedOutDraw, GivesTheSurfaceOfOneThread) {
  std::mt19937 random(7117);
  std::uniform_real_distribution<float> start(-100, 100), width(1e-3f, 50), resolution(1.01f, 40);
  runtime::WorkerPool one(1), two(2), three(3), eight(8);
  runtime::WorkerPool* pools[] = {&two, &three, &eight};
  for (int trial = 0; trial < 120; ++trial) {
    const float xMin = start(random) + (random() % 6 == 0 ? 1e7f : 0), yMin = start(random);
    const auto limits =
        MakeLimits(xMin, xMin + width(random), yMin, yMin + width(random), resolution(random));
    const FormulaPoints formula = TouchyFormula(static_cast<uint32_t>(random()));
    const auto mode = AllColorModes[trial % 4];
    const DrawnSurface alone = DrawOn(one, limits, formula, mode);
    for (runtime::WorkerPool* pool : pools) {
      SCOPED_TRACE("trial " + std::to_string(trial) + ", " + std::to_string(pool->Size()) + " threads");
      ExpectSameSurface(DrawOn(*pool, limits, formula, mode), alone);
    }
  }
}

// Real formulas through compiled programs: faults at some points (a malformed one at
// every point), -0 and ties from INT and SGN, values beyond float, in every mode.
TEST(SharedOutDraw, CompiledFormulasGiveTheSurfaceOfOneThread) {
  const char* texts[] = {
      "(Cos(X) ^ 2 + Sin(Y) ^ 2)", "1 / X + Y", "Int(X * 3) * Sgn(Y)", "-0 * X", "X * 10 ^ 38",
      "Log(X) - Y * 10 ^ 300",     "(X",        "Sqr(Y) * X MOD 3"};
  const Limits grids[] = {MakeLimits(-1, 1, -1, 1, 37), MakeLimits(-2, 3, -1.5f, 1, 23.7f),
                          MakeLimits(-6, 6, 0, 2, 11.2f)};
  runtime::WorkerPool one(1);
  for (const char* text : texts) {
    const FormulaPoints formula = CompiledForThreads(text);
    for (const Limits& limits : grids) {
      for (const ColorMode mode : AllColorModes) {
        const DrawnSurface alone = DrawOn(one, limits, formula, mode);
        for (const unsigned threads : ThreadCounts) {
          SCOPED_TRACE(std::string(text) + ", resolution " + std::to_string(limits.Resolution()) + ", " +
                       std::to_string(threads) + " threads");
          runtime::WorkerPool pool(threads);
          ExpectSameSurface(DrawOn(pool, limits, formula, mode), alone);
        }
      }
    }
  }
}

// Resolution 2.5: 6 rows, 4 reached. A table of the same size is reused as it is: the
// rows beyond the walk read 0 again, and a reached row's failing columns read 0 as in
// a fresh table, on either path.
TEST(SharedOutDraw, AReusedTableReadsAsAFreshOne) {
  const struct {
    const char* formula;
    bool heightsFail;
  } rows[] = {{"X + 5", false}, {"10 ^ 39 + Rnd(1)", true}};
  runtime::WorkerPool pool(3);
  for (const auto& row : rows) {
    SCOPED_TRACE(row.formula);
    Cell sevens;
    sevens.fill(7);
    CellTable cells(6, sevens);
    BuildCellTable(MakeLimits(-1, 1, -1, 1, 2.5f), {1, 1, 1, 0, 0, 0}, CompiledForThreads(row.formula),
                   ColorMode::Colors, cells, pool);
    for (std::size_t r = 0; r < cells.size(); ++r) EXPECT_EQ(cells[r] == Cell{}, r >= 4) << "row " << r;
    for (std::size_t r = 0; r < 4; ++r) {
      EXPECT_EQ(cells[r][MidZ] == 0, row.heightsFail) << "row " << r;
    }
  }
}

// RND's numbers come in the order of one pass whatever the pool: the same range, the
// same table and the same sequence left behind. Its evaluations are never made anew.
TEST(SharedOutDraw, RndKeepsItsOneOrderedPass) {
  const Limits limits = MakeLimits(-1, 1, -1, 1, 9.5f);
  std::vector<DrawnSurface> drawn;
  std::vector<formula::RandomSequence> left;
  for (const unsigned threads : {1u, 2u, 8u}) {
    runtime::WorkerPool pool(threads);
    formula::RandomSequence random;
    FormulaPoints formula = Compiled("Rnd(1) * X + Y", random);
    formula.MakeEvaluation = []() -> PointEvaluation {
      ADD_FAILURE() << "a formula with RND was handed to another thread";
      return {};
    };
    drawn.push_back(DrawOn(pool, limits, formula, ColorMode::RndColors));
    left.push_back(random);
  }
  for (std::size_t k = 1; k < drawn.size(); ++k) {
    ExpectSameSurface(drawn[k], drawn[0]);
    EXPECT_TRUE(left[k] == left[0]) << "pool " << k;
  }
}

// Counts what the work reports, from any thread; cancels once `cancelAfter` steps
// of the stage `cancelIn` are done.
class CountingProgress : public runtime::Progress {
 public:
  CountingProgress(runtime::Stage cancelIn, uint64_t cancelAfter, bool watched)
      : cancelIn_(cancelIn), cancelAfter_(cancelAfter), watched_(watched) {}

  void BeginStage(runtime::Stage stage, uint64_t total) override {
    if (std::this_thread::get_id() != caller_) offCaller_ = true;
    stages_.push_back({stage, total});
    stage_ = stage;
    done_ = 0;
  }
  void Advance(uint64_t steps) override { done_ += steps; }
  bool Cancelled() const override { return stage_ == cancelIn_ && done_ >= cancelAfter_; }
  void Poll() override {
    if (std::this_thread::get_id() != caller_) offCaller_ = true;
    ++polls_;
  }
  bool Watched() const override { return watched_; }

  struct Begun {
    runtime::Stage stage;
    uint64_t total;
  };
  const std::vector<Begun>& Stages() const { return stages_; }
  uint64_t Done() const { return done_; }
  int Polls() const { return polls_; }
  bool CalledOffTheCaller() const { return offCaller_; }

 private:
  const runtime::Stage cancelIn_;
  const uint64_t cancelAfter_;
  const bool watched_;
  const std::thread::id caller_ = std::this_thread::get_id();
  std::vector<Begun> stages_;
  std::atomic<runtime::Stage> stage_ = runtime::Stage::Drawing;
  std::atomic<uint64_t> done_ = 0;
  int polls_ = 0;
  bool offCaller_ = false;
};

constexpr auto Never = uint64_t{1} << 62;

// On the calling thread, shared out, and kept to one ordered pass by RND.
const struct {
  unsigned threads;
  const char* formula;
} ProgressRuns[] = {{1, "X * Y"}, {3, "X * Y"}, {3, "Rnd(1)"}};

// 37 points of X by 37 of Y at resolution 37 (the counter steps past 1 by rounding),
// 36 x 36 cells of a table of 1369 rows. Every step of each stage is reported, the
// stages begun and polled on the calling thread.
TEST(ProgressOfTheDraw, EveryStepIsReported) {
  const Limits limits = MakeLimits(-1, 1, -1, 1, 37);
  for (const auto& row : ProgressRuns) {
    SCOPED_TRACE(std::to_string(row.threads) + " threads, " + row.formula);
    runtime::WorkerPool pool(row.threads);
    CountingProgress progress(runtime::Stage::Drawing, Never, true);
    const FormulaPoints formula = CompiledForThreads(row.formula);
    Limits scanned = limits;
    const ZRangeScanResult scan = surface::ScanZRange(scanned, formula, pool, progress);
    EXPECT_TRUE(scan.completed);
    const uint64_t points = progress.Done();
    Coefficients coefficients;
    ComputeCoefficients(scanned, coefficients);
    CellTable cells;
    EXPECT_TRUE(
        surface::BuildCellTable(scanned, coefficients, formula, ColorMode::Grid, cells, pool, progress));
    ASSERT_EQ(progress.Stages().size(), 2u);
    EXPECT_EQ(progress.Stages()[0].stage, runtime::Stage::ScanningZRange);
    EXPECT_EQ(progress.Stages()[0].total, 37u * 37u);
    EXPECT_EQ(points, 37u * 37u);
    EXPECT_EQ(progress.Stages()[1].stage, runtime::Stage::BuildingCells);
    EXPECT_EQ(progress.Stages()[1].total, 36u * 36u);
    EXPECT_EQ(progress.Done(), 36u * 36u);
    EXPECT_FALSE(progress.CalledOffTheCaller());
  }
}

// Polled between parts when the work runs on the calling thread; never when nobody watches.
TEST(ProgressOfTheDraw, AWatchedOneIsPolled) {
  for (const bool watched : {true, false}) {
    runtime::WorkerPool pool(1);
    CountingProgress progress(runtime::Stage::Drawing, Never, watched);
    Limits limits = StartupLimits();
    surface::ScanZRange(limits, CompiledForThreads("X"), pool, progress);
    EXPECT_EQ(progress.Polls() > 0, watched) << "watched " << watched;
  }
}

// A cancel between parts stops the work early: a cancelled scan leaves the limits as
// they were, a cancelled build reports it. Resolution 300 makes more parts than one.
TEST(ProgressOfTheDraw, ACancelStopsTheWorkAndLeavesTheLimits) {
  for (const auto cancelIn : {runtime::Stage::ScanningZRange, runtime::Stage::BuildingCells})
    for (const auto& row : ProgressRuns) {
      SCOPED_TRACE(std::to_string(row.threads) + " threads, " + row.formula + ", cancel in stage " +
                   std::to_string(static_cast<int>(cancelIn)));
      runtime::WorkerPool pool(row.threads);
      CountingProgress progress(cancelIn, 1, false);
      const FormulaPoints formula = CompiledForThreads(row.formula);
      Limits limits = MakeLimits(-1, 1, -1, 1, 300);
      limits.ZMin() = -123;
      limits.ZMax() = 456;
      const Limits before = limits;
      const ZRangeScanResult scan = surface::ScanZRange(limits, formula, pool, progress);
      const bool scanCancelled = cancelIn == runtime::Stage::ScanningZRange;
      EXPECT_EQ(scan.completed, !scanCancelled);
      if (scanCancelled) {
        EXPECT_EQ(std::memcmp(&limits, &before, sizeof(Limits)), 0);
        EXPECT_LT(progress.Done(), progress.Stages().back().total);
        continue;
      }
      Coefficients coefficients;
      ComputeCoefficients(limits, coefficients);
      CellTable cells;
      EXPECT_FALSE(
          surface::BuildCellTable(limits, coefficients, formula, ColorMode::Grid, cells, pool, progress));
      EXPECT_LT(progress.Done(), progress.Stages().back().total);
    }
}

}  // namespace
