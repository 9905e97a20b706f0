#pragma once

#include <cstdint>
#include <optional>

namespace window {

// A turning picture has 2 frames at least, and at most two a degree of a whole turn.
inline constexpr int FewestTurntableFrames = 2;
inline constexpr int MostTurntableFrames = 720;
inline constexpr double WholeTurn = 360;
inline constexpr int TurntableFps = 24;

// The turn Θ of frame `frame` of `frames` that turn by `turn` degrees in all from
// `start`: start + frame × turn / frames, made whole as every angle of the program
// is, to the nearest degree with halves to the even one. Not reduced by whole turns:
// the program's pi is 3.14, so Θ + 360 is a slightly different view. Nothing where
// the angle leaves the 16-bit range the read-outs and --theta hold.
std::optional<int16_t> TurntableTheta(int16_t start, double turn, int frames, int frame);

}  // namespace window
