#pragma once

#include <QLabel>

namespace platform {

// A one-line label that widens to show its whole caption; it never shrinks
// below the width it was laid out with. Takes no focus.
class CaptionLabel : public QLabel {
  Q_OBJECT

 public:
  CaptionLabel(const QString& caption, QWidget* parent);

  // Call after the label has its layout geometry and font.
  void FixLayoutWidth() { layoutWidth_ = width(); }
  void SetCaption(const QString& caption);

  // The width the caption needs in the label's font.
  int CaptionWidth(const QString& caption) const;

 private:
  int layoutWidth_ = 0;
};

}  // namespace platform
