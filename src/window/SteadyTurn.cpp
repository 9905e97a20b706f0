#include "window/SteadyTurn.h"

#include <algorithm>

namespace window {

void SteadyTurn::Start(int64_t nowMilliseconds) {
  turning_ = true;
  start_ = nowMilliseconds;
  turned_ = 0;
}

int64_t SteadyTurn::DegreesSinceStart(int64_t nowMilliseconds) const {
  return std::max<int64_t>(nowMilliseconds - start_, 0) * DegreesPerSecond / 1000;
}

int SteadyTurn::DegreesDue(int64_t nowMilliseconds) {
  if (!turning_) return 0;
  const int64_t due = DegreesSinceStart(nowMilliseconds);
  const int64_t step = std::min<int64_t>(due - turned_, MostDegreesPerStep);
  // What the step leaves behind is dropped: the pace goes on from here.
  turned_ = due;
  return static_cast<int>(std::max<int64_t>(step, 0));
}

int SteadyTurn::MillisecondsToNextDegree(int64_t nowMilliseconds) const {
  const int64_t nextDue = start_ + ((turned_ + 1) * 1000 + DegreesPerSecond - 1) / DegreesPerSecond;
  return static_cast<int>(std::clamp<int64_t>(nextDue - nowMilliseconds, 0, 1000 / DegreesPerSecond + 1));
}

}  // namespace window
