#pragma once

#include <QToolButton>
#include <QWidget>
#include <cstdint>

#include "window/WindowLayout.h"

namespace gui {

// A spin control without a text box: two arrow buttons stacked, a 32-bit value
// that moves by a fixed increment and stays within its bounds. The arrows
// repeat while held; Up and Down, + and - work while it has the focus, and each
// notch of the mouse wheel is one step (up is larger).
class UpDownControl : public QWidget {
  Q_OBJECT

 public:
  explicit UpDownControl(QWidget* parent);

  void Configure(const window::UpDownSettings& settings);

  int32_t value() const { return value_; }
  int32_t increment() const { return increment_; }
  int32_t minimum() const { return minimum_; }
  int32_t maximum() const { return maximum_; }

  // Clamps to the bounds; signals only when the value really changes.
  void setValue(int32_t value);
  void StepUp();
  void StepDown();

  QToolButton* upArrow() const { return up_; }
  QToolButton* downArrow() const { return down_; }

 signals:
  void valueChanged(int value);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void StepBy(int64_t delta);

  QToolButton* up_;
  QToolButton* down_;
  int32_t value_ = 0;
  int32_t increment_ = 1;
  int32_t minimum_ = 0;
  int32_t maximum_ = 100;
  // A fine-grained wheel turns in parts of a notch; they add up to whole steps.
  int wheelEighths_ = 0;
};

}  // namespace gui
