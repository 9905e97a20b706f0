#include "picture/AnimationFile.h"

#include <QFileInfo>
#include <memory>

#include "picture/DrawingAreaImage.h"
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
  ImageSurface picture = MakePictureImage(size);
  std::unique_ptr<AnimationEncoder> encoder;
  if (format == AnimationFormat::Webp)
    encoder = std::make_unique<WebpAnimation>(size, fps, file);
  else
    encoder = std::make_unique<GifAnimation>(size, fps, file);
  for (int frame = 0; frame < frames; ++frame) {
    if (!drawFrame(frame, picture)) return std::nullopt;
    encoder->Add(picture.image());
  }
  encoder->Finish();
  return file.Commit();
}

}  // namespace picture
