#pragma once

#include "picture/ImageSurface.h"
#include "svg/SvgSurface.h"

namespace picture {

// The sides, in pixels, a picture of the drawing area may be made at.
inline constexpr int SmallestPictureSize = 16;
inline constexpr int LargestPictureSize = 8192;

// The drawing area's picture `size` pixels square, in the layout's background
// colour: the view the window shows, scaled by size / window::DrawingAreaPixels() before the
// vertices are rounded, with the layout's font scaled alike. At the area's own
// side it is the window's picture pixel for pixel. Raises std::out_of_range
// outside SmallestPictureSize .. LargestPictureSize.
ImageSurface MakePictureImage(int size);

// The window's picture on a screen with `devicePixelRatio` device pixels per
// logical one: that many times the area's side in pixels, shown at the area's
// logical size. At ratio 1 it is MakePictureImage(window::DrawingAreaPixels()).
ImageSurface MakeDrawingAreaImage(double devicePixelRatio = 1);

// The drawing area's picture as an SVG document shown `size` pixels square; its
// user units are the area's pixels. The same range as MakePictureImage. Written to
// `output` as it is made, or kept in memory without one.
svg::SvgSurface MakePictureSvg(int size, svg::DocumentOutput* output = nullptr);

}  // namespace picture
