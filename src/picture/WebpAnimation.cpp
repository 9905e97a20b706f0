#include "picture/WebpAnimation.h"

#include <algorithm>
#include <new>

#include "picture/FrameTimes.h"

namespace picture {
namespace {

constexpr int Milliseconds = 1000;
// The fastest of libwebp's lossless levels: a turning surface changes almost every
// pixel from frame to frame, and the slower levels gain only a few per cent.
constexpr int LosslessLevel = 0;

void Check(int succeeded) {
  if (succeeded == 0) throw std::bad_alloc();
}

}  // namespace

WebpAnimation::WebpAnimation(int size, int fps, OutputFile& file) : file_(file), fps_(fps) {
  WebPAnimEncoderOptions options;
  Check(WebPAnimEncoderOptionsInit(&options));
  options.anim_params.loop_count = 0;  // forever
  encoder_ = WebPAnimEncoderNew(size, size, &options);
  if (encoder_ == nullptr) throw std::bad_alloc();
  Check(WebPConfigInit(&config_) && WebPConfigLosslessPreset(&config_, LosslessLevel) &&
        WebPPictureInit(&picture_));
  picture_.use_argb = 1;
  picture_.width = size;
  picture_.height = size;
  if (!WebPPictureAlloc(&picture_)) {
    WebPAnimEncoderDelete(encoder_);
    throw std::bad_alloc();
  }
}

WebpAnimation::~WebpAnimation() {
  WebPPictureFree(&picture_);
  WebPAnimEncoderDelete(encoder_);
}

void WebpAnimation::Add(const QImage& frame) {
  // RGB32 pixels are 0xffRRGGBB words, as libwebp's ARGB ones.
  for (int y = 0; y < picture_.height; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(frame.constScanLine(y));
    std::copy_n(row, picture_.width, picture_.argb + static_cast<std::ptrdiff_t>(y) * picture_.argb_stride);
  }
  Check(WebPAnimEncoderAdd(encoder_, &picture_, FrameStart(frames_++, fps_, Milliseconds), &config_));
}

void WebpAnimation::Finish() {
  Check(WebPAnimEncoderAdd(encoder_, nullptr, FrameStart(frames_, fps_, Milliseconds), nullptr));
  WebPData data;
  WebPDataInit(&data);
  Check(WebPAnimEncoderAssemble(encoder_, &data));
  file_.Append(std::string_view(reinterpret_cast<const char*>(data.bytes), data.size));
  WebPDataClear(&data);
}

}  // namespace picture
