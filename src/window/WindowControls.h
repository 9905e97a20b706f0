#pragma once

#include <cstdint>
#include <string>

#include "render/DrawingSurface.h"
#include "runtime/Progress.h"
#include "surface/ColorMode.h"
#include "surface/Limits.h"

namespace window {

enum class MessageIcon { None, Critical };
enum class PointerShape { Default, Busy };
enum class PointerTarget { Window, DrawingArea };
enum class AngleReadout { Theta, Phi };

// The window has one number box per limit of the plot: the five inputs, and the two
// read-only boxes of the Z range.
using NumberBox = surface::Limit;

// The controls of the window as its logic reads and writes them. The program
// implements this with Qt widgets; tests implement it with plain recorded values,
// so no test ever shows a modal box or needs a window.
class WindowControls {
 public:
  virtual ~WindowControls() = default;

  virtual std::string NumberText(NumberBox box) const = 0;
  virtual void SetNumberText(NumberBox box, const std::string& text) = 0;
  virtual std::string FormulaText() const = 0;
  // The angle read-outs under the drawing area; they grow with their text.
  virtual void SetAngleText(AngleReadout readout, const std::string& text) = 0;

  // The check marks of the colour-mode menu: exactly one mode is marked.
  virtual bool ColorModeChecked(surface::ColorMode mode) const = 0;
  virtual void SetColorModeChecked(surface::ColorMode mode, bool checked) = 0;
  // Shows the colour-mode pop-up at the pointer; a chosen item comes back as
  // PlotWindow::ChooseColorMode.
  virtual void PopupColorModeMenu() = 0;

  // The value of the up-down scale control.
  virtual int32_t ScaleValue() const = 0;

  virtual bool DrawingAreaEnabled() const = 0;
  virtual void SetDrawingAreaEnabled(bool enabled) = 0;
  // The inner width of the drawing area in pixels.
  virtual int DrawingAreaWidth() const = 0;
  virtual render::DrawingSurface& DrawingArea() = 0;

  virtual void SetPointer(PointerTarget target, PointerShape shape) = 0;

  // A modal message box with an OK button and the program's title.
  virtual void ShowMessage(const std::string& text, MessageIcon icon) = 0;
  // Where a draw reports its stages and learns that the user asked to stop.
  virtual runtime::Progress& DrawProgress() = 0;

  // After a refusal: the box whose text was refused gets the keyboard, its text
  // selected, ready to be typed over. Without a screen there is nothing to select.
  virtual void SelectRefusedBox(NumberBox) {}

  // The decimal separator of the user's number settings.
  virtual char DecimalSeparator() const = 0;

  // Closes the window, which ends the program.
  virtual void Close() = 0;
};

}  // namespace window
