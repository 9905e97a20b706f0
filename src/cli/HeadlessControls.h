#pragma once

#include <array>
#include <string>
#include <vector>

#include "cli/TerminalProgress.h"
#include "window/WindowControls.h"
#include "window/WindowLayout.h"

namespace cli {

// The window's controls without a window: plain values, a picture of the caller's
// choosing as the drawing area, and message boxes kept for the caller to report.
class HeadlessControls : public window::WindowControls {
 public:
  explicit HeadlessControls(render::DrawingSurface& picture, char decimalSeparator)
      : picture_(picture), decimalSeparator_(decimalSeparator) {
    for (const surface::ColorMode mode : surface::AllColorModes)
      checked_[Index(mode)] = window::ColorModeMenuItem(mode).checkedAtStart;
  }

  std::string NumberText(window::NumberBox box) const override { return numbers_[Index(box)]; }
  void SetNumberText(window::NumberBox box, const std::string& text) override { numbers_[Index(box)] = text; }
  std::string FormulaText() const override { return formula; }
  void SetAngleText(window::AngleReadout, const std::string&) override {}
  bool ColorModeChecked(surface::ColorMode mode) const override { return checked_[Index(mode)]; }
  void SetColorModeChecked(surface::ColorMode mode, bool on) override { checked_[Index(mode)] = on; }
  void PopupColorModeMenu() override {}
  int32_t ScaleValue() const override { return scale; }
  bool DrawingAreaEnabled() const override { return enabled_; }
  void SetDrawingAreaEnabled(bool enabled) override { enabled_ = enabled; }
  int DrawingAreaWidth() const override { return window::DrawingAreaPixels(); }
  render::DrawingSurface& DrawingArea() override { return picture_; }
  void SetPointer(window::PointerTarget, window::PointerShape) override {}
  void ShowMessage(const std::string& text, window::MessageIcon) override { messages.push_back(text); }
  runtime::Progress& DrawProgress() override { return progress_; }
  char DecimalSeparator() const override { return decimalSeparator_; }
  void Close() override {}
  void SetFormulaText(const std::string& text) { formula = text; }
  void SetScaleValue(int32_t value) { scale = value; }

  std::string formula{window::DefaultFormula};
  int32_t scale = window::ScaleSettings.value;
  std::vector<std::string> messages;

 private:
  template <class Enum>
  static std::size_t Index(Enum value) {
    return static_cast<std::size_t>(value);
  }

  render::DrawingSurface& picture_;
  char decimalSeparator_;
  std::array<std::string, 7> numbers_;
  std::array<bool, 4> checked_{};
  bool enabled_ = false;
  TerminalProgress progress_{stderr};
};

}  // namespace cli
