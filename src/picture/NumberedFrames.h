#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "picture/PictureFile.h"

namespace picture {

// A name for one file per frame holds one printf-style number field: %d, %i or %u,
// with flags among "-+ 0", a width and a precision (frame-%03d.png). "%%" stands for
// a percent sign; any other percent sign is taken as it stands.
int NumberFieldsIn(std::string_view name);

// The name of frame `frame` by a name with one number field, the number written as
// printf writes it.
std::string NumberedFrameName(std::string_view pattern, int frame);

struct FrameFileFailure {
  std::string name;
  std::string reason;
};

// Draws `frames` pictures `size` pixels square with `drawFrame(frame, picture)`, each
// into the file its number names by `pattern`, and puts them in place together once
// all are drawn and on disk: a draw that says it failed, or a file that cannot be
// written, leaves every file of the pattern as it was. The file that could not be
// written, with the system's reason.
std::optional<FrameFileFailure> WriteNumberedFrames(
    PictureFormat format, int size, int frames,
    const std::function<bool(int, render::DrawingSurface&)>& drawFrame, std::string_view pattern);

}  // namespace picture
