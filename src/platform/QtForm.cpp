#include "platform/QtForm.h"

#include <QCursor>
#include <QPalette>
#include <stdexcept>

#include "platform/ControlFactory.h"
#include "platform/DecimalSeparator.h"
#include "platform/LayoutFonts.h"
#include "platform/MessageBox.h"
#include "platform/Picture1Surface.h"
#include "runtime/RuntimeError.h"
#include "window/Form1Layout.h"

namespace platform {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

template <class Widget>
Widget* Child(const QWidget& parent, std::string_view name) {
  auto* child = parent.findChild<Widget*>(FromUtf8(name));
  if (child == nullptr) throw std::logic_error("the layout has no control " + std::string(name));
  return child;
}

template <class Control>
Control* ArrayElement(const auto& array, int index) {
  if (index < 0 || index >= static_cast<int>(array.size()) || array[index] == nullptr)
    throw runtime::RuntimeError(runtime::ErrorNumber::SubscriptOutOfRange);
  return array[index];
}

}  // namespace

QtForm::QtForm() : surface_(MakePicture1Surface()), form1_(*this) {
  BuildWindow();
  BuildControls();
  BuildColorModeMenu();
  SetTabOrder();
  ConnectEvents();
  Dispatch([this] { form1_.Form_Load(); });
}

QtForm::~QtForm() = default;

void QtForm::BuildWindow() {
  const window::WindowLayout& layout = window::Form1Window();
  setObjectName("Form1");
  setWindowTitle(FromUtf8(layout.caption));
  setFixedSize(window::PixelsFromTwips(layout.clientWidthTwips),
               window::PixelsFromTwips(layout.clientHeightTwips));
  QPalette background = palette();
  background.setColor(QPalette::Window, ToQColor(layout.background));
  setPalette(background);
  setAutoFillBackground(true);
}

void QtForm::BuildControls() {
  for (const window::ControlLayout& layout : window::Form1Controls()) BuildControl(layout, this);

  picture1_ = Child<PictureBox>(*this, "Picture1");
  picture1_->ShowPicture(&surface_.image());
  code_ = Child<QLineEdit>(*this, "Code");
  for (int k = 1; k < static_cast<int>(data_.size()); ++k)
    data_[k] = Child<QLineEdit>(*this, "Data(" + std::to_string(k) + ")");
  for (int n = 1; n < static_cast<int>(labels_.size()); ++n)
    labels_[n] = findChild<CaptionLabel*>(QString("Label%1").arg(n));
  graphScale_ = Child<UpDownControl>(*this, "GraphScale");
  graphScale_->Configure(window::GraphScaleSettings);
  commandDraw_ = Child<QPushButton>(*this, "CommandDraw");
  command1_ = Child<QPushButton>(*this, "Command1");
  cmdMenu_ = Child<QPushButton>(*this, "CmdMenu");

  // Labels and shapes are painted on the window itself, beneath the other controls.
  for (CaptionLabel* label : labels_)
    if (label != nullptr) label->lower();
  Child<QWidget>(*this, "Shape1")->lower();
}

void QtForm::BuildColorModeMenu() {
  colorModeMenu_ = new QMenu(FromUtf8(window::ColorModeMenuCaption), this);
  colorModeMenu_->setObjectName("MenuColorMode(0)");
  const auto items = window::ColorModeMenuItems();
  for (int index = 1; index <= static_cast<int>(items.size()); ++index) {
    const window::MenuItemLayout& item = items[index - 1];
    QAction* action = colorModeMenu_->addAction(FromUtf8(item.caption));
    action->setObjectName(QString("MenuColorModeItem(%1)").arg(index));
    action->setCheckable(true);
    action->setChecked(item.checkedAtStart);
    menuItems_[index] = action;
  }
}

void QtForm::SetTabOrder() {
  const auto order = window::Form1TabOrder();
  for (size_t i = 1; i < order.size(); ++i)
    QWidget::setTabOrder(Child<QWidget>(*this, order[i - 1]), Child<QWidget>(*this, order[i]));
}

