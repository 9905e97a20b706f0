#include "picture/AnimationFile.h"

#include <QFileInfo>
#include <memory>

#include "picture/FramePipeline.h"
#include "picture/GifAnimation.h"
#include "picture/OutputFile.h"
#include "picture/WebpAnimation.h"

namespace picture {

std::optional<AnimationFormat> AnimationFormatOfFileName(const QString& name) {
  const QString suffix = QFileInfo(name).suffix().toLower();
  if (suffix == "webp") return AnimationFormat::Webp;
  if (suffix == "gif") return AnimationFormat::Gif;
  return std::nullopt;
}

std::optional<std::string> WriteAnimation(AnimationFormat format, int size, int frames, int fps,
                                          const std::function<bool(int, render::DrawingSurface&)>& drawFrame,
                                          const std::string& path) {
  OutputFile file(path);
  std::unique_ptr<AnimationEncoder> encoder;
  if (format == AnimationFormat::Webp)
    encoder = std::make_unique<WebpAnimation>(size, fps, file);
  else
    encoder = std::make_unique<GifAnimation>(size, fps, file);
  const auto encode = [&](int, const QImage& picture) {
    encoder->Add(picture);
    return true;
  };
  if (!DrawAndTakeFrames(size, frames, drawFrame, encode)) return std::nullopt;
  encoder->Finish();
  return file.Commit();
}

}  // namespace picture
