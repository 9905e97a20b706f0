// The turning view: "Turn" on screen.
#include <QApplication>
#include <QKeyEvent>
#include <functional>

#include "gui/MainWindow.h"

namespace gui {
namespace {

// While the view turns, any key, and a press on the drawing area, stop it; the event
// then goes on to do what it does.
class TurnStoppers : public QObject {
 public:
  TurnStoppers(QObject* parent, const QWidget& area, std::function<void()> stop)
      : QObject(parent), area_(area), stop_(std::move(stop)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // Keys in an open menu serve the menu, which may hold "Turn" itself.
    if ((event->type() == QEvent::KeyPress && QApplication::activePopupWidget() == nullptr) ||
        (event->type() == QEvent::MouseButtonPress && watched == &area_))
      stop_();
    return false;
  }

 private:
  const QWidget& area_;
  std::function<void()> stop_;
};

}  // namespace

void MainWindow::BuildTurntableItems() {
  pictureMenu_->addSeparator();
  turnItem_ = pictureMenu_->addAction("Turn");
  turnItem_->setObjectName("Turn");
  turnItem_->setCheckable(true);
  connect(turnItem_, &QAction::toggled, this, [this](bool on) { on ? StartTurning() : StopTurning(); });
  // It needs a surface to turn.
  connect(pictureMenu_, &QMenu::aboutToShow, this, [this] { turnItem_->setEnabled(logic_.SurfaceShown()); });
  turnTimer_.setSingleShot(true);
  connect(&turnTimer_, &QTimer::timeout, this, &MainWindow::TurnStep);
  turnClock_.start();
  qApp->installEventFilter(new TurnStoppers(this, *drawingArea_, [this] { StopTurning(); }));
}

void MainWindow::StartTurning() {
  if (!logic_.SurfaceShown() || steadyTurn_.Turning()) {
    turnItem_->setChecked(steadyTurn_.Turning());
    return;
  }
  steadyTurn_.Start(turnClock_.elapsed());
  turnTimer_.start(steadyTurn_.MillisecondsToNextDegree(turnClock_.elapsed()));
}

void MainWindow::StopTurning() {
  if (!steadyTurn_.Turning()) return;
  steadyTurn_.Stop();
  turnTimer_.stop();
  turnItem_->setChecked(false);
  WindowAccessibility::AnnounceCheckedChange(*pictureMenu_, *turnItem_);
}

}  // namespace gui
