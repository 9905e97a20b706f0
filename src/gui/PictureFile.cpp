#include "gui/PictureFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QSaveFile>

#include "gui/DrawingAreaImage.h"

namespace gui {

std::optional<PictureFormat> FormatOfFileName(const QString& name) {
  const QString suffix = QFileInfo(name).suffix().toLower();
  if (suffix == "png") return PictureFormat::Png;
  if (suffix == "svg") return PictureFormat::Svg;
  return std::nullopt;
}

QByteArray PngBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

QByteArray PictureBytes(PictureFormat format, int size,
                        const std::function<void(render::DrawingSurface&)>& draw) {
  if (format == PictureFormat::Svg) {
    svg::SvgSurface picture = MakePictureSvg(size);
    draw(picture);
    return QByteArray::fromStdString(picture.Document());
  }
  ImageSurface picture = MakePictureImage(size);
  draw(picture);
  return PngBytes(picture.image());
}

std::optional<std::string> WriteFileAtomically(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString().toStdString();
  if (file.write(bytes) != bytes.size() || !file.commit()) {
    const std::string reason = file.errorString().toStdString();
    file.cancelWriting();
    return reason;
  }
  return std::nullopt;
}

}  // namespace gui
