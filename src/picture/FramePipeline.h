#pragma once

#include <QImage>
#include <functional>

#include "render/DrawingSurface.h"

namespace picture {

// Draws frame `frame` onto a picture; false when the frames are to stop (a failed
// draw, a cancel).
using FrameDraw = std::function<bool(int frame, render::DrawingSurface& picture)>;
// Takes a drawn frame (encodes it, writes it); false when the frames are to stop.
using FrameTake = std::function<bool(int frame, const QImage& picture)>;

// Draws `frames` pictures `size` pixels square on the calling thread, and has each
// taken on a thread of its own once drawn, so that frame k is encoded while frame
// k + 1 is drawn. The frames are taken in order, each exactly once, and two
// pictures are held whatever the number of frames. Returns whether every frame was
// drawn and taken; the first false from either side stops the drawing, and frames
// already drawn are still taken. What either side raises is raised here once both
// have stopped. Without a thread to spare, each frame is drawn and taken in turn.
bool DrawAndTakeFrames(int size, int frames, const FrameDraw& draw, const FrameTake& take);

}  // namespace picture
