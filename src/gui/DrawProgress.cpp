#include "gui/DrawProgress.h"

#include <QCoreApplication>

namespace gui {
namespace {

// Long enough that a quick draw never flashes a dialog.
constexpr qint64 QuietMilliseconds = 500;
constexpr int BarSteps = 1000;

QString StageText(runtime::Stage stage) { return QString(runtime::StageName(stage)) + "..."; }

}  // namespace

DrawProgress::DrawProgress(QWidget& window, DrawingAreaWidget& area, const picture::ImageSurface& picture)
    : window_(window), area_(area), picture_(picture) {}

DrawProgress::~DrawProgress() = default;

void DrawProgress::BeginStage(runtime::Stage stage, uint64_t total) {
  if (!working_) {
    // A fresh draw: the clock starts, and the area keeps showing what it showed.
    working_ = true;
    cancelled_ = false;
    clock_.start();
    shownPicture_ = picture_.image().copy();
    area_.ShowPicture(&shownPicture_);
  }
  stage_ = stage;
  done_ = 0;
  total_ = total;
  if (dialog_) dialog_->setLabelText(StageText(stage));
}

void DrawProgress::Show() {
  dialog_ = std::make_unique<QProgressDialog>(StageText(stage_), "Cancel", 0, BarSteps, &window_);
  dialog_->setObjectName("DrawProgress");
  dialog_->setWindowTitle("surfplot");
  dialog_->setWindowModality(Qt::ApplicationModal);
  dialog_->setMinimumDuration(0);
  dialog_->setAutoReset(false);
  dialog_->setAutoClose(false);
  QObject::connect(dialog_.get(), &QProgressDialog::canceled, [this] { cancelled_ = true; });
  dialog_->show();
}

void DrawProgress::Poll() {
  if (!working_) return;
  if (!dialog_ && clock_.elapsed() >= QuietMilliseconds) Show();
  if (dialog_) {
    const uint64_t total = total_;
    const uint64_t done = std::min<uint64_t>(done_, total);
    dialog_->setValue(total == 0 ? 0 : static_cast<int>(done * BarSteps / total));
    QCoreApplication::processEvents();
  } else {
    // Before the dialog no click may reach the window's other controls.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
}

void DrawProgress::Finish() {
  working_ = false;
  dialog_.reset();
  area_.ShowPicture(&picture_.image());
  shownPicture_ = QImage();
}

}  // namespace gui
