#pragma once

#include <gif_lib.h>

#include <QImage>
#include <cstdint>
#include <vector>

namespace picture {

// The colours of the frames of a GIF, which holds at most 256 per frame. A frame of
// no more (Grid, Lines and Colors draw a few dozen) keeps its colours exactly; a
// frame of more (Rnd Colors mixes a colour per height) takes the nearest colours of
// one palette, made once by giflib's quantizer from the first such frame and shared
// by every later one, so that the colours stay put while the surface turns.
class GifPalette {
 public:
  // Sets `indices` to the frame's pixels as indices into the colours returned,
  // row by row.
  const std::vector<GifColorType>& Index(const QImage& frame, std::vector<GifPixelType>& indices);

 private:
  bool IndexExactly(const QImage& frame, std::vector<GifPixelType>& indices);
  void IndexByShared(const QImage& frame, std::vector<GifPixelType>& indices);
  void MakeShared(const QImage& frame);

  std::vector<GifColorType> exact_;
  std::vector<GifColorType> shared_;
  // The shared palette's nearest colour to each colour of 5 bits a channel.
  std::vector<GifPixelType> nearest_;
  // The exact colours' table: an open-addressed hash of the pixels seen.
  std::vector<uint32_t> keys_;
  std::vector<GifPixelType> slots_;
};

}  // namespace picture
