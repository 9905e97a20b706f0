#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>
#include <string>

namespace gui {

enum class PictureFormat { Png, Svg };

// The format a file name asks for by its extension (.png or .svg, any case).
std::optional<PictureFormat> FormatOfFileName(const QString& name);

QByteArray PngBytes(const QImage& image);

// Writes the bytes to a temporary file beside `path` and renames it over `path`, so a
// file that existed before is never left half-written. On failure, the reason.
std::optional<std::string> WriteFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace gui
