#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "render/DrawingSurface.h"

namespace gui {

enum class PictureFormat { Png, Svg };

// The format a file name asks for by its extension (.png or .svg, any case).
std::optional<PictureFormat> FormatOfFileName(const QString& name);

QByteArray PngBytes(const QImage& image);

// A picture `size` pixels square in the given format, drawn by `draw` onto the
// matching surface.
QByteArray PictureBytes(PictureFormat format, int size,
                        const std::function<void(render::DrawingSurface&)>& draw);

// Writes the bytes to a temporary file beside `path` and renames it over `path`, so a
// file that existed before is never left half-written. On failure, the reason.
std::optional<std::string> WriteFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace gui
