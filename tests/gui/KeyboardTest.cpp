// Everything the mouse does, done with keys, offscreen.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <vector>

#include "gui/FocusMark.h"
#include "gui/MainWindow.h"
#include "gui/MessageBox.h"
#include "testkit/RecordingControls.h"

namespace {

class KeyboardTest : public ::testing::Test {
 protected:
  KeyboardTest() {
    previous_ = gui::ReplaceMessageBoxPresenter(
        [this](QWidget*, const std::string& text, window::MessageIcon) { messages.push_back(text); });
    form.show();
  }
  ~KeyboardTest() override { gui::ReplaceMessageBoxPresenter(previous_); }

  template <class Widget = QWidget>
  Widget* Control(const char* name) const {
    return form.findChild<Widget*>(name);
  }
  void Draw() { Control<QPushButton>("CommandDraw")->click(); }

  gui::MainWindow form;
  std::vector<std::string> messages;

 private:
  gui::MessageBoxPresenter previous_;
};

TEST_F(KeyboardTest, ArrowKeysTurnTheViewAsADragAndTheCommandLineDo) {
  struct Row {
    const char* name;
    std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys;
    int16_t theta, phi;
  };
  const Row rows[] = {
      {"left and right by five", {{Qt::Key_Left, {}}, {Qt::Key_Left, {}}, {Qt::Key_Right, {}}}, -30, 105},
      {"up and down by five", {{Qt::Key_Up, {}}, {Qt::Key_Down, {}}, {Qt::Key_Down, {}}}, -25, 100},
      {"one degree with shift",
       {{Qt::Key_Right, Qt::ShiftModifier}, {Qt::Key_Up, Qt::ShiftModifier}},
       -24,
       106},
      {"keypad arrows", {{Qt::Key_Left, Qt::KeypadModifier}}, -30, 105},
      {"held with ctrl: nothing", {{Qt::Key_Left, Qt::ControlModifier}}, -25, 105},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    gui::MainWindow keys;
    keys.show();
    keys.findChild<QPushButton*>("CommandDraw")->click();
    for (const auto& [key, modifiers] : row.keys)
      QTest::keyClick(keys.findChild<QWidget*>("Picture1"), key, modifiers);
    EXPECT_EQ(std::pair(keys.Logic().Theta(), keys.Logic().Phi()), std::pair(row.theta, row.phi));
    // The command line sets the angles before it draws; a drag sets them from the pointer.
    testkit::RecordingControls commandLine;
    window::PlotWindow headless(commandLine);
    headless.Load();
    headless.SetViewAngles(row.theta, row.phi);
    headless.Draw();
    EXPECT_EQ(keys.Picture().image(), commandLine.surface.image());
    form.Logic().Draw();
    form.Logic().Turn(1, static_cast<float>(row.theta + 326 - 360), static_cast<float>(326 - row.phi - 360));
    EXPECT_EQ(keys.Picture().image(), form.Picture().image());
  }
}

TEST_F(KeyboardTest, PlusAndMinusStepTheScaleFromThePicture) {
  Draw();
  for (const Qt::Key key : {Qt::Key_Plus, Qt::Key_Plus, Qt::Key_Minus})
    QTest::keyClick(Control("Picture1"), key);
  EXPECT_EQ(form.ScaleValue(), 105);
}

TEST_F(KeyboardTest, ReturnOrEnterDrawsFromAnyInputBoxAndTheDrawButton) {
  for (const char* control : {"Code", "Data(1)", "Data(2)", "Data(3)", "Data(4)", "Data(5)", "CommandDraw"}) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
      SCOPED_TRACE(std::string(control) + (key == Qt::Key_Return ? " Return" : " Enter"));
      form.SetNumberText(window::NumberBox::ZMax, "");
      QTest::keyClick(Control(control), key);
      EXPECT_EQ(form.NumberText(window::NumberBox::ZMax), "1.708");
    }
  }
  QTest::keyClick(Control("Command1"), Qt::Key_Return);
  EXPECT_FALSE(form.isVisible()) << "Return on Exit ends the program";
}

TEST_F(KeyboardTest, MenuKeyAndShiftF10OpenThePictureMenu) {
  const std::pair<Qt::Key, Qt::KeyboardModifiers> rows[] = {
      {Qt::Key_Menu, {}}, {Qt::Key_F10, Qt::ShiftModifier}, {Qt::Key_F10, {}}};
  Draw();
  for (const auto& [key, modifiers] : rows) {
    SCOPED_TRACE(QKeySequence(key | modifiers).toString().toStdString());
    QTest::keyClick(Control("Picture1"), key, modifiers);
    EXPECT_EQ(form.PictureMenu().isVisible(), modifiers == Qt::ShiftModifier || key == Qt::Key_Menu);
    form.PictureMenu().hide();
  }
}

TEST_F(KeyboardTest, ARefusalHandsTheKeyboardToTheBoxConcernedWithItsTextSelected) {
  using enum window::NumberBox;
  struct Row {
    const char* name;
    std::vector<std::pair<window::NumberBox, const char*>> inputs;
    const char* refused;
  };
  const Row rows[] = {
      {"wrong value", {{YMin, "1x"}}, "Data(3)"},
      {"X range upside down", {{XMin, "2"}}, "Data(2)"},
      {"Y range upside down, the first of two", {{YMax, "-1"}, {Resolution, "0"}}, "Data(4)"},
      {"resolution too small", {{Resolution, "1"}}, "Data(5)"},
      {"table too large", {{Resolution, "100000"}}, "Data(5)"},
      {"Y step lost in rounding", {{YMin, "100000000"}, {YMax, "100000010"}}, "Data(3)"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    gui::MainWindow refusing;
    refusing.show();
    for (const auto& [box, text] : row.inputs) refusing.SetNumberText(box, text);
    refusing.findChild<QPushButton*>("CommandDraw")->setFocus();
    refusing.findChild<QPushButton*>("CommandDraw")->click();
    auto* box = qobject_cast<QLineEdit*>(refusing.focusWidget());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->objectName(), row.refused);
    EXPECT_EQ(box->selectedText(), box->text());
  }
}

TEST_F(KeyboardTest, FocusRingsShowForKeysOnlyOutsideTheControl) {
  Draw();
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  const auto ringOf = [&](const char* control) {
    for (auto* mark : form.findChildren<gui::FocusMark*>())
      if (mark->geometry().contains(Control(control)->geometry())) return mark;
    return static_cast<gui::FocusMark*>(nullptr);
  };
  for (const char* control : {"Picture1", "GraphScale"}) {
    SCOPED_TRACE(control);
    gui::FocusMark* ring = ringOf(control);
    ASSERT_NE(ring, nullptr);
    EXPECT_FALSE(ring->mask().intersects(Control(control)->geometry().translated(-ring->pos())));
    Control(control)->setFocus(Qt::MouseFocusReason);
    EXPECT_FALSE(ring->isVisible()) << "focus by a click";
    QTest::keyClick(Control(control), Qt::Key_Shift);
    EXPECT_TRUE(ring->isVisible()) << "a key pressed since";
    Control("Code")->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(ring->isVisible());
    Control(control)->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(ring->isVisible()) << "focus by Tab";
  }
}

}  // namespace
