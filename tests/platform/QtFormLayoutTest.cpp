// The window as built: every control of the layout table, checked against the
// table, and the rendered window against its colours.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include "QtFormTestSupport.h"
#include "platform/CaptionLabel.h"
#include "platform/ControlFactory.h"
#include "platform/ImageSurface.h"
#include "platform/LayoutFonts.h"
#include "platform/PictureBox.h"
#include "platform/RectangleShape.h"
#include "platform/UpDownControl.h"
#include "window/Form1Layout.h"

namespace {

using platform_testing::MostCommonColour;
using platform_testing::ShownForm;
using window::ControlKind;

QString Qt(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor Colour(platform::Color color) { return platform::ToQColor(color); }

bool IsKind(const QWidget* widget, ControlKind kind) {
  switch (kind) {
    case ControlKind::PictureBox:
      return qobject_cast<const platform::PictureBox*>(widget) != nullptr;
    case ControlKind::Label:
      return qobject_cast<const platform::CaptionLabel*>(widget) != nullptr;
    case ControlKind::TextBox: {
      const auto* box = qobject_cast<const QLineEdit*>(widget);
      return box != nullptr && !box->isReadOnly();
    }
    case ControlKind::DisplayTextBox: {
      const auto* box = qobject_cast<const QLineEdit*>(widget);
      return box != nullptr && box->isReadOnly();
    }
    case ControlKind::RectangleShape:
      return qobject_cast<const platform::RectangleShape*>(widget) != nullptr;
    case ControlKind::CommandButton:
      return qobject_cast<const QPushButton*>(widget) != nullptr;
    case ControlKind::UpDown:
      return qobject_cast<const platform::UpDownControl*>(widget) != nullptr;
  }
  return false;
}

// The text a control shows right after start-up: the layout's, except the five
// number boxes, which Form_Load fills.
QString StartText(const window::ControlLayout& control) {
  const std::string_view numbers[] = {"-1", "1", "-1", "1", "12"};
  for (int k = 1; k <= 5; ++k)
    if (control.name == "Data(" + std::to_string(k) + ")") return Qt(numbers[k - 1]);
  return Qt(control.text);
}

QString TextOf(const QWidget* widget) {
  if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
  if (const auto* box = qobject_cast<const QLineEdit*>(widget)) return box->text();
  if (const auto* button = qobject_cast<const QPushButton*>(widget)) return button->text();
  return {};
}

Qt::Alignment HorizontalAlignmentOf(const QWidget* widget) {
  if (const auto* label = qobject_cast<const QLabel*>(widget))
    return label->alignment() & Qt::AlignHorizontal_Mask;
  if (const auto* box = qobject_cast<const QLineEdit*>(widget))
    return box->alignment() & Qt::AlignHorizontal_Mask;
  return {};
}

class QtFormLayout : public ::testing::Test {
 protected:
  ShownForm shown;
};

TEST_F(QtFormLayout, TheWindow) {
  platform::QtForm& form = shown.form();
  EXPECT_EQ(form.windowTitle(), "Plotting f(x) Functions");
  EXPECT_EQ(form.size(), QSize(629, 366));
  EXPECT_EQ(form.minimumSize(), form.maximumSize()) << "the window must not be resizable";
  EXPECT_EQ(form.findChild<QMenuBar*>(), nullptr);
  // The free strips right of and below the drawing area.
  const QImage picture = form.grab().toImage();
  EXPECT_EQ(MostCommonColour(picture, QRect(339, 0, 7, 366)), QColor(128, 128, 255));
  EXPECT_EQ(MostCommonColour(picture, QRect(0, 339, 629, 3)), QColor(128, 128, 255));
}

TEST_F(QtFormLayout, EveryControlSitsWhereTheTableSays) {
  for (const window::ControlLayout& control : window::Form1Controls()) {
    SCOPED_TRACE(std::string(control.name));
    const QWidget* widget = shown.Control(control.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_TRUE(IsKind(widget, control.kind));
    EXPECT_EQ(widget->geometry(), platform::PixelRect(control.twips));
    EXPECT_TRUE(widget->isVisible());
    EXPECT_EQ(TextOf(widget), StartText(control));
    const Qt::Alignment expected =
        control.alignment == window::TextAlignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
    if (control.kind == ControlKind::Label || control.kind == ControlKind::TextBox ||
        control.kind == ControlKind::DisplayTextBox) {
      EXPECT_EQ(HorizontalAlignmentOf(widget), expected);
    }
  }
}

TEST_F(QtFormLayout, EveryControlHasItsFont) {
  // fonts-liberation provides faces with the same metrics under other names.
  const std::map<QString, QString> metricTwin{{"Times New Roman", "Liberation Serif"},
                                              {"Arial", "Liberation Sans"}};
  for (const window::ControlLayout& control : window::Form1Controls()) {
    SCOPED_TRACE(std::string(control.name));
    const QWidget* widget = shown.Control(control.name);
    const auto spec = window::FontOf(control.font);
    if (!spec) {
      EXPECT_EQ(widget->font(), QApplication::font(widget));
      continue;
    }
    const QFont& font = widget->font();
    EXPECT_EQ(font.family(), Qt(spec->face));
    EXPECT_EQ(font.pixelSize(), platform::PixelSizeOfPoints(spec->points));
    EXPECT_EQ(font.bold(), spec->bold);
    EXPECT_EQ(font.italic(), spec->italic);
    const QString resolved = QFontInfo(font).family();
    EXPECT_TRUE(resolved == Qt(spec->face) || resolved == metricTwin.at(Qt(spec->face)))
        << resolved.toStdString();
  }
}

// What is on screen has the table's colours (so the style honours the palettes).
TEST_F(QtFormLayout, TheRenderedWindowShowsTheColours) {
  platform::QtForm& form = shown.form();
  form.SetDataText(6, "-0.5");
  form.SetDataText(7, "1.75");
  const QImage picture = form.grab().toImage();
  for (const window::ControlLayout& control : window::Form1Controls()) {
    SCOPED_TRACE(std::string(control.name));
    const QRect rect = platform::PixelRect(control.twips);
    if (control.kind == ControlKind::RectangleShape) {
      EXPECT_EQ(picture.pixelColor(rect.topLeft()), Colour(*control.foreground));
      EXPECT_EQ(picture.pixelColor(rect.bottomRight()), Colour(*control.foreground));
    } else if (control.kind == ControlKind::CommandButton && control.background) {
      // A shaded button: its face is close to the colour, not equal everywhere.
      const QColor face = MostCommonColour(picture, rect.adjusted(3, 3, -3, -3));
      EXPECT_NEAR(face.lightness(), Colour(*control.background).lightness(), 4);
      EXPECT_LT(face.saturation(), 8);
    } else if (control.kind == ControlKind::PictureBox) {
      EXPECT_EQ(MostCommonColour(picture, rect.adjusted(2, 2, -2, -2)), Colour(*control.background));
    } else if (control.background) {
      EXPECT_EQ(MostCommonColour(picture, rect), Colour(*control.background));
    }
    // Text in the foreground colour shows wherever there is text to show.
    if (control.foreground && !TextOf(shown.Control(control.name)).isEmpty()) {
      bool found = false;
      for (int y = rect.top(); y <= rect.bottom() && !found; ++y)
        for (int x = rect.left(); x <= rect.right() && !found; ++x)
          found = picture.pixelColor(x, y) == Colour(*control.foreground);
      EXPECT_TRUE(found) << "no pixel of the text colour";
    }
  }
}

TEST_F(QtFormLayout, DrawingAreaHasASunkenBorderAroundItsInnerArea) {
  auto* picture = shown.Control<platform::PictureBox>("Picture1");
  EXPECT_EQ(picture->contentsRect(), QRect(2, 2, 326, 326));
  EXPECT_EQ(shown.form().Picture1ScaleWidth(), 326);
  EXPECT_EQ(picture->frameShadow(), QFrame::Sunken);
  // It shows the picture drawn so far, the axes of the start view.
  const QImage inner = picture->grab().toImage().copy(picture->contentsRect());
  EXPECT_EQ(inner.convertToFormat(QImage::Format_RGB32),
            shown.form().Picture().image().convertToFormat(QImage::Format_RGB32));
}

TEST_F(QtFormLayout, StartState) {
  platform::QtForm& form = shown.form();
  EXPECT_FALSE(form.Picture1Enabled());
  for (int k = 6; k <= 7; ++k) EXPECT_EQ(form.DataText(k), "") << k;
  EXPECT_EQ(form.GraphScaleValue(), 100);
  EXPECT_EQ(shown.Control<QLabel>("Label1")->text(), "");
  EXPECT_EQ(shown.Control<QLabel>("Label2")->text(), "");
  EXPECT_TRUE(shown.messages.shown.empty());
}

TEST_F(QtFormLayout, LabelsAndTheShapeLieBeneathTheOtherControls) {
  const QObjectList& children = shown.form().children();
  const auto position = [&](const char* name) { return children.indexOf(shown.Control(name)); };
  const int firstWindowed = std::min({position("Picture1"), position("Code"), position("Data(6)")});
  EXPECT_LT(position("Shape1"), firstWindowed);
  EXPECT_LT(position("Shape1"), position("Label11"));
  EXPECT_LT(position("Label11"), firstWindowed);
}

}  // namespace
