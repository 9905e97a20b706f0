#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
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

}  // namespace
