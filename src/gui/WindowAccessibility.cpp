#include "gui/WindowAccessibility.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <string_view>

#include "gui/DrawingAreaWidget.h"
#include "gui/MainWindow.h"
#include "gui/UpDownControl.h"
#include "picture/QtText.h"

namespace gui {
namespace {

struct AccessibleText {
  std::string_view control;
  std::string_view name;
  std::string_view description;
  // The label whose caption stands for the control on screen; empty if none.
  std::string_view caption;
};

// clang-format off
constexpr AccessibleText Texts[] = {
    {"Picture1", "Picture", "", ""},
    {"Code", "Formula Z(X, Y)", "The formula in X and Y to plot; Return draws it", "Label7"},
    {"Data(1)", "X minimum", "", "Label5"},
    {"Data(2)", "X maximum", "", ""},
    {"Data(3)", "Y minimum", "", "Label6"},
    {"Data(4)", "Y maximum", "", ""},
    {"Data(5)", "Resolution", "Grid steps along each axis", "Label8"},
    {"Data(6)", "Z minimum", "The lowest Z of the last draw", "Label11"},
    {"Data(7)", "Z maximum", "The highest Z of the last draw", ""},
    {"CmdMenu", "Color mode", "Opens the color mode menu", "Label9"},
    {"GraphScale", "Scale", "The size of the picture in percent", "Label13"},
    {"CommandDraw", "Draw Function", "", ""},
    {"Command1", "Exit", "", ""},
    {"Label1", "Turn \u0398", "The view's turn in degrees", "Label3"},
    {"Label2", "Tilt \u03A6", "The view's tilt in degrees", "Label4"},
};
// clang-format on

template <class Widget = QWidget>
Widget* Control(const QWidget& form, std::string_view name) {
  return form.findChild<Widget*>(picture::FromUtf8(name), Qt::FindDirectChildrenOnly);
}

QString SpokenText(QObject* object) {
  return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Value);
}

}  // namespace

WindowAccessibility::WindowAccessibility(MainWindow& form, const window::PlotWindow& logic)
    : QObject(&form), form_(form), logic_(logic) {
  NameControls();
  auto* scale = Control<UpDownControl>(form_, "GraphScale");
  connect(scale, &UpDownControl::valueChanged, this, [this, scale](int value) {
    QAccessibleValueChangeEvent event(scale, value);
    QAccessible::updateAccessibility(&event);
    DescribePicture();
  });
  Control(form_, "Picture1")->installEventFilter(this);
  DescribePicture();
}

void WindowAccessibility::NameControls() {
  for (const AccessibleText& text : Texts) {
    QWidget* control = Control(form_, text.control);
    control->setAccessibleName(picture::FromUtf8(text.name));
    control->setAccessibleDescription(picture::FromUtf8(text.description));
    if (!text.caption.empty()) Control<QLabel>(form_, text.caption)->setBuddy(control);
  }
  auto* scale = Control<UpDownControl>(form_, "GraphScale");
  scale->upArrow()->setAccessibleName("Larger");
  scale->downArrow()->setAccessibleName("Smaller");
  form_.ColorModeMenu().setAccessibleName("Color mode");
  form_.PictureMenu().setAccessibleName("Picture");
}

void WindowAccessibility::DrawEnded(window::DrawOutcome outcome, bool pictureChanged) {
  // A cancelled draw puts the picture before it back.
  if (!pictureChanged || outcome == window::DrawOutcome::Cancelled) return;
  drawn_ = window::DrawnSurface{form_.FormulaText(), logic_.Limits()};
  DescribePicture();
}

void WindowAccessibility::DescribePicture() {
  const window::DrawnSurface* drawn = logic_.SurfaceShown() && drawn_ ? &*drawn_ : nullptr;
  // Qt tells screen readers when the description changes.
  Control(form_, "Picture1")
      ->setAccessibleDescription(
          picture::FromUtf8(window::PictureDescription(drawn, logic_.ShownView(), form_.DecimalSeparator())));
}

bool WindowAccessibility::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) TurnEnded();
  } else if (event->type() == QEvent::KeyRelease) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!key->isAutoRepeat()) TurnEnded();
  }
  return false;
}

void WindowAccessibility::TurnEnded() {
  for (size_t k = 0; k < announcedAngles_.size(); ++k) {
    QLabel* readout = Control<QLabel>(form_, k == 0 ? "Label1" : "Label2");
    const QString spoken = SpokenText(readout);
    if (spoken == announcedAngles_[k]) continue;
    QAccessibleTextUpdateEvent event(readout, 0, announcedAngles_[k], spoken);
    QAccessible::updateAccessibility(&event);
    announcedAngles_[k] = spoken;
  }
  DescribePicture();
}

void WindowAccessibility::AnnounceCheckedChange(QMenu& menu, QAction& item) {
  QAccessibleInterface* menuInterface = QAccessible::queryAccessibleInterface(&menu);
  const int index = static_cast<int>(menu.actions().indexOf(&item));
  if (menuInterface == nullptr || index < 0) return;
  QAccessible::State checked;
  checked.checked = true;
  QAccessibleStateChangeEvent event(menuInterface->child(index), checked);
  QAccessible::updateAccessibility(&event);
}

}  // namespace gui
