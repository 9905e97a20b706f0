// The window as built from the layout table, and in use.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstring>
#include <map>
#include <tuple>
#include <vector>

#include "gui/LayoutFonts.h"
#include "gui/MainWindow.h"
#include "window/WindowLayout.h"

namespace {

std::map<QRgb, int> ColourCounts(const QImage& image, const QRect& rect) {
  std::map<QRgb, int> counts;
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x) ++counts[image.pixel(x, y) | 0xFF000000u];
  return counts;
}

QColor MostCommonColour(const QImage& image, const QRect& rect) {
  const auto counts = ColourCounts(image, rect);
  return QColor::fromRgb(
      std::ranges::max_element(counts, {}, [](auto& count) { return count.second; })->first);
}

class QtFormTest : public ::testing::Test {
 protected:
  QtFormTest() { form.show(); }

  template <class Widget = QWidget>
  Widget* Control(std::string_view name) const {
    return form.findChild<Widget*>(QString::fromUtf8(name));
  }

  // As the window system delivers it, so that Qt picks the widget and keeps the grab.
  void Send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(at), QPointF(form.mapToGlobal(at)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(form.windowHandle(), &event);
  }

  void Click(const QWidget* widget, QPoint at) {
    Send(QEvent::MouseButtonPress, widget->mapTo(&form, at), Qt::LeftButton, Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, widget->mapTo(&form, at), Qt::LeftButton, Qt::NoButton);
  }

  gui::MainWindow form;
};

TEST_F(QtFormTest, EveryControlHasThePlaceTextFontAndColoursOfTheTable) {
  // Form_Load fills the number boxes; the display boxes get text here so that its colour shows.
  const std::map<std::string_view, QString> textNotInTable{
      {"Data(1)", "-1"}, {"Data(2)", "1"},    {"Data(3)", "-1"},  {"Data(4)", "1"},
      {"Data(5)", "12"}, {"Data(6)", "-0.5"}, {"Data(7)", "1.75"}};
  form.SetNumberText(window::NumberBox::ZMin, "-0.5");
  form.SetNumberText(window::NumberBox::ZMax, "1.75");
  const QImage shown = form.grab().toImage();
  for (const window::ControlLayout& control : window::ControlLayouts()) {
    SCOPED_TRACE(std::string(control.name));
    const QWidget* widget = Control(control.name);
    ASSERT_NE(widget, nullptr);
    const window::TwipsRect& t = control.twips;
    const QRect rect(t.left / 15, t.top / 15, t.width / 15, t.height / 15);
    EXPECT_EQ(widget->geometry(), rect);
    const QString text = widget->property("text").toString();
    const auto loaded = textNotInTable.find(control.name);
    EXPECT_EQ(text, loaded != textNotInTable.end() ? loaded->second : QString::fromUtf8(control.text));
    const QFont& font = widget->font();
    if (const auto wanted = window::FontOf(control.font))
      EXPECT_EQ(std::tuple(font.family(), font.pixelSize(), font.bold(), font.italic()),
                std::tuple(QString::fromUtf8(wanted->face), gui::PixelSizeOfPoints(wanted->points),
                           wanted->bold, wanted->italic));
    else
      EXPECT_EQ(font, QApplication::font(widget));
    if (control.kind == window::ControlKind::CommandButton && control.background) {
      // A shaded face: close to the colour, not equal everywhere.
      EXPECT_NEAR(MostCommonColour(shown, rect.adjusted(3, 3, -3, -3)).lightness(),
                  gui::ToQColor(*control.background).lightness(), 4);
    } else if (control.background) {
      EXPECT_EQ(MostCommonColour(shown, rect), gui::ToQColor(*control.background));
    }
    // Text, or the shape's outline, in the foreground colour.
    if (control.foreground && (!text.isEmpty() || control.kind == window::ControlKind::RectangleShape)) {
      EXPECT_TRUE(ColourCounts(shown, rect).contains(gui::ToQColor(*control.foreground).rgb()));
    }
  }
}

