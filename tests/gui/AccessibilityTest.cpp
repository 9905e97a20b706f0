// The window as a screen reader (through Qt's accessibility), the keyboard and the
// mouse wheel meet it.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>

#include "ShownWindow.h"
#include "gui/FocusMark.h"
#include "testkit/RecordingControls.h"

namespace {

class AccessibilityTest : public ShownWindow {
 protected:
  QWidget* Control(const char* name) const { return form.findChild<QWidget*>(name); }
  QAccessibleInterface* Accessible(const char* name) const {
    return QAccessible::queryAccessibleInterface(form.findChild<QObject*>(name));
  }
  void Draw() { form.findChild<QPushButton*>("CommandDraw")->click(); }
  // Keys, and "WheelN" for a turn of the wheel by N eighths of a degree (over an
  // arrow where the control has them).
  void Press(const char* control, const QStringList& keys) {
    for (const QString& key : keys) {
      if (key.startsWith("Wheel")) {
        QWidget* target = Control(control);
        if (auto* arrow = target->childAt(target->width() / 2, 1)) target = arrow;
        const QPointF at(target->width() / 2.0, target->height() / 2.0);
        QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, key.mid(5).toInt()), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &wheel);
        continue;
      }
      const QKeyCombination combination = QKeySequence(key)[0];
      QTest::keyClick(Control(control), combination.key(), combination.keyboardModifiers());
    }
  }
};

// A screen reader meets every control by a plain name, never its code name, and a
// caption that stands for a control is a label; the outline means nothing spoken.
TEST_F(AccessibilityTest, EveryControlHasAPlainNameAndItsCaptionIsALabel) {
  QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);
  EXPECT_EQ(window->role(), QAccessible::Window);
  int captioned = 0;
  for (int k = 0; k < window->childCount(); ++k) {
    QAccessibleInterface* control = window->child(k);
    const QString code = control->object()->objectName(), spoken = control->text(QAccessible::Name);
    EXPECT_TRUE(code != "Shape1" && !spoken.isEmpty() && spoken != code) << code.toStdString();
    for (const auto& [label, relation] : control->relations(QAccessible::Label)) {
      EXPECT_EQ(label->role(), QAccessible::StaticText) << code.toStdString();
      ++captioned;
    }
  }
  EXPECT_GT(captioned, 0);
  EXPECT_EQ(Accessible("Picture1")->role(), QAccessible::Graphic);
  QAccessibleInterface* scale = Accessible("GraphScale");
  EXPECT_EQ(QStringList({scale->child(0)->text(QAccessible::Name), scale->child(1)->text(QAccessible::Name)}),
            QStringList({"Larger", "Smaller"}));
  scale->valueInterface()->setCurrentValue(250);
  EXPECT_EQ(form.ScaleValue(), 250);
}

TEST_F(AccessibilityTest, ThePictureAndTheAnglesSayWhatIsShown) {
  QAccessibleInterface* picture = Accessible("Picture1");
  EXPECT_EQ(picture->text(QAccessible::Description),
            "No surface yet: the axes alone. Draw Function draws one.");
  Draw();
  form.Logic().ChooseColorMode(surface::ColorMode::Colors);  // shown at the next redraw, not before
  form.SetNumberText(window::NumberBox::Resolution, "1");    // refused: the picture stays
  Draw();
  Press("Picture1", {"Left"});
  EXPECT_EQ(
      picture->text(QAccessible::Description),
      "Z = (Cos(X) ^ 2 + Sin(Y) ^ 2), X -1..1, Y -1..1, Z 0..1.7080734; color mode Colors, Θ -30°, Φ 105°, "
      "scale 100");
  QAccessibleTextInterface* theta = Accessible("Label1")->textInterface();
  EXPECT_EQ(theta->text(0, theta->characterCount()), "Θ -30°");
}

