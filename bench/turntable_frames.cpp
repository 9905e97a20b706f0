// The cost of one frame of a turning picture, in its two parts: the draw (the cell
// table turned to the frame's angle and painted, as --frames and "Save Turntable
// As..." draw each frame) at several resolutions and thread counts, and the encoding
// of a drawn 326-pixel frame into each output, which runs beside the next frame's
// draw. A frame costs about the larger of the two.
// Run: build/bench/bench_turntable_frames
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "picture/DrawingAreaImage.h"
#include "picture/GifAnimation.h"
#include "picture/OutputFile.h"
#include "picture/PictureFile.h"
#include "picture/WebpAnimation.h"
#include "testkit/RecordingControls.h"
#include "window/PlotWindow.h"

namespace {

constexpr int FrameSize = 326;
constexpr int FramesPerTurn = 72;
constexpr int DegreesPerFrame = 360 / FramesPerTurn;

// The default surface drawn at `resolution` on `threads` threads, ready to turn.
struct DrawnSurface {
  testkit::RecordingControls controls;
  std::unique_ptr<window::PlotWindow> window;

  DrawnSurface(int resolution, int threads) {
    setenv("SURFPLOT_THREADS", std::to_string(threads).c_str(), 1);
    window = std::make_unique<window::PlotWindow>(controls);
    window->Load();
    controls.Number(window::NumberBox::Resolution) = std::to_string(resolution);
    window->Draw();
  }
};

int16_t FrameTheta(int frame) { return static_cast<int16_t>(window::StartTheta + frame * DegreesPerFrame); }

void BM_TurnedFrameDraw(benchmark::State& state) {
  DrawnSurface surface(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  picture::ImageSurface frame = picture::MakePictureImage(FrameSize);
  int k = 0;
  for (auto _ : state) surface.window->DrawTurnedOn(FrameTheta(k++ % FramesPerTurn), frame);
}
BENCHMARK(BM_TurnedFrameDraw)
    ->ArgsProduct({{300, 1000}, {1, 2}})
    ->ArgNames({"resolution", "threads"})
    ->Unit(benchmark::kMillisecond);

// A turn of frames of the default surface at resolution 300, drawn once.
const std::vector<QImage>& TurnFrames() {
  static const std::vector<QImage> frames = [] {
    DrawnSurface surface(300, 2);
    std::vector<QImage> drawn;
    for (int k = 0; k < FramesPerTurn; ++k) {
      picture::ImageSurface frame = picture::MakePictureImage(FrameSize);
      surface.window->DrawTurnedOn(FrameTheta(k), frame);
      drawn.push_back(frame.image());
    }
    return drawn;
  }();
  return frames;
}

// Encodes the turn's frames in order, one per iteration, into a fresh animation
// each turn; the file is written to a temporary file and never put in place.
template <class Encoder>
void BM_EncodeAnimationFrame(benchmark::State& state) {
  const std::vector<QImage>& frames = TurnFrames();
  std::unique_ptr<picture::OutputFile> file;
  std::unique_ptr<Encoder> encoder;
  std::size_t k = 0;
  for (auto _ : state) {
    if (k % frames.size() == 0) {
      state.PauseTiming();
      encoder.reset();
      file = std::make_unique<picture::OutputFile>("/dev/null");
      encoder = std::make_unique<Encoder>(FrameSize, 24, *file);
      state.ResumeTiming();
    }
    encoder->Add(frames[k++ % frames.size()]);
  }
}
BENCHMARK(BM_EncodeAnimationFrame<picture::WebpAnimation>)
    ->Name("BM_EncodeFrame/webp")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeAnimationFrame<picture::GifAnimation>)
    ->Name("BM_EncodeFrame/gif")
    ->Unit(benchmark::kMillisecond);

void BM_EncodePngFrame(benchmark::State& state) {
  const std::vector<QImage>& frames = TurnFrames();
  std::size_t k = 0;
  for (auto _ : state) {
    picture::OutputFile file("/dev/null");
    picture::AppendPng(frames[k++ % frames.size()], file);
  }
}
BENCHMARK(BM_EncodePngFrame)->Name("BM_EncodeFrame/png")->Unit(benchmark::kMillisecond);

}  // namespace