// A few of the table's figures, written out.
TEST_F(QtFormTest, SpotChecks) {
  EXPECT_EQ(form.windowTitle(), "Plotting f(x) Functions");
  EXPECT_EQ(form.size(), QSize(629, 366));
  EXPECT_EQ(MostCommonColour(form.grab().toImage(), QRect(339, 0, 7, 366)), QColor(128, 128, 255));
  EXPECT_EQ(Control("CommandDraw")->geometry(), QRect(384, 312, 97, 25));
  auto* picture = Control<QFrame>("Picture1");
  EXPECT_EQ(picture->geometry(), QRect(8, 8, 330, 330));
  EXPECT_EQ(picture->contentsRect(), QRect(2, 2, 326, 326));
  EXPECT_EQ(form.DrawingAreaWidth(), 326);
  EXPECT_EQ(picture->grab().toImage().copy(2, 2, 326, 326).convertToFormat(QImage::Format_RGB32),
            form.Picture().image().convertToFormat(QImage::Format_RGB32));
  EXPECT_EQ(Control("Label1")->font().pixelSize(), 15) << "11.25 points at 96 pixels an inch";
}

TEST_F(QtFormTest, TabSkipsTheDisplayBoxesAndTheDrawingAreaUntilItIsEnabled) {
  const auto tabAround = [&](int count) {
    QStringList visited;
    for (int i = 0; i < count; ++i) {
      QTest::keyClick(form.focusWidget(), Qt::Key_Tab);
      visited << form.focusWidget()->objectName();
    }
    return visited;
  };
  Control("CommandDraw")->setFocus();
  QStringList order{"Command1", "Code",    "Data(5)",    "Data(4)", "Data(3)",
                    "Data(2)",  "Data(1)", "GraphScale", "CmdMenu", "CommandDraw"};
  EXPECT_EQ(tabAround(10), order);
  form.SetDrawingAreaEnabled(true);
  order.insert(9, "Picture1");
  EXPECT_EQ(tabAround(11), order);
}

TEST_F(QtFormTest, ColourModeMenuMarksTheChosenItem) {
  const auto items = [&] {  // the captions, a * marking the checked item
    QStringList captions;
    for (const surface::ColorMode mode : surface::AllColorModes)
      captions << form.ColorModeMenu().actions()[static_cast<int>(mode)]->text() +
                      (form.ColorModeChecked(mode) ? "*" : "");
    return captions;
  };
  EXPECT_EQ(items(), QStringList({"Grid*", "Lines", "Colors", "Rnd Colors"}));
  // ".." pops the menu up; the choice goes to the window's logic.
  QTimer::singleShot(0, [] {
    if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
      popup->actions()[3]->trigger();
      popup->close();
    }
  });
  Click(Control("CmdMenu"), {8, 6});
  EXPECT_EQ(items(), QStringList({"Grid", "Lines", "Colors", "Rnd Colors*"}));
}

TEST_F(QtFormTest, GraphScaleArrowsStepByFiveWithinTheBounds) {
  auto* scale = Control<gui::UpDownControl>("GraphScale");
  EXPECT_EQ(std::tuple(scale->value(), scale->increment(), scale->minimum(), scale->maximum()),
            std::tuple(100, 5, -50000, 50000));
  std::vector<int> signalled;
  QObject::connect(scale, &gui::UpDownControl::valueChanged, [&](int value) { signalled.push_back(value); });
  const std::tuple<int32_t, bool, int32_t> rows[] = {{100, true, 105},        {3, false, -2},
                                                     {49998, true, 50000},    {50000, true, 50000},
                                                     {-49998, false, -50000}, {-50000, false, -50000}};
  for (const auto& [from, up, to] : rows) {
    SCOPED_TRACE(from);
    scale->setValue(from);
    signalled.clear();
    Click(scale, {8, up ? 3 : 16});
    EXPECT_EQ(scale->value(), to);
    EXPECT_EQ(signalled, from == to ? std::vector<int>{} : std::vector<int>{to});
  }
}

