#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <stdexcept>
#include <thread>
#include <utility>
#include <vector>

#include "runtime/WorkerPool.h"

namespace {

// Every part runs exactly once, for one thread and for several, job after job.
TEST(WorkerPool, RunsEveryPartOnceAndReturnsWhenAllHaveEnded) {
  for (const unsigned threads : {1u, 2u, 5u}) {
    runtime::WorkerPool pool(threads);
    EXPECT_EQ(pool.Size(), threads);
    for (const std::size_t parts : {std::size_t{0}, std::size_t{1}, std::size_t{7}, std::size_t{1000}}) {
      std::vector<std::atomic<int>> runs(parts);
      pool.Run(parts, [&](std::size_t part) { ++runs[part]; });
      for (std::size_t part = 0; part < parts; ++part) ASSERT_EQ(runs[part], 1) << threads << " threads";
    }
  }
}

TEST(WorkerPool, AFailingPartIsRethrownOnceTheOthersHaveEnded) {
  runtime::WorkerPool pool(3);
  std::atomic<int> ended = 0;
  EXPECT_THROW(pool.Run(50,
                        [&](std::size_t part) {
                          ++ended;
                          if (part == 17) throw std::runtime_error("part 17");
                        }),
               std::runtime_error);
  EXPECT_EQ(ended, 50);
  pool.Run(4, [&](std::size_t) { ++ended; });
  EXPECT_EQ(ended, 54) << "the pool works on after a failure";
}

// The number of threads SURFPLOT_THREADS asks for, within what the machine can bear.
TEST(WorkerPoolThreadCount, ATallOrderIsCutDownAndNonsenseIgnored) {
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  const unsigned most = std::min(4 * cores, 256u);
  // Each count, and the settings that must give it.
  const std::pair<unsigned, std::vector<const char*>> rows[] = {
      {1, {"1"}},
      {std::min(2u, most), {"2"}},
      {most, {"100000", "4294967296", "99999999999999999999"}},
      {cores, {"0", "-3", "2x"}}};
  for (const auto& [threads, settings] : rows)
    for (const char* setting : settings) {
      setenv("SURFPLOT_THREADS", setting, 1);
      EXPECT_EQ(runtime::WorkerPool::ThreadsFromEnvironment(), threads) << setting;
    }
  unsetenv("SURFPLOT_THREADS");
}

}  // namespace
