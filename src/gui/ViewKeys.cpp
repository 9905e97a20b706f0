#include "gui/ViewKeys.h"

namespace gui {

std::optional<ViewKeyCommand> ViewKeyCommandOf(int key, Qt::KeyboardModifiers modifiers) {
  if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return std::nullopt;
  const bool shift = (modifiers & Qt::ShiftModifier) != 0;
  const int degrees = shift ? 1 : TurnDegreesPerPress;
  switch (key) {
    case Qt::Key_Left:
      return ViewKeyCommand{.thetaDegrees = -degrees};
    case Qt::Key_Right:
      return ViewKeyCommand{.thetaDegrees = degrees};
    case Qt::Key_Up:
      return ViewKeyCommand{.phiDegrees = degrees};
    case Qt::Key_Down:
      return ViewKeyCommand{.phiDegrees = -degrees};
    // "+" takes Shift on many keyboards, so Shift means nothing to these two.
    case Qt::Key_Plus:
      return ViewKeyCommand{.scaleSteps = 1};
    case Qt::Key_Minus:
      return ViewKeyCommand{.scaleSteps = -1};
    case Qt::Key_Menu:
      return ViewKeyCommand{.openMenu = true};
    case Qt::Key_F10:
      if (shift) return ViewKeyCommand{.openMenu = true};
      break;
    default:
      break;
  }
  return std::nullopt;
}

}  // namespace gui
