// The number of threads SURFPLOT_THREADS asks for, within what the machine can bear.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <thread>

#include "runtime/WorkerPool.h"

namespace {

TEST(WorkerPoolThreadCount, ATallOrderIsCutDownAndNonsenseIgnored) {
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  const unsigned most = std::min(4 * cores, 256u);
  const struct {
    const char* setting;
    unsigned threads;
  } rows[] = {
      {"1", 1},
      {"2", std::min(2u, most)},
      {"100000", most},
      {"4294967295", most},
      {"99999999999999999999", most},
      {"0", cores},
      {"-3", cores},
      {"2x", cores},
  };
  for (const auto& row : rows) {
    setenv("SURFPLOT_THREADS", row.setting, 1);
    EXPECT_EQ(runtime::WorkerPool::ThreadsFromEnvironment(), row.threads) << row.setting;
  }
  unsetenv("SURFPLOT_THREADS");
}

}  // namespace
