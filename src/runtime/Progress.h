#pragma once

#include <cstdint>

namespace runtime {

// The stages of a draw, as the user is told of them.
enum class Stage { ScanningZRange, BuildingCells, Drawing };

constexpr const char* StageName(Stage stage) {
  switch (stage) {
    case Stage::ScanningZRange:
      return "Finding the Z range";
    case Stage::BuildingCells:
      return "Building the cells";
    case Stage::Drawing:
      return "Drawing";
  }
  return "";
}

// Where long work reports how far it got and learns whether the user asked it to
// stop. Work calls Advance and Cancelled from any of its threads; BeginStage and
// Poll only from the thread that started it, which is the one a window answers on.
class Progress {
 public:
  virtual ~Progress() = default;

  // A stage of `total` steps begins.
  virtual void BeginStage(Stage stage, uint64_t total) = 0;
  // `steps` more steps of the stage are done.
  virtual void Advance(uint64_t steps) = 0;
  // The user asked to stop: work ends at its next check, its results unused.
  virtual bool Cancelled() const = 0;
  // Lets the user see the progress and ask to stop; called now and then while
  // the work runs.
  virtual void Poll() {}
  // The work is over, finished or stopped.
  virtual void Finish() {}
  // Whether anyone polls: if not, the work need not stop now and then to call Poll.
  virtual bool Watched() const { return true; }
};

// For work nobody watches: it never stops early.
class NoProgress : public Progress {
 public:
  void BeginStage(Stage, uint64_t) override {}
  void Advance(uint64_t) override {}
  bool Cancelled() const override { return false; }
  bool Watched() const override { return false; }
};

}  // namespace runtime
