#pragma once

#include <QImage>

namespace picture {

// An animation being encoded into a file frame by frame: a frame is encoded when it
// is added, so that no more than the encoder's working copies of the pictures are
// held at once.
class AnimationEncoder {
 public:
  virtual ~AnimationEncoder() = default;
  // A frame of the animation's size, in RGB32.
  virtual void Add(const QImage& frame) = 0;
  // Writes what is left of the file after the last frame.
  virtual void Finish() = 0;
};

}  // namespace picture
