#include "picture/GifAnimation.h"

#include <array>
#include <bit>
#include <new>

#include "picture/FrameTimes.h"

namespace picture {
namespace {

constexpr int Hundredths = 100;
constexpr int ColorResolution = 8;

int Write(GifFileType* gif, const GifByteType* bytes, int length) {
  static_cast<OutputFile*>(gif->UserData)
      ->Append(std::string_view(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(length)));
  return length;
}

}  // namespace

GifAnimation::GifAnimation(int size, int fps, OutputFile& file) : fps_(fps) {
  int error = 0;
  gif_ = EGifOpen(&file, Write, &error);
  if (gif_ == nullptr) throw std::bad_alloc();
  // Extensions (the loop and the delays) need the 1989 version.
  EGifSetGifVersion(gif_, true);
  Check(EGifPutScreenDesc(gif_, size, size, ColorResolution, 0, nullptr));
  // The application extension that browsers read as "loop forever".
  static constexpr std::array<GifByteType, 11> Application{'N', 'E', 'T', 'S', 'C', 'A',
                                                           'P', 'E', '2', '.', '0'};
  static constexpr std::array<GifByteType, 3> LoopForever{1, 0, 0};
  Check(EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE));
  Check(EGifPutExtensionBlock(gif_, Application.size(), Application.data()));
  Check(EGifPutExtensionBlock(gif_, LoopForever.size(), LoopForever.data()));
  Check(EGifPutExtensionTrailer(gif_));
}

GifAnimation::~GifAnimation() {
  if (gif_ != nullptr) EGifCloseFile(gif_, nullptr);
}

void GifAnimation::Check(int result) const {
  if (result == GIF_ERROR) throw std::bad_alloc();
}

void GifAnimation::Add(const QImage& frame) {
  const std::vector<GifColorType>& colors = palette_.Index(frame, indices_);
  GraphicsControlBlock timing{};
  timing.DisposalMode = DISPOSE_DO_NOT;
  timing.DelayTime = FrameStart(frames_ + 1, fps_, Hundredths) - FrameStart(frames_, fps_, Hundredths);
  timing.TransparentColor = NO_TRANSPARENT_COLOR;
  ++frames_;
  std::array<GifByteType, 4> extension{};
  EGifGCBToExtension(&timing, extension.data());
  Check(EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, extension.size(), extension.data()));
  // A colour table holds a power of two colours, at least two.
  const int tableSize = static_cast<int>(std::bit_ceil(std::max<std::size_t>(colors.size(), 2)));
  ColorMapObject* table = GifMakeMapObject(tableSize, nullptr);
  if (table == nullptr) throw std::bad_alloc();
  std::copy(colors.begin(), colors.end(), table->Colors);
  const int described = EGifPutImageDesc(gif_, 0, 0, frame.width(), frame.height(), false, table);
  GifFreeMapObject(table);
  Check(described);
  for (int y = 0; y < frame.height(); ++y)
    Check(EGifPutLine(gif_, indices_.data() + static_cast<std::ptrdiff_t>(y) * frame.width(), frame.width()));
}

void GifAnimation::Finish() {
  GifFileType* gif = gif_;
  gif_ = nullptr;
  int error = 0;
  if (EGifCloseFile(gif, &error) == GIF_ERROR) throw std::bad_alloc();
}

}  // namespace picture
