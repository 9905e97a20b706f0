// The mouse wheel steps the scale as its arrows do.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWheelEvent>

#include "gui/MainWindow.h"

namespace {

TEST(ScaleWheel, EachNotchIsOneStepOfTheScale) {
  const std::tuple<const char*, const char*, bool, std::vector<int>, int> rows[] = {
      {"two notches up over the picture", "Picture1", true, {240}, 110},
      {"before the first draw", "Picture1", false, {120}, 105},
      {"down over an arrow", "GraphScale", true, {-120, -120}, 90},
      {"half notches add up", "GraphScale", true, {60, 60, 60}, 105},
  };
  for (const auto& [name, over, drawnFirst, turns, scale] : rows) {
    SCOPED_TRACE(name);
    gui::MainWindow form;
    form.show();
    if (drawnFirst) form.Logic().Draw();
    auto* target = form.findChild<QWidget*>(over);
    // The arrows fill the control; the wheel turns over one of them.
    if (auto* arrow = target->childAt(target->width() / 2, 1)) target = arrow;
    const uint64_t before = form.Picture().Revision();
    for (const int turn : turns) {
      const QPointF at(target->width() / 2.0, target->height() / 2.0);
      QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, turn), Qt::NoButton, Qt::NoModifier,
                        Qt::NoScrollPhase, false);
      QApplication::sendEvent(target, &wheel);
    }
    EXPECT_EQ(form.ScaleValue(), scale);
    if (drawnFirst) {
      EXPECT_NE(form.Picture().Revision(), before) << "the new scale is drawn";
    }
  }
}

}  // namespace