TEST_F(QtFormTest, AngleLabelsGrowWithTheirCaption) {
  for (const auto& [number, readout] :
       {std::pair{1, window::AngleReadout::Theta}, {2, window::AngleReadout::Phi}}) {
    auto* label = Control<QLabel>("Label" + std::to_string(number));
    const QRect start = label->geometry();
    form.SetAngleText(readout, "-1234");
    EXPECT_EQ(label->text(), "-1234");
    EXPECT_GE(label->width(), QFontMetrics(label->font()).horizontalAdvance("-1234")) << number;
    EXPECT_EQ(label->geometry().topLeft(), start.topLeft());
    EXPECT_EQ(label->height(), start.height());
    form.SetAngleText(readout, "");
    EXPECT_EQ(label->width(), start.width()) << "an empty caption keeps the layout's width";
  }
}

// Once a button is pressed in the drawing area, moves keep coming wherever the pointer goes.
TEST_F(QtFormTest, MovesArriveInInnerAreaPixelsWithTheButtonMask) {
  form.SetDrawingAreaEnabled(true);
  std::vector<std::tuple<int, float, float>> moves;
  QObject::connect(Control<gui::DrawingAreaWidget>("Picture1"), &gui::DrawingAreaWidget::mouseMoved,
                   [&](int16_t button, float x, float y) { moves.emplace_back(button, x, y); });
  Send(QEvent::MouseMove, {10, 10}, Qt::NoButton, Qt::NoButton);  // the inner area's top left
  Send(QEvent::MouseButtonPress, {20, 30}, Qt::LeftButton, Qt::LeftButton);
  Send(QEvent::MouseMove, {600, 350}, Qt::NoButton, Qt::LeftButton | Qt::RightButton);
  Send(QEvent::MouseMove, {1, 2}, Qt::NoButton, Qt::LeftButton);
  Send(QEvent::MouseButtonRelease, {1, 2}, Qt::LeftButton, Qt::NoButton);
  Send(QEvent::MouseMove, {2, 2}, Qt::NoButton, Qt::NoButton);  // outside, no longer held
  EXPECT_EQ(moves, (std::vector<std::tuple<int, float, float>>{{0, 0, 0}, {3, 590, 340}, {1, -9, -8}}));
  EXPECT_EQ(gui::ButtonMask(Qt::MiddleButton | Qt::BackButton), 4);
}

// Counts the drawing area's repaints and what they covered.
struct PaintCounter : QObject {
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) regions.push_back(static_cast<QPaintEvent*>(event)->region());
    return false;
  }
  std::vector<QRegion> regions;
};

// A move over the area that draws nothing repaints nothing; a drag move repaints the inner
// area once, not its frame.
TEST_F(QtFormTest, OnlyANewPictureRepaintsTheDrawingArea) {
  auto* area = Control<gui::DrawingAreaWidget>("Picture1");
  Click(Control("CommandDraw"), {10, 10});
  QApplication::processEvents();
  PaintCounter counter;
  area->installEventFilter(&counter);
  const QPoint inside = area->mapTo(&form, QPoint(100, 100));
  // The press takes the keyboard focus, which Qt shows in a repaint of its own.
  const std::tuple<const char*, QEvent::Type, Qt::MouseButton, Qt::MouseButtons, int> rows[] = {
      {"a move without a button", QEvent::MouseMove, Qt::NoButton, Qt::NoButton, 0},
      {"a press", QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, -1},
      {"a drag move", QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, 1},
      {"another drag move", QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, 1},
      {"a release", QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, 0},
  };
  for (const auto& [name, type, button, buttons, repaints] : rows) {
    counter.regions.clear();
    Send(type, inside + QPoint(static_cast<int>(std::strlen(name)), 0), button, buttons);
    QApplication::processEvents();
    if (repaints < 0) continue;
    ASSERT_EQ(static_cast<int>(counter.regions.size()), repaints) << name;
    for (const QRegion& region : counter.regions) EXPECT_EQ(region, QRegion(area->contentsRect())) << name;
  }
  area->removeEventFilter(&counter);
}

}  // namespace
