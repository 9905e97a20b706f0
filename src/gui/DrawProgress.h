#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QPointer>
#include <QProgressDialog>
#include <atomic>
#include <memory>

#include "gui/DrawingAreaWidget.h"
#include "picture/ImageSurface.h"
#include "runtime/Progress.h"

namespace gui {

// The progress of a draw as the window shows it: nothing for the first half second,
// then a modal dialog with the stage, a bar and Cancel (Esc too). While the work runs
// the window repaints, and the drawing area shows the picture as it was, not one half
// drawn.
class DrawProgress : public runtime::Progress {
 public:
  DrawProgress(QWidget& window, DrawingAreaWidget& area, const picture::ImageSurface& picture);
  ~DrawProgress() override;

  void BeginStage(runtime::Stage stage, uint64_t total) override;
  void Advance(uint64_t steps) override { done_ += steps; }
  bool Cancelled() const override { return cancelled_; }
  // What the dialog's Cancel does, for a request that comes another way.
  void Cancel() { cancelled_ = true; }
  bool Working() const { return working_; }
  void Poll() override;
  void Finish() override;

  // The dialog once it shows, for tests; null before.
  QProgressDialog* Dialog() const { return dialog_.get(); }

 private:
  void Show();

  QWidget& window_;
  DrawingAreaWidget& area_;
  const picture::ImageSurface& picture_;
  QImage shownPicture_;
  QElapsedTimer clock_;
  std::unique_ptr<QProgressDialog> dialog_;
  runtime::Stage stage_ = runtime::Stage::ScanningZRange;
  std::atomic<uint64_t> done_ = 0;
  std::atomic<uint64_t> total_ = 0;
  std::atomic<bool> cancelled_ = false;
  bool working_ = false;
};

}  // namespace gui
