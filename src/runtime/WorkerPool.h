#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace runtime {

// A fixed set of worker threads that share out the parts of one job at a time.
// Parts are numbered, and the caller decides what each covers, so a result put
// together part by part in part order is the same whatever the number of threads.
// One thread means no workers: every part runs on the calling thread, in order.
// With workers the calling thread only waits, so that a window can keep answering
// its user while every core works.
class WorkerPool {
 public:
  // The most threads ThreadsFromEnvironment grants: per core, and in all.
  static constexpr unsigned MostThreadsPerCore = 4;
  static constexpr unsigned MostThreads = 256;

  // Starts the threads; where the system cannot start them all, the pool works with
  // those that started.
  explicit WorkerPool(unsigned threads);
  ~WorkerPool();
  WorkerPool(const WorkerPool&) = delete;
  WorkerPool& operator=(const WorkerPool&) = delete;

  // Threads taking parts.
  unsigned Size() const { return workers_.empty() ? 1 : static_cast<unsigned>(workers_.size()); }

  // Runs task(part) for every part in [0, parts) and returns when all have ended,
  // calling `whileWaiting`, when given, every `pollInterval` meanwhile (between parts
  // when there are no workers). The first exception a part throws is rethrown here
  // once all parts have ended.
  void Run(std::size_t parts, const std::function<void(std::size_t)>& task,
           const std::function<void()>& whileWaiting = {},
           std::chrono::milliseconds pollInterval = std::chrono::milliseconds(20));

  // SURFPLOT_THREADS when set to a whole number from 1, at most MostThreadsPerCore
  // per core and MostThreads, else the machine's cores.
  static unsigned ThreadsFromEnvironment();

 private:
  void Work();
  // The job's task with the next part to run, or null when none is left.
  const std::function<void(std::size_t)>* TakePart(std::size_t& part);
  void RunParts();

  std::vector<std::thread> workers_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable done_;
  // The job in hand; written under the mutex before the generation moves on.
  const std::function<void(std::size_t)>* task_ = nullptr;
  std::size_t parts_ = 0;
  std::size_t nextPart_ = 0;
  std::size_t partsEnded_ = 0;
  std::exception_ptr failure_;
  unsigned generation_ = 0;
  bool stopping_ = false;
};

}  // namespace runtime
