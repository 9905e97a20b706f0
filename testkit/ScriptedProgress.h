#pragma once

#include <optional>

#include "runtime/Progress.h"

namespace testkit {

// Progress as a test scripts it: the user asks to stop as soon as a chosen stage has
// begun.
class ScriptedProgress : public runtime::Progress {
 public:
  void BeginStage(runtime::Stage stage, uint64_t) override { cancelled_ = cancelled_ || cancelAt == stage; }
  void Advance(uint64_t) override {}
  bool Cancelled() const override { return cancelled_; }
  void Finish() override {
    ++finished;
    cancelled_ = false;
  }

  std::optional<runtime::Stage> cancelAt;
  int finished = 0;

 private:
  bool cancelled_ = false;
};

}  // namespace testkit
