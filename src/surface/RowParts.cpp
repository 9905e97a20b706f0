#include "surface/RowParts.h"

#include <algorithm>
#include <atomic>

namespace surface {
namespace {

// About as many cells as the default formula evaluates in a few milliseconds.
constexpr std::size_t CellsPerPart = std::size_t{1} << 16;
constexpr std::size_t PartsPerThread = 8;

}  // namespace

RowParts::RowParts(std::size_t rows, std::size_t cellsPerRow, std::size_t countedCells, unsigned threads)
    : rows_(rows), cellsPerRow_(cellsPerRow), countedCells_(countedCells) {
  const std::size_t bySize = (rows * cellsPerRow + CellsPerPart - 1) / CellsPerPart;
  count_ = std::min(rows, std::max(PartsPerThread * threads, bySize));
}

std::size_t RowParts::Steps(std::size_t part) const {
  const std::size_t first = std::min(FirstRow(part) * cellsPerRow_, countedCells_);
  const std::size_t end = std::min(EndRow(part) * cellsPerRow_, countedCells_);
  return end - first;
}

bool RunParts(const RowParts& parts, bool onPool, runtime::WorkerPool& pool, runtime::Progress& progress,
              const std::function<void(std::size_t part)>& task) {
  std::atomic<bool> cancelled = false;
  const auto runPart = [&](std::size_t part) {
    if (cancelled.load(std::memory_order_relaxed) || progress.Cancelled()) {
      cancelled.store(true, std::memory_order_relaxed);
      return;
    }
    task(part);
    progress.Advance(parts.Steps(part));
  };
  const bool watched = progress.Watched();
  if (onPool) {
    std::function<void()> whileWaiting;
    if (watched) whileWaiting = [&progress] { progress.Poll(); };
    pool.Run(parts.Count(), runPart, whileWaiting);
  } else {
    for (std::size_t part = 0; part < parts.Count() && !cancelled.load(std::memory_order_relaxed); ++part) {
      runPart(part);
      if (watched) progress.Poll();
    }
  }
  return !cancelled.load(std::memory_order_relaxed);
}

bool SharesOut(const FormulaPoints& formula, const runtime::WorkerPool& pool) {
  return formula.pure && (formula.MakeEvaluation || formula.MakeRowEvaluation) && pool.Size() > 1;
}

}  // namespace surface
