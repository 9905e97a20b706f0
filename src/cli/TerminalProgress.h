#pragma once

#include <atomic>
#include <chrono>
#include <cstdio>

#include "runtime/Progress.h"

namespace cli {

// A progress bar on standard error for long work, when standard error is a terminal:
// nothing for the first half second, then the stage and how far it got, redrawn in
// place, and wiped when the work is over.
class TerminalProgress : public runtime::Progress {
 public:
  explicit TerminalProgress(std::FILE* terminal);

  void BeginStage(runtime::Stage stage, uint64_t total) override;
  void Advance(uint64_t steps) override { done_ += steps; }
  bool Cancelled() const override { return false; }
  void Poll() override;
  void Finish() override;

 private:
  std::FILE* terminal_;
  bool shown_ = false;
  std::chrono::steady_clock::time_point started_;
  bool working_ = false;
  runtime::Stage stage_ = runtime::Stage::ScanningZRange;
  std::atomic<uint64_t> done_ = 0;
  std::atomic<uint64_t> total_ = 0;
};

}  // namespace cli
