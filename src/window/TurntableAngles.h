#pragma once

#include <cstdint>
#include <optional>

namespace window {

// The turn Θ of frame `frame` of `frames` that turn by `turn` degrees in all from
// `start`: start + frame × turn / frames, made whole as every angle of the program
// is, to the nearest degree with halves to the even one. Not reduced by whole turns:
// the program's pi is 3.14, so Θ + 360 is a slightly different view. Nothing where
// the angle leaves the 16-bit range the read-outs and --theta hold.
std::optional<int16_t> TurntableTheta(int16_t start, double turn, int frames, int frame);

}  // namespace window
