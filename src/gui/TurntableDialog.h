#pragma once

#include <QSettings>
#include <QWidget>
#include <optional>

namespace gui {

// How a turning picture turns: so many frames over so many degrees of Θ.
struct TurntableShape {
  int frames = 72;
  int turnDegrees = 360;
};

// Asks for the frames and the turn in one small dialog, filled in with what was
// chosen last time (kept in `settings`), the defaults the first time; nothing when
// the user cancels.
std::optional<TurntableShape> AskTurntableShape(QWidget* parent, QSettings& settings);

}  // namespace gui
