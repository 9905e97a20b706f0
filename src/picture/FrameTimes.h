#pragma once

#include <cmath>

namespace picture {

// When frame `frame` of an animation at `fps` frames a second starts, in ticks of
// 1 / `ticksPerSecond` s (milliseconds for WebP, hundredths for GIF): frame / fps
// to the nearest tick, halves to the even one. Each frame lasts until the next
// starts, so the durations take turns (24 fps in hundredths: 4, 4, 4, 5, 4, 4, ...)
// and the whole turn keeps its length instead of gathering every frame's rounding.
inline int FrameStart(int frame, int fps, int ticksPerSecond) {
  return static_cast<int>(std::nearbyint(static_cast<double>(frame) * ticksPerSecond / fps));
}

}  // namespace picture
