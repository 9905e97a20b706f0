#include "gui/ControlFactory.h"

#include <QLineEdit>
#include <QPushButton>

#include "gui/CaptionLabel.h"
#include "gui/DrawingAreaWidget.h"
#include "gui/RectangleShape.h"
#include "gui/UpDownControl.h"
#include "picture/ImageSurface.h"
#include "picture/LayoutFonts.h"
#include "picture/QtText.h"

namespace gui {
namespace {

Qt::Alignment HorizontalAlignment(window::TextAlignment alignment) {
  return alignment == window::TextAlignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
}

// The palette roles that a kind of control paints its background and its text with.
std::pair<QPalette::ColorRole, QPalette::ColorRole> ColourRoles(window::ControlKind kind) {
  switch (kind) {
    case window::ControlKind::TextBox:
    case window::ControlKind::DisplayTextBox:
      return {QPalette::Base, QPalette::Text};
    case window::ControlKind::CommandButton:
      return {QPalette::Button, QPalette::ButtonText};
    default:
      return {QPalette::Window, QPalette::WindowText};
  }
}

void ApplyColours(const window::ControlLayout& layout, QWidget* widget) {
  const auto [backgroundRole, foregroundRole] = ColourRoles(layout.kind);
  QPalette palette = widget->palette();
  if (layout.background) palette.setColor(backgroundRole, picture::ToQColor(*layout.background));
  if (layout.foreground) palette.setColor(foregroundRole, picture::ToQColor(*layout.foreground));
  widget->setPalette(palette);
}

QWidget* MakeLabel(const window::ControlLayout& layout, QWidget* parent) {
  auto* label = new CaptionLabel(picture::FromUtf8(layout.text), parent);
  label->setAlignment(HorizontalAlignment(layout.alignment) | Qt::AlignTop);
  label->setAutoFillBackground(layout.background.has_value());
  return label;
}

QWidget* MakeTextBox(const window::ControlLayout& layout, QWidget* parent, bool displayOnly) {
  auto* box = new QLineEdit(picture::FromUtf8(layout.text), parent);
  box->setAlignment(HorizontalAlignment(layout.alignment) | Qt::AlignVCenter);
  if (displayOnly) {
    // The user may still click in to select and copy the number.
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
  }
  return box;
}

QWidget* MakeWidget(const window::ControlLayout& layout, QWidget* parent) {
  switch (layout.kind) {
    case window::ControlKind::DrawingArea:
      return new DrawingAreaWidget(parent);
    case window::ControlKind::Label:
      return MakeLabel(layout, parent);
    case window::ControlKind::TextBox:
      return MakeTextBox(layout, parent, false);
    case window::ControlKind::DisplayTextBox:
      return MakeTextBox(layout, parent, true);
    case window::ControlKind::RectangleShape:
      return new RectangleShape(picture::ToQColor(layout.foreground.value_or(0)), parent);
    case window::ControlKind::CommandButton:
      return new QPushButton(picture::FromUtf8(layout.text), parent);
    case window::ControlKind::UpDown:
      return new UpDownControl(parent);
  }
  return nullptr;
}

}  // namespace

QRect PixelRect(const window::TwipsRect& twips) {
  return QRect(window::PixelsFromTwips(twips.left), window::PixelsFromTwips(twips.top),
               window::PixelsFromTwips(twips.width), window::PixelsFromTwips(twips.height));
}

QWidget* BuildControl(const window::ControlLayout& layout, QWidget* parent) {
  QWidget* widget = MakeWidget(layout, parent);
  const QString name = picture::FromUtf8(layout.name);
  widget->setObjectName(name);
  widget->setGeometry(PixelRect(layout.twips));
  if (const auto font = window::FontOf(layout.font)) widget->setFont(picture::QtFont(*font));
  ApplyColours(layout, widget);
  if (auto* label = qobject_cast<CaptionLabel*>(widget)) label->FixLayoutWidth();
  return widget;
}

}  // namespace gui
