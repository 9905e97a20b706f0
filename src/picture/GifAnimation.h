#pragma once

#include <gif_lib.h>

#include <vector>

#include "picture/AnimationEncoder.h"
#include "picture/GifPalette.h"
#include "picture/OutputFile.h"

namespace picture {

// An animated GIF, looping forever, each frame with its own colour table (see
// GifPalette) and compressed by giflib as it is added. Raises std::bad_alloc when
// giflib fails: its bytes go to the file, which keeps a failure to write for its
// Commit, so giflib fails only for want of memory.
class GifAnimation : public AnimationEncoder {
 public:
  GifAnimation(int size, int fps, OutputFile& file);
  ~GifAnimation() override;
  GifAnimation(const GifAnimation&) = delete;
  GifAnimation& operator=(const GifAnimation&) = delete;

  void Add(const QImage& frame) override;
  void Finish() override;

 private:
  void Check(int result) const;

  int fps_;
  int frames_ = 0;
  GifFileType* gif_;
  GifPalette palette_;
  std::vector<GifPixelType> indices_;
};

}  // namespace picture
