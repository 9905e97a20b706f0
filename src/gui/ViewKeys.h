#pragma once

#include <Qt>
#include <optional>

namespace gui {

// A press turns the view this many degrees; with Shift, one degree.
inline constexpr int TurnDegreesPerPress = 5;

// What a key does while the drawing area has the keyboard: what a drag, the scale's
// arrows or a right click would do.
struct ViewKeyCommand {
  int thetaDegrees = 0;   // Left and Right, as a drag to the left or the right
  int phiDegrees = 0;     // Up and Down, as a drag upwards or downwards
  int scaleSteps = 0;     // + and -, as the scale's arrows
  bool openMenu = false;  // the Menu key and Shift+F10, as a right click
};

// Nothing for a key that means nothing to the view, or one held with Ctrl, Alt or Meta.
std::optional<ViewKeyCommand> ViewKeyCommandOf(int key, Qt::KeyboardModifiers modifiers);

}  // namespace gui
