#include "runtime/WorkerPool.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <string_view>
#include <system_error>
#include <utility>

namespace runtime {
namespace {

// A thread starts with the vector register state of the thread that made it, and
// starting Qt leaves the upper halves of the registers in use. On some x86
// processors every SSE instruction of a thread in that state runs many times
// slower (a formula's evaluations about twenty times), so a worker clears them
// before it takes any part.
void ClearUpperVectorHalves() {
#if defined(__x86_64__)
  if (__builtin_cpu_supports("avx")) asm volatile("vzeroupper");
#endif
}

}  // namespace

WorkerPool::WorkerPool(unsigned threads) {
  if (threads < 2) return;
  workers_.reserve(threads);
  for (unsigned k = 0; k < threads; ++k) {
    try {
      workers_.emplace_back([this] { Work(); });
    } catch (const std::system_error&) {
      // The system has no more threads or memory for their stacks: those that
      // started share the work, or the calling thread does it all.
      break;
    }
  }
}

WorkerPool::~WorkerPool() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  for (std::thread& worker : workers_) worker.join();
}

unsigned WorkerPool::ThreadsFromEnvironment() {
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  if (const char* setting = std::getenv("SURFPLOT_THREADS")) {
    const std::string_view text(setting);
    unsigned threads = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), threads);
    const bool whole = end == text.data() + text.size();
    // More threads than a few per core only cost memory and switching; a number too
    // large to read asks for as many as may be.
    const unsigned most = std::min(MostThreadsPerCore * cores, MostThreads);
    if (error == std::errc::result_out_of_range && whole) return most;
    if (error == std::errc() && whole && threads >= 1) return std::min(threads, most);
  }
  return cores;
}

const std::function<void(std::size_t)>* WorkerPool::TakePart(std::size_t& part) {
  const std::lock_guard lock(mutex_);
  if (task_ == nullptr || nextPart_ == parts_) return nullptr;
  part = nextPart_++;
  return task_;
}

// Takes parts until none is left; each ended part is counted, a failed one too.
void WorkerPool::RunParts() {
  std::size_t part = 0;
  while (const auto* task = TakePart(part)) {
    std::exception_ptr failure;
    try {
      (*task)(part);
    } catch (...) {
      failure = std::current_exception();
    }
    const std::lock_guard lock(mutex_);
    if (failure && !failure_) failure_ = failure;
    if (++partsEnded_ == parts_) done_.notify_all();
  }
}

void WorkerPool::Work() {
  ClearUpperVectorHalves();
  unsigned seen = 0;
  for (;;) {
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [&] { return stopping_ || generation_ != seen; });
      if (stopping_) return;
      seen = generation_;
    }
    RunParts();
  }
}

void WorkerPool::Run(std::size_t parts, const std::function<void(std::size_t)>& task,
                     const std::function<void()>& whileWaiting, std::chrono::milliseconds pollInterval) {
  if (parts == 0) return;
  if (workers_.empty()) {
    // No workers: the parts run here, in order, and the waiting hook gets its turns between them.
    for (std::size_t part = 0; part < parts; ++part) {
      task(part);
      if (whileWaiting) whileWaiting();
    }
    return;
  }
  {
    const std::lock_guard lock(mutex_);
    task_ = &task;
    parts_ = parts;
    nextPart_ = 0;
    partsEnded_ = 0;
    failure_ = nullptr;
    ++generation_;
  }
  wake_.notify_all();
  std::unique_lock lock(mutex_);
  while (partsEnded_ != parts_) {
    if (!whileWaiting) {
      done_.wait(lock);
      continue;
    }
    if (!done_.wait_for(lock, pollInterval, [&] { return partsEnded_ == parts_; })) {
      lock.unlock();
      whileWaiting();
      lock.lock();
    }
  }
  task_ = nullptr;
  if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
}

}  // namespace runtime
