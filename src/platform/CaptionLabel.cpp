#include "platform/CaptionLabel.h"

#include <QFontMetrics>
#include <algorithm>

namespace platform {

CaptionLabel::CaptionLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
  setFocusPolicy(Qt::NoFocus);
  setWordWrap(false);
  setMargin(0);
  setIndent(0);
}

void CaptionLabel::SetCaption(const QString& caption) {
  setText(caption);
  resize(std::max(layoutWidth_, CaptionWidth(caption)), height());
}

int CaptionLabel::CaptionWidth(const QString& caption) const {
  const QFontMetrics metrics(font());
  // An italic last letter may reach past its advance.
  return std::max(metrics.horizontalAdvance(caption), metrics.boundingRect(caption).right() + 1);
}

}  // namespace platform
