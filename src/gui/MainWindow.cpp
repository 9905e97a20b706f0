#include "gui/MainWindow.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QCursor>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QPalette>
#include <QSignalBlocker>
#include <new>
#include <stdexcept>

#include "gui/AccessibleControls.h"
#include "gui/ControlFactory.h"
#include "gui/MessageBox.h"
#include "gui/SaveDialog.h"
#include "picture/DecimalSeparator.h"
#include "picture/DrawingAreaImage.h"
#include "picture/LayoutFonts.h"
#include "picture/PictureFile.h"
#include "picture/QtText.h"
#include "runtime/RuntimeError.h"
#include "window/WindowLayout.h"

namespace gui {
namespace {

using surface::ColorMode;

template <class Widget>
Widget* Child(const QWidget& parent, std::string_view name) {
  auto* child = parent.findChild<Widget*>(picture::FromUtf8(name));
  if (child == nullptr) throw std::logic_error("the layout has no control " + std::string(name));
  return child;
}

// The designer's names of the controls that the logic reaches by role.
std::string NumberBoxName(window::NumberBox box) {
  return "Data(" + std::to_string(static_cast<int>(box) + 1) + ")";
}

QString ColorModeActionName(ColorMode mode) {
  return QString("MenuColorModeItem(%1)").arg(static_cast<int>(mode) + 1);
}

}  // namespace

// On a dense screen the picture has the screen's pixels; the window and the
// logic keep counting in logical ones.
MainWindow::MainWindow() : picture_(picture::MakeDrawingAreaImage(devicePixelRatioF())), logic_(*this) {
  InstallAccessibleControls();
  BuildWindow();
  BuildControls();
  BuildColorModeMenu();
  BuildPictureMenu();
  SetTabOrder();
  ConnectEvents();
  ConnectKeys();
  accessibility_ = new WindowAccessibility(*this, logic_);
  AddWindowShortcuts();
  progress_ = std::make_unique<gui::DrawProgress>(*this, *drawingArea_, picture_);
  windowManagerClose_ = std::make_unique<WindowManagerClose>(*this, [this] { return CloseAfterDraw(); });
  Dispatch([this] { logic_.Load(); });
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildWindow() {
  const window::WindowLayout& layout = window::MainWindowLayout();
  setObjectName("Form1");
  setWindowTitle(picture::FromUtf8(layout.caption));
  setWindowIcon(QIcon(":/surfplot.png"));
  setFixedSize(window::PixelsFromTwips(layout.clientWidthTwips),
               window::PixelsFromTwips(layout.clientHeightTwips));
  QPalette background = palette();
  background.setColor(QPalette::Window, picture::ToQColor(layout.background));
  setPalette(background);
  setAutoFillBackground(true);
}

void MainWindow::BuildControls() {
  for (const window::ControlLayout& layout : window::ControlLayouts()) BuildControl(layout, this);

  drawingArea_ = Child<DrawingAreaWidget>(*this, "Picture1");
  drawingArea_->ShowPicture(&picture_.image());
  formulaBox_ = Child<QLineEdit>(*this, "Code");
  for (size_t k = 0; k < numberBoxes_.size(); ++k)
    numberBoxes_[k] = Child<QLineEdit>(*this, NumberBoxName(static_cast<window::NumberBox>(k)));
  angleReadouts_ = {Child<CaptionLabel>(*this, "Label1"), Child<CaptionLabel>(*this, "Label2")};
  scale_ = Child<UpDownControl>(*this, "GraphScale");
  scale_->Configure(window::ScaleSettings);
  drawButton_ = Child<QPushButton>(*this, "CommandDraw");
  exitButton_ = Child<QPushButton>(*this, "Command1");
  colorModeButton_ = Child<QPushButton>(*this, "CmdMenu");

  // Labels and shapes are painted on the window itself, beneath the other controls.
  for (CaptionLabel* label : findChildren<CaptionLabel*>()) label->lower();
  Child<QWidget>(*this, "Shape1")->lower();
}

void MainWindow::BuildColorModeMenu() {
  colorModeMenu_ = new QMenu(picture::FromUtf8(window::ColorModeMenuCaption), this);
  colorModeMenu_->setObjectName("MenuColorMode(0)");
  for (const ColorMode mode : surface::AllColorModes) {
    const window::MenuItemLayout& item = window::ColorModeMenuItem(mode);
    QAction* action = colorModeMenu_->addAction(picture::FromUtf8(item.caption));
    action->setObjectName(ColorModeActionName(mode));
    action->setCheckable(true);
    action->setChecked(item.checkedAtStart);
    colorModeActions_[static_cast<size_t>(mode)] = action;
  }
}

void MainWindow::BuildPictureMenu() {
  pictureMenu_ = new QMenu(this);
  pictureMenu_->setObjectName("PictureMenu");
  QAction* save = pictureMenu_->addAction("Save Picture As...", this, &MainWindow::AskAndSavePicture);
  save->setObjectName("SavePicture");
  save->setShortcut(QKeySequence::Save);
  // A shortcut of the whole window, whichever control has the focus.
  addAction(save);
  QAction* copy = pictureMenu_->addAction("Copy Picture", this, &MainWindow::CopyPicture);
  copy->setObjectName("CopyPicture");
  QAction* values = pictureMenu_->addAction("Show Values");
  values->setObjectName("ShowValues");
  values->setCheckable(true);
  connect(values, &QAction::toggled, this,
          [this](bool shown) { Dispatch([&] { logic_.ShowValues(shown); }); });
  BuildTurntableItems();
}

void MainWindow::CheckShowValues() { pictureMenu_->findChild<QAction*>("ShowValues")->setChecked(true); }

void MainWindow::AskAndSavePicture() {
  const QString name = AskPictureFileName(this, ProgramSettings());
  if (!name.isEmpty()) SavePicture(name);
}

void MainWindow::SavePicture(const QString& fileName) {
  std::optional<std::string> failure;
  if (const auto format = picture::FormatOfFileName(fileName)) {
    const auto replay = [this](render::DrawingSurface& surface) {
      logic_.DrawPictureOn(surface);
      return true;
    };
    try {
      failure = picture::WritePicture(*format, window::DrawingAreaPixels(), replay,
                                      QFile::encodeName(fileName).toStdString());
    } catch (const std::bad_alloc&) {
      failure = runtime::DescribeError(runtime::ErrorNumber::OutOfMemory);
    }
  } else {
    failure = "its name ends in neither .png nor .svg";
  }
  if (failure) ReportNotSaved(fileName, *failure);
}

void MainWindow::ReportNotSaved(const QString& fileName, const std::string& failure) {
  ShowMessage("The picture could not be saved to \"" + fileName.toStdString() + "\": " + failure,
              window::MessageIcon::Critical);
}

void MainWindow::CopyPicture() {
  // At the logical size, whatever the screen's pixel ratio.
  picture::ImageSurface copy = picture::MakeDrawingAreaImage();
  logic_.DrawPictureOn(copy);
  QGuiApplication::clipboard()->setImage(copy.image());
}

void MainWindow::SetFormulaText(const std::string& text) {
  formulaBox_->setText(QString::fromStdString(text));
}

void MainWindow::SetScaleValue(int32_t value) {
  const QSignalBlocker quiet(scale_);
  scale_->setValue(value);
}

void MainWindow::DrawFunction() { drawButton_->click(); }

void MainWindow::SetTabOrder() {
  const auto order = window::FocusOrder();
  for (size_t i = 1; i < order.size(); ++i)
    QWidget::setTabOrder(Child<QWidget>(*this, order[i - 1]), Child<QWidget>(*this, order[i]));
}

void MainWindow::ConnectEvents() {
  connect(drawButton_, &QPushButton::clicked, this, [this] {
    StopTurning();
    Dispatch([this] {
      const uint64_t revision = picture_.Revision();
      const window::DrawOutcome outcome = logic_.Draw();
      accessibility_->DrawEnded(outcome, picture_.Revision() != revision);
    });
  });
  connect(exitButton_, &QPushButton::clicked, this, [this] { Dispatch([this] { logic_.Exit(); }); });
  connect(colorModeButton_, &QPushButton::clicked, this,
          [this] { Dispatch([this] { logic_.ShowColorModeMenu(); }); });
  connect(scale_, &UpDownControl::valueChanged, this,
          [this] { Dispatch([this] { logic_.ScaleChanged(); }); });
  connect(drawingArea_, &DrawingAreaWidget::mouseMoved, this,
          [this](int16_t buttons, float x, float y) { Dispatch([&] { logic_.Turn(buttons, x, y); }); });
  connect(drawingArea_, &DrawingAreaWidget::turnRequested, this, [this](int thetaDegrees, int phiDegrees) {
    Dispatch([&] { logic_.TurnBy(thetaDegrees, phiDegrees); });
  });
  connect(drawingArea_, &DrawingAreaWidget::pictureMenuRequested, this,
          [this](QPoint at) { pictureMenu_->popup(at); });
  for (const ColorMode mode : surface::AllColorModes) {
    QAction* action = ColorModeAction(mode);
    connect(action, &QAction::triggered, this, [this, action, mode](bool checked) {
      // The check marks belong to the window's logic: undo the toggle Qt made.
      action->setChecked(!checked);
      Dispatch([&] { logic_.ChooseColorMode(mode); });
    });
  }
}

void MainWindow::AddWindowShortcuts() {
  auto* quit = new QAction(this);
  quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  connect(quit, &QAction::triggered, this, [this] { Dispatch([this] { logic_.Exit(); }); });
  addAction(quit);
  // The wheel over the picture scales it as over the arrows.
  drawingArea_->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == drawingArea_ && event->type() == QEvent::Wheel) {
    QCoreApplication::sendEvent(scale_, event);
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

template <class Handler>
void MainWindow::Dispatch(Handler&& handler) {
  const uint64_t revision = picture_.Revision();
  try {
    handler();
  } catch (const std::exception& error) {
    // The logic reports its own errors; this only keeps a stray one from unwinding through Qt.
    SetPointer(window::PointerTarget::Window, window::PointerShape::Default);
    SetPointer(window::PointerTarget::DrawingArea, window::PointerShape::Default);
    ShowMessage(error.what(), window::MessageIcon::Critical);
  }
  // Only a new picture is worth a repaint, and only inside the frame: most moves
  // over the area draw nothing.
  if (picture_.Revision() != revision) drawingArea_->update(drawingArea_->contentsRect());
  if (closeAfterDraw_ && !progress_->Working()) {
    closeAfterDraw_ = false;
    close();
  }
}

// One step of "Turn" (MainWindowTurn.cpp), here to dispatch as every handler does.
void MainWindow::TurnStep() {
  if (!steadyTurn_.Turning()) return;
  const int degrees = steadyTurn_.DegreesDue(turnClock_.elapsed());
  bool goesOn = true;
  if (degrees > 0) Dispatch([&] { goesOn = logic_.TurnOnwards(degrees); });
  if (!goesOn) {
    StopTurning();
    return;
  }
  // Armed again only now, after the redraw: a slow redraw delays the next step
  // instead of queueing steps behind the user's input.
  turnTimer_.start(std::max(1, steadyTurn_.MillisecondsToNextDegree(turnClock_.elapsed())));
}

bool MainWindow::CloseAfterDraw() {
  if (!progress_->Working()) return false;
  progress_->Cancel();
  closeAfterDraw_ = true;
  return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (CloseAfterDraw()) event->ignore();
}

std::string MainWindow::NumberText(window::NumberBox box) const {
  return NumberBoxWidget(box)->text().toStdString();
}

void MainWindow::SetNumberText(window::NumberBox box, const std::string& text) {
  NumberBoxWidget(box)->setText(QString::fromStdString(text));
}

std::string MainWindow::FormulaText() const { return formulaBox_->text().toStdString(); }

void MainWindow::SetAngleText(window::AngleReadout readout, const std::string& text) {
  angleReadouts_[static_cast<size_t>(readout)]->SetCaption(QString::fromStdString(text));
}

bool MainWindow::ColorModeChecked(ColorMode mode) const { return ColorModeAction(mode)->isChecked(); }

void MainWindow::SetColorModeChecked(ColorMode mode, bool checked) {
  QAction* action = ColorModeAction(mode);
  if (action->isChecked() == checked) return;
  action->setChecked(checked);
  WindowAccessibility::AnnounceCheckedChange(*colorModeMenu_, *action);
}

int32_t MainWindow::ScaleValue() const { return scale_->value(); }

bool MainWindow::DrawingAreaEnabled() const { return drawingArea_->isEnabled(); }

void MainWindow::SetDrawingAreaEnabled(bool enabled) { drawingArea_->setEnabled(enabled); }

int MainWindow::DrawingAreaWidth() const { return drawingArea_->contentsRect().width(); }

render::DrawingSurface& MainWindow::DrawingArea() { return picture_; }

void MainWindow::SetPointer(window::PointerTarget target, window::PointerShape shape) {
  QWidget* widget = target == window::PointerTarget::Window ? static_cast<QWidget*>(this) : drawingArea_;
  if (shape == window::PointerShape::Busy)
    widget->setCursor(Qt::WaitCursor);
  else
    widget->unsetCursor();
}

void MainWindow::ShowMessage(const std::string& text, window::MessageIcon icon) {
  PresentMessageBox(this, text, icon);
}

char MainWindow::DecimalSeparator() const { return picture::DecimalSeparatorOf(QLocale::system()); }

void MainWindow::Close() { close(); }

}  // namespace gui
