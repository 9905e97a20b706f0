#pragma once

#include <cstddef>
#include <functional>
#include <mutex>
#include <utility>
#include <vector>

#include "runtime/Progress.h"
#include "runtime/WorkerPool.h"
#include "surface/FormulaPoints.h"

namespace surface {

// The rows of a grid walk cut into parts of whole rows, numbered in walk order, for
// one job of the range scan or the cell table. Several parts per thread keep the
// threads busy to the end; parts of bounded size let a cancel take effect soon and
// the progress move in small steps.
class RowParts {
 public:
  // `cellsPerRow` cells in each of `rows` rows, of which the first `countedCells`
  // are the job's steps (a table's end can stop a fill in the middle of a row).
  RowParts(std::size_t rows, std::size_t cellsPerRow, std::size_t countedCells, unsigned threads);

  std::size_t Count() const { return count_; }
  std::size_t FirstRow(std::size_t part) const { return part * rows_ / count_; }
  std::size_t EndRow(std::size_t part) const { return FirstRow(part + 1); }
  // The steps of the part: its counted cells.
  std::size_t Steps(std::size_t part) const;
  std::size_t TotalSteps() const { return countedCells_; }

 private:
  std::size_t rows_;
  std::size_t cellsPerRow_;
  std::size_t countedCells_;
  std::size_t count_;
};

// Runs task(part) for every part, on the pool's threads when `onPool`, otherwise on
// the calling thread in part order, and advances the progress by each part's steps.
// Between parts it asks whether the user cancelled, and then takes no more parts.
// A watched progress is polled: between parts on the calling thread, while waiting
// for the workers otherwise. False when cancelled.
bool RunParts(const RowParts& parts, bool onPool, runtime::WorkerPool& pool, runtime::Progress& progress,
              const std::function<void(std::size_t part)>& task);

// Evaluations of one pure formula for parts that run at once, each made by `make`
// with state of its own: a part takes one for its run and puts it back, so no two
// threads ever evaluate through the same one, and no more are made than threads take
// parts.
template <class Evaluation>
class EvaluationShelf {
 public:
  explicit EvaluationShelf(std::function<Evaluation()> make) : make_(std::move(make)) {}

  Evaluation Take() {
    {
      const std::lock_guard lock(mutex_);
      if (!shelf_.empty()) {
        Evaluation evaluation = std::move(shelf_.back());
        shelf_.pop_back();
        return evaluation;
      }
    }
    // Made outside the lock: compiling the formula again takes a while.
    return make_();
  }

  void PutBack(Evaluation evaluation) {
    const std::lock_guard lock(mutex_);
    shelf_.push_back(std::move(evaluation));
  }

 private:
  std::function<Evaluation()> make_;
  std::mutex mutex_;
  std::vector<Evaluation> shelf_;
};

// Whether the formula's evaluations may be shared out among the pool's threads.
bool SharesOut(const FormulaPoints& formula, const runtime::WorkerPool& pool);

}  // namespace surface
