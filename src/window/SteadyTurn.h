#pragma once

#include <cstdint>

namespace window {

// The pace of the drawing area's "Turn": Θ grows by whole degrees, about one turn in
// six seconds, whatever a redraw costs. The caller asks after each redraw how many
// degrees are due and when to ask again; a redraw slower than the pace turns by a
// few degrees at once, and one far slower drops the backlog instead of racing to
// catch up, so the turn never jumps and never queues redraws behind the user.
class SteadyTurn {
 public:
  static constexpr int DegreesPerSecond = 60;
  // The most a step turns: beyond it the view would jump rather than turn.
  static constexpr int MostDegreesPerStep = 6;

  void Start(int64_t nowMilliseconds);
  void Stop() { turning_ = false; }
  bool Turning() const { return turning_; }

  // The whole degrees to turn by at `nowMilliseconds` to keep the pace; 0 before the
  // next one is due and while stopped.
  int DegreesDue(int64_t nowMilliseconds);
  // How long until the next degree is due.
  int MillisecondsToNextDegree(int64_t nowMilliseconds) const;

 private:
  int64_t DegreesSinceStart(int64_t nowMilliseconds) const;

  bool turning_ = false;
  int64_t start_ = 0;
  int64_t turned_ = 0;
};

}  // namespace window
