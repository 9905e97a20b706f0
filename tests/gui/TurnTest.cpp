// "Turn" offscreen: the view turns until the user does anything.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <functional>

#include "ShownWindow.h"

namespace {

using TurnTest = ShownWindow;

TEST_F(TurnTest, TurnsTheViewUntilAPressAKeyADrawOrUnchecking) {
  QWidget* area = form.findChild<QWidget*>("Picture1");
  const std::pair<const char*, std::function<void()>> rows[] = {
      {"a press on the area", [&] { QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(9, 9)); }},
      {"a key elsewhere", [&] { QTest::keyClick(form.findChild<QWidget*>("Code"), Qt::Key_End); }},
      {"a draw", [&] { form.DrawFunction(); }},
      {"unchecking", [&] { form.TurnItem().setChecked(false); }},
  };
  form.DrawFunction();
  for (const auto& [name, stop] : rows) {
    const int16_t start = form.Logic().Theta();
    form.TurnItem().setChecked(true);
    QTest::qWait(100);
    EXPECT_GT(form.Logic().Theta(), start) << name;
    EXPECT_EQ(form.Logic().ShownView().Theta, form.Logic().Theta()) << name;
    EXPECT_EQ(form.findChild<QLabel*>("Label1")->text().toInt(), form.Logic().Theta()) << name;
    stop();
    const int16_t stopped = form.Logic().Theta();
    QTest::qWait(50);
    EXPECT_FALSE(form.TurnItem().isChecked()) << name;
    EXPECT_EQ(form.Logic().Theta(), stopped) << name;
  }
}

}  // namespace
