#pragma once

#include <cstdint>
#include <string>

#include "platform/DrawingSurface.h"

namespace platform {

enum class MessageIcon { None, Critical };
enum class PointerShape { Default = 0, Busy = 11 };
enum class PointerTarget { Form, Picture1 };

// The controls of the window as its logic reads and writes them. The program
// implements this with Qt widgets; tests implement it with plain recorded values,
// so no test ever shows a modal box or needs a window.
class FormControls {
 public:
  virtual ~FormControls() = default;

  // Data(1) to Data(7), the numeric boxes.
  virtual std::string DataText(int index) const = 0;
  virtual void SetDataText(int index, const std::string& text) = 0;
  // Code, the formula box.
  virtual std::string CodeText() const = 0;
  // Label1 and Label2, the angle read-outs (they grow with their caption).
  virtual void SetLabelCaption(int labelNumber, const std::string& caption) = 0;

  // MenuColorModeItem(1) to (4).
  virtual bool MenuItemChecked(int index) const = 0;
  virtual void SetMenuItemChecked(int index, bool checked) = 0;
  // Shows the colour-mode pop-up at the pointer; a chosen item comes back as
  // Form1::MenuColorModeItem_Click.
  virtual void PopupColorModeMenu() = 0;

  virtual int32_t GraphScaleValue() const = 0;

  virtual bool Picture1Enabled() const = 0;
  virtual void SetPicture1Enabled(bool enabled) = 0;
  // The inner width of the drawing area in pixels.
  virtual int Picture1ScaleWidth() const = 0;
  virtual DrawingSurface& Picture1() = 0;

  virtual void SetMousePointer(PointerTarget target, PointerShape shape) = 0;

  // A modal message box with an OK button and the program's title.
  virtual void MsgBox(const std::string& text, MessageIcon icon) = 0;
  // The decimal separator of the user's number settings.
  virtual char DecimalSeparator() const = 0;

  // Closes the window, which ends the program.
  virtual void Unload() = 0;
};

}  // namespace platform
