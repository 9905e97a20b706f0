// The keyboard's share of the window: everything a mouse does has its key.
#include <QCursor>
#include <QKeyEvent>
#include <QTimer>

#include "gui/FocusMark.h"
#include "gui/MainWindow.h"

namespace gui {
namespace {

bool IsReturn(const QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<const QKeyEvent*>(event)->key();
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Return and Enter press a focused button, as Space does; whether the last press of
// a button came from a key is kept for the colour-mode menu.
class ButtonKeys : public QObject {
 public:
  ButtonKeys(QObject* parent, bool& pressedByKey) : QObject(parent), pressedByKey_(pressedByKey) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress) pressedByKey_ = false;
    if (event->type() == QEvent::KeyPress) pressedByKey_ = true;
    if (!IsReturn(event)) return false;
    static_cast<QPushButton*>(watched)->click();
    return true;
  }

 private:
  bool& pressedByKey_;
};

}  // namespace

void MainWindow::ConnectKeys() {
  connect(drawingArea_, &DrawingAreaWidget::scaleStepRequested, this,
          [this](int steps) { steps > 0 ? scale_->StepUp() : scale_->StepDown(); });
  for (QLineEdit* box :
       {formulaBox_, numberBoxes_[0], numberBoxes_[1], numberBoxes_[2], numberBoxes_[3], numberBoxes_[4]})
    connect(box, &QLineEdit::returnPressed, drawButton_, &QPushButton::click);
  auto* buttonKeys = new ButtonKeys(this, colorModeMenuByKey_);
  for (QPushButton* button : {drawButton_, exitButton_, colorModeButton_})
    button->installEventFilter(buttonKeys);
  new FocusMark(drawingArea_);
  new FocusMark(scale_);
}

void MainWindow::PopupColorModeMenu() {
  if (!colorModeMenuByKey_) {
    colorModeMenu_->exec(QCursor::pos());
    return;
  }
  // From the keyboard: under the button, with the checked mode ready to be read.
  QAction* checked = nullptr;
  for (QAction* action : colorModeActions_)
    if (action->isChecked()) checked = action;
  QTimer::singleShot(0, colorModeMenu_, [this, checked] { colorModeMenu_->setActiveAction(checked); });
  colorModeMenu_->exec(colorModeButton_->mapToGlobal(QPoint(0, colorModeButton_->height())));
}

void MainWindow::SelectRefusedBox(window::NumberBox box) {
  QLineEdit* refused = NumberBoxWidget(box);
  refused->setFocus(Qt::OtherFocusReason);
  refused->selectAll();
}

}  // namespace gui