void QtForm::ConnectEvents() {
  connect(commandDraw_, &QPushButton::clicked, this,
          [this] { Dispatch([this] { form1_.CommandDraw_Click(); }); });
  connect(command1_, &QPushButton::clicked, this, [this] { Dispatch([this] { form1_.Command1_Click(); }); });
  connect(cmdMenu_, &QPushButton::clicked, this, [this] { Dispatch([this] { form1_.CmdMenu_Click(); }); });
  connect(graphScale_, &UpDownControl::valueChanged, this,
          [this] { Dispatch([this] { form1_.GraphScale_Change(); }); });
  connect(picture1_, &PictureBox::mouseMoved, this, [this](int16_t button, int16_t shift, float x, float y) {
    Dispatch([&] { form1_.Picture1_MouseMove(button, shift, x, y); });
  });
  for (int index = 1; index < static_cast<int>(menuItems_.size()); ++index) {
    QAction* action = menuItems_[index];
    connect(action, &QAction::triggered, this, [this, action, index](bool checked) {
      // The check marks belong to the window's logic: undo the toggle Qt made.
      action->setChecked(!checked);
      Dispatch([&] { form1_.MenuColorModeItem_Click(static_cast<int16_t>(index)); });
    });
  }
}

template <class Handler>
void QtForm::Dispatch(Handler&& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    // The logic reports its own errors; this only keeps a stray one from unwinding through Qt.
    SetMousePointer(PointerTarget::Form, PointerShape::Default);
    SetMousePointer(PointerTarget::Picture1, PointerShape::Default);
    MsgBox(error.what(), MessageIcon::Critical);
  }
  picture1_->update();
}

std::string QtForm::DataText(int index) const { return DataBox(index)->text().toStdString(); }

void QtForm::SetDataText(int index, const std::string& text) {
  DataBox(index)->setText(QString::fromStdString(text));
}

std::string QtForm::CodeText() const { return code_->text().toStdString(); }

void QtForm::SetLabelCaption(int labelNumber, const std::string& caption) {
  LabelNumber(labelNumber)->SetCaption(QString::fromStdString(caption));
}

bool QtForm::MenuItemChecked(int index) const { return MenuItem(index)->isChecked(); }

void QtForm::SetMenuItemChecked(int index, bool checked) { MenuItem(index)->setChecked(checked); }

void QtForm::PopupColorModeMenu() { colorModeMenu_->exec(QCursor::pos()); }

int32_t QtForm::GraphScaleValue() const { return graphScale_->value(); }

bool QtForm::Picture1Enabled() const { return picture1_->isEnabled(); }

void QtForm::SetPicture1Enabled(bool enabled) { picture1_->setEnabled(enabled); }

int QtForm::Picture1ScaleWidth() const { return picture1_->contentsRect().width(); }

DrawingSurface& QtForm::Picture1() { return surface_; }

void QtForm::SetMousePointer(PointerTarget target, PointerShape shape) {
  QWidget* widget = target == PointerTarget::Form ? static_cast<QWidget*>(this) : picture1_;
  if (shape == PointerShape::Busy)
    widget->setCursor(Qt::WaitCursor);
  else
    widget->unsetCursor();
}

void QtForm::MsgBox(const std::string& text, MessageIcon icon) { PresentMessageBox(this, text, icon); }

char QtForm::DecimalSeparator() const { return DecimalSeparatorOf(QLocale::system()); }

void QtForm::Unload() { close(); }

QLineEdit* QtForm::DataBox(int index) const { return ArrayElement<QLineEdit>(data_, index); }

CaptionLabel* QtForm::LabelNumber(int number) const { return ArrayElement<CaptionLabel>(labels_, number); }

QAction* QtForm::MenuItem(int index) const { return ArrayElement<QAction>(menuItems_, index); }

}  // namespace platform
