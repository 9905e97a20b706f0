#pragma once

#include <webp/encode.h>
#include <webp/mux.h>

#include "picture/AnimationEncoder.h"
#include "picture/OutputFile.h"

namespace picture {

// An animated WebP, lossless, looping forever. The encoder keeps the frames it has
// compressed until Finish writes the file. Raises std::bad_alloc when the encoder
// fails, which with frames of its size is only for want of memory.
class WebpAnimation : public AnimationEncoder {
 public:
  WebpAnimation(int size, int fps, OutputFile& file);
  ~WebpAnimation() override;
  WebpAnimation(const WebpAnimation&) = delete;
  WebpAnimation& operator=(const WebpAnimation&) = delete;

  void Add(const QImage& frame) override;
  void Finish() override;

 private:
  OutputFile& file_;
  int fps_;
  int frames_ = 0;
  WebPAnimEncoder* encoder_;
  WebPConfig config_{};
  WebPPicture picture_{};
};

}  // namespace picture
