#include "picture/PictureFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <new>

#include "picture/DrawingAreaImage.h"
#include "picture/OutputFile.h"

namespace picture {
namespace {

QByteArray PngBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  // Into memory, saving fails only for want of it.
  if (!image.save(&buffer, "PNG")) throw std::bad_alloc();
  return bytes;
}

}  // namespace

std::optional<PictureFormat> FormatOfFileName(const QString& name) {
  const QString suffix = QFileInfo(name).suffix().toLower();
  if (suffix == "png") return PictureFormat::Png;
  if (suffix == "svg") return PictureFormat::Svg;
  return std::nullopt;
}

bool DrawPicture(PictureFormat format, int size, const std::function<bool(render::DrawingSurface&)>& draw,
                 OutputFile& file) {
  if (format == PictureFormat::Svg) {
    svg::SvgSurface picture = MakePictureSvg(size, &file);
    if (!draw(picture)) return false;
    picture.Finish();
  } else {
    ImageSurface picture = MakePictureImage(size);
    if (!draw(picture)) return false;
    AppendPng(picture.image(), file);
  }
  return true;
}

void AppendPng(const QImage& image, OutputFile& file) {
  const QByteArray bytes = PngBytes(image);
  file.Append(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

std::optional<std::string> WritePicture(PictureFormat format, int size,
                                        const std::function<bool(render::DrawingSurface&)>& draw,
                                        const std::string& path) {
  OutputFile file(path);
  if (!DrawPicture(format, size, draw, file)) return std::nullopt;
  return file.Commit();
}

}  // namespace picture
