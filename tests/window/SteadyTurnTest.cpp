#include <gtest/gtest.h>

#include "window/SteadyTurn.h"

TEST(SteadyTurn, KeepsThePaceInWholeDegreesAndDropsABacklog) {
  const std::tuple<const char*, int64_t, int> rows[] = {
      {"before the first degree is due", 16, 0},
      {"the first degree", 17, 1},
      {"a slow redraw turns by a few", 100, 5},
      {"a far slower one by six at most", 2000, 6},
      {"the pace goes on from there, not from the start", 2017, 1},
  };
  window::SteadyTurn turn;
  turn.Start(1000);
  for (const auto& [name, since, due] : rows) EXPECT_EQ(turn.DegreesDue(1000 + since), due) << name;
  turn.Stop();
  EXPECT_EQ(turn.DegreesDue(9000), 0) << "stopped";
}
