#pragma once

#include <QRect>
#include <QWidget>

#include "window/WindowLayout.h"

namespace gui {

// The pixel rectangle of a control laid out in twips.
QRect PixelRect(const window::TwipsRect& twips);

// Builds one control of the layout table as a child of parent, named after it,
// at its place with its text, font, colours and alignment. The widget kinds:
// DrawingAreaWidget, CaptionLabel, QLineEdit (read-only for display boxes),
// RectangleShape, QPushButton and UpDownControl.
QWidget* BuildControl(const window::ControlLayout& layout, QWidget* parent);

}  // namespace gui