// Keys and the wheel on the picture do what a drag, the scale's arrows and a right
// click do; the picture is the command line's for the same view. Each row goes on
// from the last.
TEST_F(AccessibilityTest, KeysAndTheWheelTurnScaleAndOpenTheMenu) {
  const std::tuple<const char*, const char*, QStringList, int16_t, int16_t, int32_t, bool> rows[] = {
      {"arrows by five", "Picture1", {"Left", "Left", "Right", "Up", "Down", "Down"}, -30, 100, 105, false},
      {"one degree with shift", "Picture1", {"Shift+Right", "Shift+Up"}, -29, 101, 105, false},
      {"held with ctrl: nothing", "Picture1", {"Ctrl+Left"}, -29, 101, 105, false},
      {"plus and minus", "Picture1", {"+", "+", "-"}, -29, 101, 110, false},
      {"two wheel notches up", "Picture1", {"Wheel240"}, -29, 101, 120, false},
      {"wheel down over an arrow", "GraphScale", {"Wheel-120", "Wheel-120"}, -29, 101, 110, false},
      {"half notches add up", "GraphScale", {"Wheel60", "Wheel60", "Wheel60"}, -29, 101, 115, false},
      {"the menu key", "Picture1", {"Menu"}, -29, 101, 115, true},
      {"Shift+F10", "Picture1", {"Shift+F10"}, -29, 101, 115, true},
      {"F10 alone: nothing", "Picture1", {"F10"}, -29, 101, 115, false},
  };
  Press("Picture1", {"Wheel120"});
  EXPECT_EQ(form.ScaleValue(), 105) << "the wheel before the first draw";
  Draw();
  for (const auto& [name, control, keys, theta, phi, scale, menu] : rows) {
    SCOPED_TRACE(name);
    testkit::RecordingControls commandLine;  // sets the view, then draws
    window::PlotWindow headless(commandLine);
    headless.Load();
    headless.SetViewAngles(theta, phi);
    commandLine.scale = scale;
    headless.Draw();
    Press(control, keys);
    EXPECT_EQ(form.Picture().image(), commandLine.surface.image());
    EXPECT_EQ(form.PictureMenu().isVisible(), menu);
    form.PictureMenu().hide();
  }
}

TEST_F(AccessibilityTest, ReturnOrEnterDrawsFromAnInputBoxOrTheDrawButton) {
  for (const char* control : {"Code", "Data(1)", "Data(5)", "CommandDraw"}) {
    for (const char* key : {"Return", "Enter"}) {
      SCOPED_TRACE(std::string(control) + " " + key);
      form.SetNumberText(window::NumberBox::ZMax, "");
      Press(control, {key});
      EXPECT_EQ(form.NumberText(window::NumberBox::ZMax), "1.708");
    }
  }
}

TEST_F(AccessibilityTest, ReturnOnExitOrCtrlQEndsTheProgram) {
  for (const char* key : {"Return", "Ctrl+Q"}) {
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    Press("Command1", {key});
    EXPECT_FALSE(form.isVisible()) << key;
  }
}

// Which box a refusal concerns is the window logic's to say.
TEST_F(AccessibilityTest, ARefusalHandsTheKeyboardToTheBoxConcernedWithItsTextSelected) {
  form.SetNumberText(window::NumberBox::YMax, "-1");
  Control("CommandDraw")->setFocus();
  Draw();
  auto* box = qobject_cast<QLineEdit*>(form.focusWidget());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->objectName(), "Data(4)");
  EXPECT_EQ(box->selectedText(), "-1");
}

TEST_F(AccessibilityTest, FocusRingsShowForKeysOnlyAndOutsideTheControl) {
  Draw();
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  for (const char* control : {"Picture1", "GraphScale"}) {
    SCOPED_TRACE(control);
    const QRect place = Control(control)->geometry();
    gui::FocusMark* ring = nullptr;
    for (auto* mark : form.findChildren<gui::FocusMark*>())
      if (mark->geometry().contains(place)) ring = mark;
    ASSERT_NE(ring, nullptr);
    EXPECT_FALSE(ring->mask().intersects(place.translated(-ring->pos())));
    Control(control)->setFocus(Qt::MouseFocusReason);
    EXPECT_FALSE(ring->isVisible()) << "focus by a click";
    QTest::keyClick(Control(control), Qt::Key_Shift);
    EXPECT_TRUE(ring->isVisible()) << "a key pressed since";
    Control("Code")->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(ring->isVisible()) << "focus gone";
    Control(control)->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(ring->isVisible()) << "focus by Tab";
  }
}

}  // namespace
