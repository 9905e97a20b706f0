#pragma once

#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <array>

#include "gui/CaptionLabel.h"
#include "gui/DrawProgress.h"
#include "gui/DrawingAreaWidget.h"
#include "gui/UpDownControl.h"
#include "gui/WindowAccessibility.h"
#include "gui/WindowManagerClose.h"
#include "picture/ImageSurface.h"
#include "window/PlotWindow.h"
#include "window/SteadyTurn.h"
#include "window/WindowControls.h"

namespace gui {

// The window on screen: the controls of the layout table as Qt widgets, the
// drawing area's picture, and the window's logic, which it feeds with the events
// of its controls. The logic's start-up runs once, when the controls exist.
class MainWindow : public QWidget, public window::WindowControls {
 public:
  MainWindow();
  ~MainWindow() override;

  std::string NumberText(window::NumberBox box) const override;
  void SetNumberText(window::NumberBox box, const std::string& text) override;
  std::string FormulaText() const override;
  void SetAngleText(window::AngleReadout readout, const std::string& text) override;
  bool ColorModeChecked(surface::ColorMode mode) const override;
  void SetColorModeChecked(surface::ColorMode mode, bool checked) override;
  void PopupColorModeMenu() override;
  int32_t ScaleValue() const override;
  bool DrawingAreaEnabled() const override;
  void SetDrawingAreaEnabled(bool enabled) override;
  int DrawingAreaWidth() const override;
  render::DrawingSurface& DrawingArea() override;
  void SetPointer(window::PointerTarget target, window::PointerShape shape) override;
  void ShowMessage(const std::string& text, window::MessageIcon icon) override;
  runtime::Progress& DrawProgress() override { return *progress_; }
  char DecimalSeparator() const override;
  void Close() override;
  void SelectRefusedBox(window::NumberBox box) override;

  // The window's logic and the drawing area's picture, for tests.
  window::PlotWindow& Logic() { return logic_; }
  const picture::ImageSurface& Picture() const { return picture_; }
  // The hidden pop-up MenuColorMode(0).
  QMenu& ColorModeMenu() const { return *colorModeMenu_; }

  // The drawing area's own menu, with "Save Picture As..." (also Ctrl+S anywhere in
  // the window), "Copy Picture", the check items "Show Values" and "Turn", and
  // "Save Turntable As...".
  QMenu& PictureMenu() const { return *pictureMenu_; }
  // Saves the drawing area's picture as it stands, at its logical size, in the format
  // the name's extension asks for; a failure is shown in a critical box.
  void SavePicture(const QString& fileName);
  // Puts the picture on the clipboard as an image.
  void CopyPicture();
  // Saves the surface on show turning from its Θ by `turnDegrees` over `frames`
  // frames, at the picture's logical size: a .webp or .gif animation, or one PNG
  // file per frame by a name with a number field. Progress and Cancel as for a long
  // draw; a cancel leaves no file, a failure is shown as a failed save is.
  void SaveTurntable(const QString& fileName, int frames, int turnDegrees);

  // "Turn": the view keeps turning until a press on the drawing area, a key, a draw
  // or unchecking stops it.
  QAction& TurnItem() const { return *turnItem_; }
  bool Turning() const { return steadyTurn_.Turning(); }

  // What a user does before pressing Draw Function, for a start with options: the
  // formula box and the scale as if typed and set (the scale draws nothing here).
  void SetFormulaText(const std::string& text);
  void SetScaleValue(int32_t value);
  // Checks "Show Values" as a click on it would.
  void CheckShowValues();
  // Draw Function, as its button runs it.
  void DrawFunction();

 private:
  void BuildWindow();
  void BuildControls();
  void BuildColorModeMenu();
  void SetTabOrder();
  void BuildPictureMenu();
  void ConnectEvents();
  // What the keyboard does beyond Qt's own (MainWindowKeys.cpp).
  void ConnectKeys();
  void AddWindowShortcuts();
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // A close asked for during a draw cancels it; the window closes once the draw is over.
  bool CloseAfterDraw();
  void AskAndSavePicture();
  // "Turn" and "Save Turntable As..." (MainWindowTurn.cpp).
  void BuildTurntableItems();
  void StartTurning();
  void StopTurning();
  void TurnStep();
  void AskAndSaveTurntable();
  void ReportNotSaved(const QString& fileName, const std::string& failure);
  // Runs one handler of the window's logic, then shows what it drew.
  template <class Handler>
  void Dispatch(Handler&& handler);

  QLineEdit* NumberBoxWidget(window::NumberBox box) const { return numberBoxes_[static_cast<size_t>(box)]; }
  QAction* ColorModeAction(surface::ColorMode mode) const {
    return colorModeActions_[static_cast<size_t>(mode)];
  }

  picture::ImageSurface picture_;
  window::PlotWindow logic_;

  DrawingAreaWidget* drawingArea_ = nullptr;
  QLineEdit* formulaBox_ = nullptr;
  std::array<QLineEdit*, 7> numberBoxes_{};       // Data(1) to Data(7), one per limit
  std::array<CaptionLabel*, 2> angleReadouts_{};  // Label1 (Θ) and Label2 (Φ)
  UpDownControl* scale_ = nullptr;
  QPushButton* drawButton_ = nullptr;
  QPushButton* exitButton_ = nullptr;
  QPushButton* colorModeButton_ = nullptr;
  QMenu* colorModeMenu_ = nullptr;
  std::array<QAction*, 4> colorModeActions_{};  // MenuColorModeItem(1) to (4), one per mode
  QMenu* pictureMenu_ = nullptr;
  QAction* turnItem_ = nullptr;
  window::SteadyTurn steadyTurn_;
  QTimer turnTimer_;
  QElapsedTimer turnClock_;
  std::unique_ptr<gui::DrawProgress> progress_;
  std::unique_ptr<WindowManagerClose> windowManagerClose_;
  bool closeAfterDraw_ = false;
  WindowAccessibility* accessibility_ = nullptr;
  // The colour-mode menu was asked for with a key, not a click.
  bool colorModeMenuByKey_ = false;
};

}  // namespace gui
