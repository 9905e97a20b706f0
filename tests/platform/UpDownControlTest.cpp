// GraphScale's control: a value in steps within bounds, changed by its arrows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>
#include <vector>

#include "platform/UpDownControl.h"

namespace {

class UpDownControlTest : public ::testing::Test {
 protected:
  UpDownControlTest() : control(&window) {
    control.Configure(window::GraphScaleSettings);
    control.setGeometry(10, 10, 16, 19);
    QObject::connect(&control, &platform::UpDownControl::valueChanged,
                     [this](int value) { signalled.push_back(value); });
    window.resize(60, 60);
    window.show();
  }

  // A click of the left button as the window system delivers it.
  void ClickAt(QPoint inControl) {
    const QPointF at(control.mapTo(&window, inControl));
    QMouseEvent press(QEvent::MouseButtonPress, at, window.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, window.mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(window.windowHandle(), &press);
    QApplication::sendEvent(window.windowHandle(), &release);
  }
  void ClickUp() { ClickAt({8, 3}); }
  void ClickDown() { ClickAt({8, 16}); }

  QWidget window;
  platform::UpDownControl control;
  std::vector<int> signalled;
};

TEST_F(UpDownControlTest, StartsAsGraphScale) {
  EXPECT_EQ(control.value(), 100);
  EXPECT_EQ(control.increment(), 5);
  EXPECT_EQ(control.minimum(), -50000);
  EXPECT_EQ(control.maximum(), 50000);
  EXPECT_TRUE(control.upArrow()->geometry().bottom() < control.downArrow()->geometry().top());
  EXPECT_EQ(control.upArrow()->height() + control.downArrow()->height(), 19);
}

TEST_F(UpDownControlTest, ArrowsMoveByTheIncrementAndSignal) {
  ClickUp();
  ClickUp();
  ClickDown();
  EXPECT_EQ(control.value(), 105);
  EXPECT_EQ(signalled, (std::vector<int>{105, 110, 105}));
}

TEST_F(UpDownControlTest, ArrowsStopAtTheBoundsWithoutSignalling) {
  struct Row {
    const char* what;
    int32_t from;
    bool up;
    int32_t to;
    bool signalsChange;
  };
  const Row rows[] = {
      {"up to the maximum", 49995, true, 50000, true},
      {"up at the maximum", 50000, true, 50000, false},
      {"up from just below", 49998, true, 50000, true},
      {"down to the minimum", -49995, false, -50000, true},
      {"down at the minimum", -50000, false, -50000, false},
      {"down through zero", 3, false, -2, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    control.setValue(row.from);
    signalled.clear();
    row.up ? ClickUp() : ClickDown();
    EXPECT_EQ(control.value(), row.to);
    EXPECT_EQ(signalled.size(), row.signalsChange ? 1u : 0u);
  }
}

TEST_F(UpDownControlTest, SetValueClampsAndSignalsOnlyChanges) {
  control.setValue(100);
  EXPECT_TRUE(signalled.empty());
  control.setValue(70000);
  control.setValue(INT32_MIN);
  EXPECT_EQ(signalled, (std::vector<int>{50000, -50000}));
}

TEST_F(UpDownControlTest, ArrowKeysStepWhileFocused) {
  for (const auto key : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Down, Qt::Key_Up}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&control, &press);
  }
  EXPECT_EQ(control.value(), 110);
}

}  // namespace
