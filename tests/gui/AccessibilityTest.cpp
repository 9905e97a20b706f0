// The window as a screen reader meets it, through Qt's accessibility, offscreen.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>

#include "gui/MainWindow.h"
#include "gui/MessageBox.h"

namespace {

class AccessibilityTest : public ::testing::Test {
 protected:
  AccessibilityTest() {
    previous_ = gui::ReplaceMessageBoxPresenter([](QWidget*, const std::string&, window::MessageIcon) {});
    form.show();
  }
  ~AccessibilityTest() override { gui::ReplaceMessageBoxPresenter(previous_); }

  QAccessibleInterface* Accessible(const char* name) const {
    return QAccessible::queryAccessibleInterface(form.findChild<QObject*>(name));
  }

  gui::MainWindow form;

 private:
  gui::MessageBoxPresenter previous_;
};

TEST_F(AccessibilityTest, EveryControlHasAPlainNameARoleAndItsCaption) {
  struct Row {
    const char* control;
    QAccessible::Role role;
    QString name;
    const char* caption;  // the label that labels it, if any
  };
  const Row rows[] = {
      {"Picture1", QAccessible::Graphic, "Picture", nullptr},
      {"Code", QAccessible::EditableText, "Formula Z(X, Y)", "Label7"},
      {"Data(1)", QAccessible::EditableText, "X minimum", "Label5"},
      {"Data(2)", QAccessible::EditableText, "X maximum", nullptr},
      {"Data(3)", QAccessible::EditableText, "Y minimum", "Label6"},
      {"Data(4)", QAccessible::EditableText, "Y maximum", nullptr},
      {"Data(5)", QAccessible::EditableText, "Resolution", "Label8"},
      {"Data(6)", QAccessible::EditableText, "Z minimum", "Label11"},
      {"Data(7)", QAccessible::EditableText, "Z maximum", nullptr},
      {"CmdMenu", QAccessible::Button, "Color mode", "Label9"},
      {"GraphScale", QAccessible::SpinBox, "Scale", "Label13"},
      {"CommandDraw", QAccessible::Button, "Draw Function", nullptr},
      {"Command1", QAccessible::Button, "Exit", nullptr},
      {"Label1", QAccessible::StaticText, "Turn Θ", "Label3"},
      {"Label2", QAccessible::StaticText, "Tilt Φ", "Label4"},
      {"Label8", QAccessible::StaticText, "Resolution:", nullptr},
      {"MenuColorMode(0)", QAccessible::PopupMenu, "Color mode", nullptr},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.control);
    QAccessibleInterface* control = Accessible(row.control);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->role(), row.role);
    EXPECT_EQ(control->text(QAccessible::Name), row.name);
    const auto labels = control->relations(QAccessible::Label);
    EXPECT_EQ(labels.empty() ? QString() : labels.front().first->object()->objectName(),
              row.caption != nullptr ? row.caption : "");
  }
  QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);
  EXPECT_EQ(window->role(), QAccessible::Window);
  EXPECT_EQ(window->text(QAccessible::Name), "Plotting f(x) Functions");
  EXPECT_TRUE(Accessible("Data(7)")->state().readOnly);
  for (int k = 0; k < window->childCount(); ++k)
    EXPECT_NE(window->child(k)->object()->objectName(), "Shape1") << "the outline means nothing spoken";
  const QAccessibleInterface* scale = Accessible("GraphScale");
  EXPECT_EQ(scale->child(0)->text(QAccessible::Name) + " " + scale->child(1)->text(QAccessible::Name),
            "Larger Smaller");
}

TEST_F(AccessibilityTest, ThePicturesDescriptionSaysWhatItShows) {
  QAccessibleInterface* picture = Accessible("Picture1");
  EXPECT_EQ(picture->text(QAccessible::Description),
            "No surface yet: the axes alone. Draw Function draws one.");
  form.findChild<QPushButton*>("CommandDraw")->click();
  form.Logic().ChooseColorMode(surface::ColorMode::Colors);  // shown at the next redraw, not before
  EXPECT_EQ(
      picture->text(QAccessible::Description),
      "Z = (Cos(X) ^ 2 + Sin(Y) ^ 2), X -1..1, Y -1..1, Z 0..1.7080734; color mode Grid, Θ -25°, Φ 105°, "
      "scale 100");
  form.findChild<QLineEdit*>("Data(5)")->setText("1");  // refused: the picture stays
  form.findChild<QPushButton*>("CommandDraw")->click();
  QWidget* area = form.findChild<QWidget*>("Picture1");
  QTest::keyClick(area, Qt::Key_Left);
  EXPECT_EQ(
      picture->text(QAccessible::Description),
      "Z = (Cos(X) ^ 2 + Sin(Y) ^ 2), X -1..1, Y -1..1, Z 0..1.7080734; color mode Colors, Θ -30°, Φ 105°, "
      "scale 100");
  const auto spoken = [&](const char* readout) {
    QAccessibleTextInterface* text = Accessible(readout)->textInterface();
    return text->text(0, text->characterCount());
  };
  EXPECT_EQ(spoken("Label1") + ", " + spoken("Label2"), "Θ -30°, Φ 105°");
}

TEST_F(AccessibilityTest, ScaleIsASpinButtonThatSaysItsValue) {
  QAccessibleValueInterface* scale = Accessible("GraphScale")->valueInterface();
  ASSERT_NE(scale, nullptr);
  EXPECT_EQ(QVariantList({scale->currentValue(), scale->minimumValue(), scale->maximumValue(),
                          scale->minimumStepSize()}),
            QVariantList({100, -50000, 50000, 5}));
  scale->setCurrentValue(250);
  EXPECT_EQ(form.ScaleValue(), 250);
}

}  // namespace
