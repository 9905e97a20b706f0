#pragma once

#include <QLabel>

namespace gui {

// A one-line label that widens to show its whole caption; it never shrinks
// below the width it was laid out with. Takes no focus.
class CaptionLabel : public QLabel {
  Q_OBJECT

 public:
  CaptionLabel(const QString& caption, QWidget* parent);

  // Call after the label has its layout geometry and font.
  void FixLayoutWidth() { layoutWidth_ = width(); }
  void SetCaption(const QString& caption);

 private:
  int layoutWidth_ = 0;
};

}  // namespace gui
