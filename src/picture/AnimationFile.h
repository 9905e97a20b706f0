#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "render/DrawingSurface.h"

namespace picture {

enum class AnimationFormat { Webp, Gif };

// The animation a file name asks for by its extension (.webp or .gif, any case).
std::optional<AnimationFormat> AnimationFormatOfFileName(const QString& name);

// Draws `frames` pictures `size` pixels square, one after another onto one image, with
// `drawFrame(frame, image)`, encodes each as it is drawn into an animation at `fps`
// frames a second, and writes it to `path` as OutputFile writes, unless a frame's
// draw says it failed. The system's reason when the file could not be written.
// Raises std::bad_alloc when memory runs short; the file is then left as it was.
std::optional<std::string> WriteAnimation(AnimationFormat format, int size, int frames, int fps,
                                          const std::function<bool(int, render::DrawingSurface&)>& drawFrame,
                                          const std::string& path);

}  // namespace picture
