#include "gui/AccessibleControls.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QMenu>
#include <algorithm>
#include <string>

#include "gui/CaptionLabel.h"
#include "gui/DrawingAreaWidget.h"
#include "gui/FocusMark.h"
#include "gui/MainWindow.h"
#include "gui/RectangleShape.h"
#include "gui/UpDownControl.h"
#include "window/WindowLayout.h"

namespace gui {
namespace {

bool IsDecoration(const QWidget* widget) {
  return qobject_cast<const RectangleShape*>(widget) != nullptr ||
         qobject_cast<const FocusMark*>(widget) != nullptr;
}

class AccessibleForm : public QAccessibleWidget {
 public:
  explicit AccessibleForm(QWidget* form) : QAccessibleWidget(form, QAccessible::Window) {}

  int childCount() const override { return static_cast<int>(Children().size()); }
  QAccessibleInterface* child(int index) const override {
    const QList<QWidget*> children = Children();
    if (index < 0 || index >= children.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(children[index]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child == nullptr) return -1;
    return static_cast<int>(Children().indexOf(qobject_cast<QWidget*>(child->object())));
  }

 private:
  // In the order of the layout, top to bottom, as a reader goes through the window;
  // anything else after them.
  QList<QWidget*> Children() const {
    QList<QWidget*> children;
    for (QObject* object : widget()->children()) {
      auto* child = qobject_cast<QWidget*>(object);
      if (child != nullptr && !child->isWindow() && qobject_cast<QMenu*>(child) == nullptr &&
          !IsDecoration(child))
        children.append(child);
    }
    std::ranges::stable_sort(children, {}, [](const QWidget* child) { return LayoutPlace(child); });
    return children;
  }

  static std::ptrdiff_t LayoutPlace(const QWidget* control) {
    const auto layouts = window::ControlLayouts();
    const auto found = std::ranges::find(layouts, control->objectName().toStdString(),
                                         [](const auto& layout) { return std::string(layout.name); });
    return found - layouts.begin();
  }
};

class AccessibleScale : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit AccessibleScale(UpDownControl* scale) : QAccessibleWidget(scale, QAccessible::SpinBox) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  QString text(QAccessible::Text type) const override {
    if (type == QAccessible::Value) return QString::number(Scale()->value());
    return QAccessibleWidget::text(type);
  }

  QVariant currentValue() const override { return Scale()->value(); }
  void setCurrentValue(const QVariant& value) override { Scale()->setValue(value.toInt()); }
  QVariant maximumValue() const override { return Scale()->maximum(); }
  QVariant minimumValue() const override { return Scale()->minimum(); }
  QVariant minimumStepSize() const override { return Scale()->increment(); }

 private:
  UpDownControl* Scale() const { return static_cast<UpDownControl*>(widget()); }
};

class AccessiblePicture : public QAccessibleWidget {
 public:
  explicit AccessiblePicture(DrawingAreaWidget* area) : QAccessibleWidget(area, QAccessible::Graphic) {}
};

// The caption label that names `label` as its buddy, if any.
const QLabel* CaptionOf(const QWidget* label) {
  if (label->parentWidget() == nullptr) return nullptr;
  for (const QLabel* other : label->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
    if (other->buddy() == label) return other;
  return nullptr;
}

// A caption, or a read-out that a caption names as its buddy. Decided when read, not
// when built: the buddies are set after the labels exist.
class AccessibleCaption : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit AccessibleCaption(CaptionLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  QString text(QAccessible::Text type) const override {
    if (type == QAccessible::Name && widget()->accessibleName().isEmpty()) return Label()->text().trimmed();
    if (type == QAccessible::Value) return Spoken();
    return QAccessibleWidget::text(type);
  }
  QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
      QAccessible::Relation match) const override {
    auto relations = QAccessibleWidget::relations(match);
    if ((match & QAccessible::Labelled) && Label()->buddy() != nullptr)
      relations.append({QAccessible::queryAccessibleInterface(Label()->buddy()), QAccessible::Labelled});
    return relations;
  }

  QString text(int startOffset, int endOffset) const override {
    return Spoken().mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return static_cast<int>(Spoken().size()); }
  // Static text: no selection, no cursor, no geometry per character.
  void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* startOffset, int* endOffset) const override {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
  }

 private:
  QLabel* Label() const { return static_cast<QLabel*>(widget()); }

  // A read-out speaks its caption's letter, its number and the unit: "Θ 259°", or
  // nothing while it shows nothing. A caption speaks its text.
  QString Spoken() const {
    const QString shown = Label()->text();
    const QLabel* caption = CaptionOf(widget());
    if (caption == nullptr || shown.isEmpty()) return shown.trimmed();
    QString letter = caption->text();
    letter.remove(':');
    return letter.trimmed() + ' ' + shown + QChar(0x00B0);
  }
};

QAccessibleInterface* MakeAccessible(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr) return nullptr;
  if (dynamic_cast<MainWindow*>(widget) != nullptr) return new AccessibleForm(widget);
  if (auto* scale = qobject_cast<UpDownControl*>(widget)) return new AccessibleScale(scale);
  if (auto* area = qobject_cast<DrawingAreaWidget*>(widget)) return new AccessiblePicture(area);
  if (auto* label = qobject_cast<CaptionLabel*>(widget)) return new AccessibleCaption(label);
  return nullptr;
}

}  // namespace

void InstallAccessibleControls() {
  static const bool installed = [] {
    QAccessible::installFactory(&MakeAccessible);
    return true;
  }();
  (void)installed;
}

}  // namespace gui
