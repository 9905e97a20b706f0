#pragma once

#include <QWidget>
#include <optional>

namespace gui {

// How a turning picture turns: so many frames over so many degrees of Θ.
struct TurntableShape {
  int frames = 72;
  int turnDegrees = 360;
};

// Asks for the frames and the turn in one small dialog, the defaults filled in;
// nothing when the user cancels.
std::optional<TurntableShape> AskTurntableShape(QWidget* parent);

}  // namespace gui
