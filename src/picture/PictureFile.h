#pragma once

#include <QImage>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "render/DrawingSurface.h"

namespace picture {

class OutputFile;

enum class PictureFormat { Png, Svg };

// The format a file name asks for by its extension (.png or .svg, any case).
std::optional<PictureFormat> FormatOfFileName(const QString& name);

// Draws a picture `size` pixels square in the given format with `draw`, onto the
// matching surface, and writes it to `path` (see OutputFile; "-" is standard output)
// unless `draw` says it failed; an SVG document goes to the file as it is made. The
// system's reason when the file could not be written. Raises std::bad_alloc when the
// memory for the picture cannot be had; the file is then left as it was.
std::optional<std::string> WritePicture(PictureFormat format, int size,
                                        const std::function<bool(render::DrawingSurface&)>& draw,
                                        const std::string& path);
// The same into `file`, left for the caller to commit; false when `draw` said it failed.
bool DrawPicture(PictureFormat format, int size, const std::function<bool(render::DrawingSurface&)>& draw,
                 OutputFile& file);
// Appends the image to `file` as PNG. Raises std::bad_alloc when memory runs short.
void AppendPng(const QImage& image, OutputFile& file);

}  // namespace picture
