#pragma once

#include <QWidget>

namespace gui {

// A dark ring around a control, a pixel clear of it, shown while the control has
// the keyboard and the user is working with keys: focus that came by Tab or
// Shift+Tab, or a key pressed since. Focus that came by a click shows nothing, so
// a mouse user's window looks as it always did. The ring lies on the window
// beside the control and never paints over it.
class FocusMark : public QWidget {
  Q_OBJECT

 public:
  // Lives beside `control`, a child of the same parent.
  explicit FocusMark(QWidget* control);

  // The gap between control and ring, and the ring's width, in pixels.
  static constexpr int Gap = 1;
  static constexpr int Width = 2;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void Update();

  QWidget* control_;
  bool keyboardInUse_ = false;
};

}  // namespace gui
