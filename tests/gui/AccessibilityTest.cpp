// The window as a screen reader (through Qt's accessibility) and the keyboard meet it.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "gui/FocusMark.h"
#include "gui/MainWindow.h"
#include "gui/MessageBox.h"
#include "testkit/RecordingControls.h"

namespace {

using Keys = std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>>;

class AccessibilityTest : public ::testing::Test {
 protected:
  AccessibilityTest() : previous_(gui::ReplaceMessageBoxPresenter([](auto&&...) {})) { form.show(); }
  ~AccessibilityTest() override { gui::ReplaceMessageBoxPresenter(previous_); }

  QWidget* Control(const char* name) const { return form.findChild<QWidget*>(name); }
  QAccessibleInterface* Accessible(const char* name) const {
    return QAccessible::queryAccessibleInterface(form.findChild<QObject*>(name));
  }
  void Draw() { form.findChild<QPushButton*>("CommandDraw")->click(); }
  void Press(const char* control, const Keys& keys) {
    for (const auto& [key, modifiers] : keys) QTest::keyClick(Control(control), key, modifiers);
  }

  gui::MessageBoxPresenter previous_;
  gui::MainWindow form;
};

TEST_F(AccessibilityTest, EveryControlHasAPlainNameARoleAndItsCaption) {
  struct Row {
    const char* control;
    QAccessible::Role role;
    QString name;
    QString caption;  // the label that labels it, if any
  };
  const Row rows[] = {
      {"Picture1", QAccessible::Graphic, "Picture", ""},
      {"Code", QAccessible::EditableText, "Formula Z(X, Y)", "Label7"},
      {"Data(1)", QAccessible::EditableText, "X minimum", "Label5"},
      {"Data(2)", QAccessible::EditableText, "X maximum", ""},
      {"Data(3)", QAccessible::EditableText, "Y minimum", "Label6"},
      {"Data(4)", QAccessible::EditableText, "Y maximum", ""},
      {"Data(5)", QAccessible::EditableText, "Resolution", "Label8"},
      {"Data(6)", QAccessible::EditableText, "Z minimum", "Label11"},
      {"Data(7)", QAccessible::EditableText, "Z maximum", ""},
      {"CmdMenu", QAccessible::Button, "Color mode", "Label9"},
      {"GraphScale", QAccessible::SpinBox, "Scale", "Label13"},
      {"CommandDraw", QAccessible::Button, "Draw Function", ""},
      {"Command1", QAccessible::Button, "Exit", ""},
      {"Label1", QAccessible::StaticText, "Turn Θ", "Label3"},
      {"Label2", QAccessible::StaticText, "Tilt Φ", "Label4"},
      {"Label8", QAccessible::StaticText, "Resolution:", ""},
      {"MenuColorMode(0)", QAccessible::PopupMenu, "Color mode", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.control);
    QAccessibleInterface* control = Accessible(row.control);
    EXPECT_EQ(control->role(), row.role);
    EXPECT_EQ(control->text(QAccessible::Name), row.name);
    const auto labels = control->relations(QAccessible::Label);
    EXPECT_EQ(labels.empty() ? "" : labels.front().first->object()->objectName(), row.caption);
  }
  QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);
  EXPECT_EQ(window->role(), QAccessible::Window);
  EXPECT_EQ(window->text(QAccessible::Name), "Plotting f(x) Functions");
  for (int k = 0; k < window->childCount(); ++k)
    EXPECT_NE(window->child(k)->object()->objectName(), "Shape1") << "the outline means nothing spoken";
  QAccessibleInterface* scale = Accessible("GraphScale");
  EXPECT_EQ(scale->child(0)->text(QAccessible::Name) + " " + scale->child(1)->text(QAccessible::Name),
            "Larger Smaller");
  QAccessibleValueInterface* value = scale->valueInterface();
  EXPECT_EQ(QVariantList({value->currentValue(), value->minimumValue(), value->maximumValue(),
                          value->minimumStepSize()}),
            QVariantList({100, -50000, 50000, 5}));
  value->setCurrentValue(250);
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
  Press("Picture1", {{Qt::Key_Left, {}}});
  EXPECT_EQ(
      picture->text(QAccessible::Description),
      "Z = (Cos(X) ^ 2 + Sin(Y) ^ 2), X -1..1, Y -1..1, Z 0..1.7080734; color mode Colors, Θ -30°, Φ 105°, "
      "scale 100");
  QAccessibleTextInterface* theta = Accessible("Label1")->textInterface();
  EXPECT_EQ(theta->text(0, theta->characterCount()), "Θ -30°");
}

