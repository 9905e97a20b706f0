#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>

#include "runtime/WorkerPool.h"

namespace render {

// The share of `count` items that part `part` of `parts` takes: [first, end).
struct PartRange {
  std::size_t first;
  std::size_t end;
};

inline PartRange PartOf(std::size_t count, std::size_t parts, std::size_t part) {
  return {count * part / parts, count * (part + 1) / parts};
}

// One part per thread of the pool, but no part under `least` items: handing out a
// part costs a thread's wake-up, far more than a few thousand items of work.
inline std::size_t PartsFor(std::size_t count, const runtime::WorkerPool& pool, std::size_t least) {
  return std::clamp<std::size_t>(count / least, 1, pool.Size());
}

// Runs task(part) for every part, on the calling thread alone when there is one.
// The task is handed over by reference, so that no redraw allocates a copy of it.
template <class Task>
void RunParts(runtime::WorkerPool& pool, std::size_t parts, const Task& task) {
  if (parts == 1) {
    task(std::size_t{0});
    return;
  }
  pool.Run(parts, std::function<void(std::size_t)>(std::cref(task)));
}

}  // namespace render
