// The window in use: focus, label growth, the pop-up menu, the drawing area's
// mouse moves, pointers, message boxes and closing.
#include <gtest/gtest.h>

#include <QAction>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QTimer>

#include "QtFormTestSupport.h"
#include "platform/DecimalSeparator.h"
#include "runtime/RuntimeError.h"

namespace {

using platform_testing::ClickThroughWindow;
using platform_testing::SendWindowMouseEvent;
using platform_testing::ShownForm;

class QtFormBehaviour : public ::testing::Test {
 protected:
  QString FocusedName() const {
    const QWidget* focused = shown.form().focusWidget();
    return focused == nullptr ? QString("(none)") : focused->objectName();
  }

  // Tab from the focused control, count times; the names passed through.
  QStringList TabAround(int count) {
    QStringList visited;
    for (int i = 0; i < count; ++i) {
      QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
      QApplication::sendEvent(shown.form().focusWidget(), &tab);
      visited << FocusedName();
    }
    return visited;
  }

  QPoint PictureInnerPointInWindow(QPoint inner) const {
    const QWidget* picture = shown.Control("Picture1");
    return picture->mapTo(&shown.form(), inner + picture->contentsRect().topLeft());
  }

  ShownForm shown;
};

TEST_F(QtFormBehaviour, TabVisitsTheControlsInOrderAndSkipsTheDisplayBoxes) {
  shown.Control("CommandDraw")->setFocus();
  ASSERT_EQ(FocusedName(), "CommandDraw");
  const QStringList whileDisabled{"Command1", "Code",    "Data(5)",    "Data(4)", "Data(3)",
                                  "Data(2)",  "Data(1)", "GraphScale", "CmdMenu", "CommandDraw"};
  EXPECT_EQ(TabAround(10), whileDisabled);

  shown.form().SetPicture1Enabled(true);
  const QStringList onceEnabled{"Command1", "Code",       "Data(5)", "Data(4)",  "Data(3)",    "Data(2)",
                                "Data(1)",  "GraphScale", "CmdMenu", "Picture1", "CommandDraw"};
  EXPECT_EQ(TabAround(11), onceEnabled);
}

TEST_F(QtFormBehaviour, AngleLabelsGrowToShowTheirCaption) {
  for (int number : {1, 2}) {
    SCOPED_TRACE(number);
    auto* label = shown.Control<QLabel>("Label" + std::to_string(number));
    const QRect start = label->geometry();
    ASSERT_EQ(start.width(), 4);
    for (const char* caption : {"-360", "34", "-1234", "7"}) {
      shown.form().SetLabelCaption(number, caption);
      EXPECT_EQ(label->text(), caption);
      EXPECT_GE(label->width(), QFontMetrics(label->font()).horizontalAdvance(caption)) << caption;
      EXPECT_GE(label->width(), label->sizeHint().width()) << caption;
      EXPECT_EQ(label->pos(), start.topLeft());
      EXPECT_EQ(label->height(), start.height());
    }
  }
}

TEST_F(QtFormBehaviour, ColourModeMenuHoldsFourCheckableItemsGridMarked) {
  QMenu& menu = shown.form().ColorModeMenu();
  EXPECT_EQ(menu.title(), "Colors");
  EXPECT_FALSE(menu.isVisible());
  const QStringList captions{"Grid", "Lines", "Colors", "Rnd Colors"};
  ASSERT_EQ(menu.actions().size(), 4);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(menu.actions()[i]->text(), captions[i]);
    EXPECT_TRUE(menu.actions()[i]->isCheckable());
    EXPECT_EQ(shown.form().MenuItemChecked(i + 1), i == 0) << captions[i].toStdString();
  }
  shown.form().SetMenuItemChecked(3, true);
  EXPECT_TRUE(menu.actions()[2]->isChecked());
}

// The button ".." pops the menu up; the choice reaches the window's logic, which
// alone moves the mark (Qt's own toggle is undone).
TEST_F(QtFormBehaviour, ChoosingFromThePopUpMovesTheCheckMark) {
  struct Row {
    int choose;
    std::array<bool, 4> marks;
  };
  const Row rows[] = {{2, {false, true, false, false}},
                      {2, {false, true, false, false}},
                      {4, {false, false, false, true}},
                      {1, {true, false, false, false}}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.choose);
    bool popped = false;
    QTimer::singleShot(0, [&] {
      auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      popped = popup == &shown.form().ColorModeMenu();
      if (popup == nullptr) return;
      popup->actions()[row.choose - 1]->trigger();
      popup->close();
    });
    ClickThroughWindow(shown.form(), *shown.Control("CmdMenu"));
    EXPECT_TRUE(popped);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(shown.form().MenuItemChecked(i + 1), row.marks[i]) << i + 1;
  }
}