TEST_F(AccessibilityTest, ArrowKeysTurnTheViewAsADragAndTheCommandLineDo) {
  struct Row {
    const char* name;
    Keys keys;
    int16_t theta, phi;
  };
  const Row rows[] = {
      {"left and right by five", {{Qt::Key_Left, {}}, {Qt::Key_Left, {}}, {Qt::Key_Right, {}}}, -30, 105},
      {"up and down by five", {{Qt::Key_Up, {}}, {Qt::Key_Down, {}}, {Qt::Key_Down, {}}}, -25, 100},
      {"one degree with shift",
       {{Qt::Key_Right, Qt::ShiftModifier}, {Qt::Key_Up, Qt::ShiftModifier}},
       -24,
       106},
      {"held with ctrl: nothing", {{Qt::Key_Left, Qt::ControlModifier}}, -25, 105},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    testkit::RecordingControls commandLine;  // sets the angles, then draws
    window::PlotWindow headless(commandLine);
    headless.Load();
    headless.SetViewAngles(row.theta, row.phi);
    headless.Draw();
    Draw();
    form.Logic().Turn(1, static_cast<float>(row.theta + 326 - 360), static_cast<float>(326 - row.phi - 360));
    EXPECT_EQ(form.Picture().image(), commandLine.surface.image()) << "a drag";
    gui::MainWindow keys;
    keys.show();
    keys.findChild<QPushButton*>("CommandDraw")->click();
    for (const auto& [key, modifiers] : row.keys)
      QTest::keyClick(keys.findChild<QWidget*>("Picture1"), key, modifiers);
    EXPECT_EQ(keys.Picture().image(), commandLine.surface.image()) << "the keys";
  }
  Press("Picture1", {{Qt::Key_Plus, {}}, {Qt::Key_Plus, {}}, {Qt::Key_Minus, {}}});
  EXPECT_EQ(form.ScaleValue(), 105);
}

TEST_F(AccessibilityTest, ReturnOrEnterDrawsFromAnyInputBoxAndTheDrawButton) {
  for (const char* control : {"Code", "Data(1)", "Data(2)", "Data(3)", "Data(4)", "Data(5)", "CommandDraw"}) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
      SCOPED_TRACE(std::string(control) + (key == Qt::Key_Return ? " Return" : " Enter"));
      form.SetNumberText(window::NumberBox::ZMax, "");
      Press(control, {{key, {}}});
      EXPECT_EQ(form.NumberText(window::NumberBox::ZMax), "1.708");
    }
  }
  Press("Command1", {{Qt::Key_Return, {}}});
  EXPECT_FALSE(form.isVisible()) << "Return on Exit ends the program";
}

TEST_F(AccessibilityTest, MenuKeyAndShiftF10OpenThePictureMenu) {
  Draw();
  for (const auto& [key, modifiers] :
       Keys{{Qt::Key_Menu, {}}, {Qt::Key_F10, Qt::ShiftModifier}, {Qt::Key_F10, {}}}) {
    SCOPED_TRACE(QKeySequence(key | modifiers).toString().toStdString());
    Press("Picture1", {{key, modifiers}});
    EXPECT_EQ(form.PictureMenu().isVisible(), modifiers == Qt::ShiftModifier || key == Qt::Key_Menu);
    form.PictureMenu().hide();
  }
}

TEST_F(AccessibilityTest, ARefusalHandsTheKeyboardToTheBoxConcernedWithItsTextSelected) {
  using enum window::NumberBox;
  const std::tuple<const char*, std::vector<std::pair<window::NumberBox, const char*>>, QString> rows[] = {
      {"wrong value", {{YMin, "1x"}}, "Data(3)"},
      {"X range upside down", {{XMin, "2"}}, "Data(2)"},
      {"Y range upside down, the first of two", {{YMax, "-1"}, {Resolution, "0"}}, "Data(4)"},
      {"resolution too small", {{Resolution, "1"}}, "Data(5)"},
      {"table too large", {{Resolution, "100000"}}, "Data(5)"},
      {"Y step lost in rounding", {{YMin, "100000000"}, {YMax, "100000010"}}, "Data(3)"},
  };
  for (const auto& [name, inputs, refused] : rows) {
    SCOPED_TRACE(name);
    for (const window::NumberBox box : {XMin, XMax, YMin, YMax, Resolution})
      form.SetNumberText(box, box == Resolution ? "12" : box == XMin || box == YMin ? "-1" : "1");
    for (const auto& [box, text] : inputs) form.SetNumberText(box, text);
    Control("CommandDraw")->setFocus();
    Draw();
    auto* box = qobject_cast<QLineEdit*>(form.focusWidget());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->objectName(), refused);
    EXPECT_EQ(box->selectedText(), box->text());
  }
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
    Press(control, {{Qt::Key_Shift, {}}});
    EXPECT_TRUE(ring->isVisible()) << "a key pressed since";
    Control("Code")->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(ring->isVisible()) << "focus gone";
    Control(control)->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(ring->isVisible()) << "focus by Tab";
  }
}

}  // namespace
