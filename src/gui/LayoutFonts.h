#pragma once

#include <QFont>

#include "window/WindowLayout.h"

namespace gui {

// The layout is fixed in pixels, so its fonts are too: a point is 96/72 of a
// pixel whatever the screen's own DPI, and text keeps its place in the controls.
int PixelSizeOfPoints(double points);

QFont QtFont(const window::FontStyle& style);

}  // namespace gui
