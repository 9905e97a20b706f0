// The number of threads SURFPLOT_THREADS asks for, within what the machine can bear.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <thread>
#include <utility>
#include <vector>

#include "runtime/WorkerPool.h"

namespace {

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
