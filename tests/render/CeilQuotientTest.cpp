#include <gtest/gtest.h>

#include <random>

#include "platform/CeilQuotient.h"

namespace {

int64_t ExactCeil(int64_t a, int64_t b) {
  const __int128 q = static_cast<__int128>(a) / b;
  return static_cast<int64_t>(q + (static_cast<__int128>(a) % b != 0 && a > 0 ? 1 : 0));
}

TEST(CeilQuotient, MatchesIntegerCeilingOnBothSidesOfTheFloatingPointRange) {
  constexpr int64_t Exact = int64_t{1} << 53;
  std::mt19937_64 random(4);
  const int64_t magnitudes[] = {10, 1000, int64_t{1} << 40, Exact - 1, Exact, Exact + 1, int64_t{1} << 62};
  for (const int64_t magnitude : magnitudes) {
    std::uniform_int_distribution<int64_t> numerator(-magnitude, magnitude), denominator(1, 1 << 24);
    for (int trial = 0; trial < 20000; ++trial) {
      const int64_t b = denominator(random);
      // Whole quotients and near misses are where rounding would show.
      const int64_t base = numerator(random) / b * b;
      for (const int64_t a : {base, base + 1, base - 1, numerator(random)}) {
        ASSERT_EQ(platform::CeilQuotient(a, b), ExactCeil(a, b)) << a << " / " << b;
      }
    }
  }
}

}  // namespace
