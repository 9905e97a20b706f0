// Benchmark main: brings up Qt without a display, since drawing text and images
// needs a GUI application object, then runs the benchmarks.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
#if defined(__x86_64__)
  // Starting Qt leaves the upper halves of the vector registers in use on this
  // thread, and on some processors every later SSE instruction then runs several
  // times slower (the range scan at resolution 300: 160 ms instead of 20). Threads
  // started from here on inherit the state, so it is cleared before any of them.
  if (__builtin_cpu_supports("avx")) asm volatile("vzeroupper");
#endif
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
