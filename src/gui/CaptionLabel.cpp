#include "gui/CaptionLabel.h"

#include <algorithm>

namespace gui {

CaptionLabel::CaptionLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
  setFocusPolicy(Qt::NoFocus);
  setWordWrap(false);
  setMargin(0);
  setIndent(0);
}

void CaptionLabel::SetCaption(const QString& caption) {
  setText(caption);
  resize(std::max(layoutWidth_, sizeHint().width()), height());
}

}  // namespace gui
