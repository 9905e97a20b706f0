#pragma once

#include <QFont>

#include "window/WindowLayout.h"

namespace picture {

// The layout is fixed in pixels, so its fonts are too: a point is 96/72 of a
// pixel whatever the screen's own DPI, and text keeps its place in the controls.
int PixelSizeOfPoints(double points);

// `scale` enlarges the font for a picture drawn larger than the layout's.
QFont QtFont(const window::FontStyle& style, double scale = 1);

}  // namespace picture
