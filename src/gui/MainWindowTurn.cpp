// The turning view: "Turn" on screen, "Save Turntable As..." into files.
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <functional>
#include <new>
#include <vector>

#include "gui/MainWindow.h"
#include "gui/SaveDialog.h"
#include "gui/TurntableDialog.h"
#include "picture/AnimationFile.h"
#include "picture/NumberedFrames.h"
#include "picture/PictureFile.h"
#include "runtime/RuntimeError.h"
#include "window/TurntableAngles.h"
#include "window/WindowLayout.h"

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

// The name's frames, or why it names none.
std::optional<std::string> FramesRefusal(const std::string& path) {
  const int fields = picture::NumberFieldsIn(path);
  const QString name = QFile::decodeName(path.c_str());
  if (fields == 0 && picture::AnimationFormatOfFileName(name)) return std::nullopt;
  if (fields == 1 && picture::FormatOfFileName(name)) return std::nullopt;
  return "its name ends in neither .webp nor .gif, nor holds one number field for PNG frames";
}

}  // namespace

void MainWindow::BuildTurntableItems() {
  pictureMenu_->addSeparator();
  turnItem_ = pictureMenu_->addAction("Turn");
  turnItem_->setObjectName("Turn");
  turnItem_->setCheckable(true);
  connect(turnItem_, &QAction::toggled, this, [this](bool on) { on ? StartTurning() : StopTurning(); });
  QAction* save = pictureMenu_->addAction("Save Turntable As...", this, &MainWindow::AskAndSaveTurntable);
  save->setObjectName("SaveTurntable");
  // Both need a surface to turn.
  connect(pictureMenu_, &QMenu::aboutToShow, this, [this, save] {
    turnItem_->setEnabled(logic_.SurfaceShown());
    save->setEnabled(logic_.SurfaceShown());
  });
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

void MainWindow::AskAndSaveTurntable() {
  StopTurning();
  const QString name = AskTurntableFileName(this, ProgramSettings());
  if (name.isEmpty()) return;
  if (const auto shape = AskTurntableShape(this, ProgramSettings()))
    SaveTurntable(name, shape->frames, shape->turnDegrees);
}

void MainWindow::SaveTurntable(const QString& fileName, int frames, int turnDegrees) {
  StopTurning();
  const std::string path = QFile::encodeName(fileName).toStdString();
  if (const auto refusal = FramesRefusal(path)) return ReportNotSaved(fileName, *refusal);
  std::vector<int16_t> thetas;
  for (int frame = 0; frame < frames; ++frame) {
    const auto theta = window::TurntableTheta(logic_.ShownView().Theta, turnDegrees, frames, frame);
    if (!theta) return ReportNotSaved(fileName, "the turn takes \u0398 beyond -32768 to 32767 degrees");
    thetas.push_back(*theta);
  }
  const int size = window::DrawingAreaPixels();
  const auto drawFrame = [&](int frame, render::DrawingSurface& area) {
    logic_.DrawTurnedOn(thetas[static_cast<std::size_t>(frame)], area);
    progress_->Advance(1);
    progress_->Poll();
    return !progress_->Cancelled();
  };
  std::optional<std::string> failure;
  progress_->BeginStage(runtime::Stage::Drawing, static_cast<uint64_t>(frames));
  try {
    if (picture::NumberFieldsIn(path) == 0) {
      failure = picture::WriteAnimation(*picture::AnimationFormatOfFileName(fileName), size, frames,
                                        window::TurntableFps, drawFrame, path);
    } else {
      if (const auto frameFailure = picture::WriteNumberedFrames(*picture::FormatOfFileName(fileName), size,
                                                                 frames, drawFrame, path))
        failure = frameFailure->reason;
    }
  } catch (const runtime::RuntimeError& error) {
    failure = runtime::ErrorReport(error);
  } catch (const std::bad_alloc&) {
    failure = runtime::DescribeError(runtime::ErrorNumber::OutOfMemory);
  }
  progress_->Finish();
  if (failure) ReportNotSaved(fileName, *failure);
}

}  // namespace gui
