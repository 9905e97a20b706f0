#pragma once

#include <QAction>
#include <QMenu>
#include <QObject>
#include <QString>
#include <array>
#include <optional>

#include "window/PictureDescription.h"
#include "window/PlotWindow.h"

namespace gui {

class MainWindow;

// What a screen reader learns of the window beyond what Qt tells by itself: every
// control named in plain words and tied to its caption, and the events that make
// the numbers speak. Angles are announced when a turn ends (the button let go, the
// arrow key released), not at every move; the picture's description follows every
// draw, turn and scale change.
class WindowAccessibility : public QObject {
 public:
  WindowAccessibility(MainWindow& form, const window::PlotWindow& logic);

  // After a draw command; pictureChanged: it drew on the area.
  void DrawEnded(window::DrawOutcome outcome, bool pictureChanged);

  // Tells screen readers that the check mark of `item` of `menu` moved.
  static void AnnounceCheckedChange(QMenu& menu, QAction& item);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void NameControls();
  void TurnEnded();
  void DescribePicture();

  MainWindow& form_;
  const window::PlotWindow& logic_;
  // The formula and limits of the surface on show, from the draw that showed it.
  std::optional<window::DrawnSurface> drawn_;
  // What the angle read-outs said when they were last announced: nothing at start.
  std::array<QString, 2> announcedAngles_;
};

}  // namespace gui
