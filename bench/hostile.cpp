// Measures the program's logic under hostile use: a draw at the largest resolution
// the memory cap allows, the fastest drag over a 1000-resolution surface, redraws at
// both bounds of the scale, formulas as long as the Code box takes, and 10,000 draws
// with ever-changing inputs. Memory figures are counters in MB: rss_* are resident
// sizes at the named moment, peak_rss the most ever resident in the process.
// Run: build/bench/bench_hostile (one benchmark: --benchmark_filter=TenThousand)
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "ChangingInputs.h"
#include "ResidentMemory.h"
#include "surface/CellTableSize.h"
#include "testkit/RecordingControls.h"
#include "window/PlotWindow.h"

namespace {

constexpr int16_t LeftButton = 1;

double Megabytes(std::size_t bytes) { return static_cast<double>(bytes) / (1 << 20); }

// A loaded window over recorded controls, drawn with the default formula and ranges
// at the given resolution.
struct DrawnWindow {
  explicit DrawnWindow(int resolution) : form(controls) {
    form.Load();
    controls.Number(window::NumberBox::Resolution) = std::to_string(resolution);
    form.Draw();
  }
  testkit::RecordingControls controls;
  window::PlotWindow form;
};

void BM_DrawAtMemoryCap(benchmark::State& state) {
  const int largest = surface::LargestFittingResolution();
  const std::size_t before = ResidentBytes();
  std::unique_ptr<DrawnWindow> window;
  for (auto _ : state) window = std::make_unique<DrawnWindow>(largest);
  state.counters["resolution"] = largest;
  state.counters["messages"] = static_cast<double>(window->controls.messages.size());
  state.counters["rss_before"] = Megabytes(before);
  state.counters["rss_after_draw"] = Megabytes(ResidentBytes());
  state.counters["peak_rss"] = Megabytes(PeakResidentBytes());
  // The next one up is refused and changes nothing.
  window->controls.Number(window::NumberBox::Resolution) = std::to_string(largest + 1);
  window->form.Draw();
  state.counters["refusals_one_up"] = static_cast<double>(window->controls.messages.size());
  // A small draw afterwards: what the window keeps from the large one.
  window->controls.Number(window::NumberBox::Resolution) = "12";
  window->form.Draw();
  window->form.Turn(LeftButton, 40, 40);
  state.counters["rss_after_small_draw"] = Megabytes(ResidentBytes());
}
BENCHMARK(BM_DrawAtMemoryCap)->Iterations(1)->Unit(benchmark::kSecond);

// Every mouse-move event of a drag redraws; the fastest drag moves the pointer
// by a pixel or more between events, so every redraw reorders the cells anew.
void BM_FastDragRedraw(benchmark::State& state) {
  DrawnWindow window(static_cast<int>(state.range(0)));
  int event = 0;
  for (auto _ : state) {
    const float x = static_cast<float>(event % 326), y = static_cast<float>((event * 7) % 326);
    window.form.Turn(LeftButton, x, y);
    ++event;
  }
  state.counters["rss_after"] = Megabytes(ResidentBytes());
  state.counters["messages"] = static_cast<double>(window.controls.messages.size());
}
BENCHMARK(BM_FastDragRedraw)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_RedrawAtScaleBound(benchmark::State& state) {
  DrawnWindow window(static_cast<int>(state.range(0)));
  window.controls.scale = static_cast<int32_t>(state.range(1));
  for (auto _ : state) window.form.ScaleChanged();
  state.counters["messages"] = static_cast<double>(window.controls.messages.size());
}
BENCHMARK(BM_RedrawAtScaleBound)->Args({100, 50000})->Args({100, -50000})->Unit(benchmark::kMillisecond);

// Formulas as long as the Code box takes (32767 characters) or as the evaluator
// scans (32764): refused at once; evaluated through the compiled path; and one
// whose every point fails, so that every evaluation goes through the exact
// evaluator, which scans the whole text again each time.
std::string LongFormula(int kind) {
  constexpr std::size_t BoxLimit = 32767, LongestScanned = 32764;
  std::string text;
  switch (kind) {
    case 0:
      while (text.size() < BoxLimit) text += "X+";
      text.resize(BoxLimit);
      break;
    case 1:
      text = "X / Y";
      text.resize(LongestScanned, ' ');
      break;
    default:
      text = "1 / 0";
      text.resize(LongestScanned, ' ');
      break;
  }
  return text;
}

void BM_DrawLongFormula(benchmark::State& state) {
  DrawnWindow window(static_cast<int>(state.range(1)));
  window.controls.formula = LongFormula(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    window.form.Draw();
    window.controls.messages.clear();
    window.controls.pointerChanges.clear();
  }
}
BENCHMARK(BM_DrawLongFormula)
    ->ArgNames({"kind", "resolution"})
    ->Args({0, 12})
    ->Args({1, 12})
    ->Args({1, 100})
    ->Args({2, 12})
    ->Args({2, 30})
    ->Unit(benchmark::kMillisecond);

void BM_TenThousandDraws(benchmark::State& state) {
  constexpr int Draws = 10000;
  std::size_t before = 0, half = 0, peakWindow = 0, messages = 0, quiet = 0;
  for (auto _ : state) {
    DrawnWindow window(12);
    ChangingInputs user(window.controls, window.form, 2024);
    before = ResidentBytes();
    for (int i = 0; i < Draws; ++i) {
      user.Round();
      if (i % 100 == 0) peakWindow = std::max(peakWindow, ResidentBytes());
      if (i == Draws / 2) half = ResidentBytes();
    }
    messages = user.MessagesSeen();
    quiet = user.QuietRounds();
    state.counters["rss_after"] = Megabytes(ResidentBytes());
  }
  state.counters["draws"] = Draws;
  state.counters["rss_before"] = Megabytes(before);
  state.counters["rss_halfway"] = Megabytes(half);
  state.counters["rss_max_sampled"] = Megabytes(peakWindow);
  state.counters["rounds_without_message"] = static_cast<double>(quiet);
  state.counters["messages"] = static_cast<double>(messages);
}
BENCHMARK(BM_TenThousandDraws)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