TEST_F(QtFormBehaviour, TheDrawingAreaTakesNoMouseInputWhileDisabled) {
  SendWindowMouseEvent(shown.form(), QEvent::MouseButtonPress, PictureInnerPointInWindow({0, 0}),
                       Qt::LeftButton, Qt::LeftButton);
  SendWindowMouseEvent(shown.form(), QEvent::MouseMove, PictureInnerPointInWindow({0, 0}), Qt::NoButton,
                       Qt::LeftButton);
  SendWindowMouseEvent(shown.form(), QEvent::MouseButtonRelease, PictureInnerPointInWindow({0, 0}),
                       Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(shown.Control<QLabel>("Label1")->text(), "");
  EXPECT_EQ(shown.form().Logic().Theta(), -25);
}

// A left drag that starts in the area keeps turning the view outside it; the
// angles come from the position in the inner area (W = 326).
TEST_F(QtFormBehaviour, ADragReachesTheLogicInInnerAreaPixels) {
  platform::QtForm& form = shown.form();
  form.SetPicture1Enabled(true);
  SendWindowMouseEvent(form, QEvent::MouseButtonPress, PictureInnerPointInWindow({10, 20}), Qt::LeftButton,
                       Qt::LeftButton);
  struct Row {
    QPoint inner;
    const char* theta;
    const char* phi;
  };
  const Row rows[] = {
      {{0, 0}, "34", "-34"},
      {{325, 325}, "359", "-359"},
      {{-59, -139}, "-25", "105"},  // beyond the top left corner: the start view
      {{400, 500}, "434", "-534"},
  };
  for (const Row& row : rows) {
    SendWindowMouseEvent(form, QEvent::MouseMove, PictureInnerPointInWindow(row.inner), Qt::NoButton,
                         Qt::LeftButton);
    EXPECT_EQ(form.findChild<QLabel*>("Label1")->text(), row.theta);
    EXPECT_EQ(form.findChild<QLabel*>("Label2")->text(), row.phi);
  }
  SendWindowMouseEvent(form, QEvent::MouseButtonRelease, PictureInnerPointInWindow({400, 500}),
                       Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(form.Logic().Theta(), 434);
  EXPECT_EQ(form.Logic().Phi(), -534);
}

TEST_F(QtFormBehaviour, PointersOfTheWindowAndTheDrawingArea) {
  platform::QtForm& form = shown.form();
  QWidget* picture = shown.Control("Picture1");
  const auto shapes = [&] { return std::pair(form.cursor().shape(), picture->cursor().shape()); };
  ASSERT_EQ(shapes(), std::pair(Qt::ArrowCursor, Qt::ArrowCursor));

  form.SetMousePointer(platform::PointerTarget::Picture1, platform::PointerShape::Busy);
  EXPECT_EQ(shapes(), std::pair(Qt::ArrowCursor, Qt::WaitCursor));
  form.SetMousePointer(platform::PointerTarget::Form, platform::PointerShape::Busy);
  EXPECT_EQ(shapes(), std::pair(Qt::WaitCursor, Qt::WaitCursor));
  form.SetMousePointer(platform::PointerTarget::Picture1, platform::PointerShape::Default);
  EXPECT_EQ(shapes(), std::pair(Qt::WaitCursor, Qt::WaitCursor)) << "the area shows the window's pointer";
  form.SetMousePointer(platform::PointerTarget::Form, platform::PointerShape::Default);
  EXPECT_EQ(shapes(), std::pair(Qt::ArrowCursor, Qt::ArrowCursor));
}

TEST_F(QtFormBehaviour, MessageBoxesGoThroughTheSeam) {
  shown.form().MsgBox("Wrong value", platform::MessageIcon::Critical);
  shown.form().MsgBox("Parse Error", platform::MessageIcon::None);
  ASSERT_EQ(shown.messages.shown.size(), 2u);
  EXPECT_EQ(shown.messages.shown[0].text, "Wrong value");
  EXPECT_EQ(shown.messages.shown[0].icon, platform::MessageIcon::Critical);
  EXPECT_EQ(shown.messages.shown[0].parent, &shown.form());
  EXPECT_EQ(shown.messages.shown[1].text, "Parse Error");
  EXPECT_EQ(shown.messages.shown[1].icon, platform::MessageIcon::None);
}

TEST_F(QtFormBehaviour, ControlArraysRefuseMissingMembers) {
  platform::QtForm& form = shown.form();
  EXPECT_THROW(form.DataText(0), runtime::RuntimeError);
  EXPECT_THROW(form.SetDataText(8, "x"), runtime::RuntimeError);
  EXPECT_THROW(form.SetLabelCaption(10, "x"), runtime::RuntimeError);
  EXPECT_THROW(form.MenuItemChecked(5), runtime::RuntimeError);
  form.SetDataText(6, "-0.5");
  EXPECT_EQ(form.DataText(6), "-0.5");
}

TEST_F(QtFormBehaviour, ExitClosesTheWindow) {
  ASSERT_TRUE(shown.form().isVisible());
  ClickThroughWindow(shown.form(), *shown.Control("Command1"));
  EXPECT_FALSE(shown.form().isVisible());
  EXPECT_TRUE(shown.form().testAttribute(Qt::WA_QuitOnClose))
      << "closing the only window must end the program";
}

TEST(DecimalSeparator, FromTheLocale) {
  EXPECT_EQ(platform::DecimalSeparatorOf(QLocale(QLocale::English, QLocale::UnitedStates)), '.');
  EXPECT_EQ(platform::DecimalSeparatorOf(QLocale(QLocale::German, QLocale::Germany)), ',');
  // A separator beyond ASCII cannot be typed into the number boxes' character set.
  EXPECT_EQ(platform::DecimalSeparatorOf(QLocale(QLocale::Persian, QLocale::Iran)), '.');
}

}  // namespace
