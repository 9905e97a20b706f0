#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "picture/ImageSurface.h"
#include "testkit/ScriptedProgress.h"
#include "window/WindowControls.h"
#include "window/WindowLayout.h"

namespace testkit {

// What a message box would have shown.
struct ShownMessage {
  std::string text;
  window::MessageIcon icon;
  bool operator==(const ShownMessage&) const = default;
};

// The window's controls as plain values: the drawing area is a real image, and
// message boxes, pointer changes and pop-ups are recorded instead of shown.
class RecordingControls : public window::WindowControls {
 public:
  RecordingControls();

  std::string NumberText(window::NumberBox box) const override { return Number(box); }
  void SetNumberText(window::NumberBox box, const std::string& text) override { Number(box) = text; }
  std::string FormulaText() const override { return formula; }
  void SetAngleText(window::AngleReadout readout, const std::string& text) override {
    angles[static_cast<size_t>(readout)] = text;
  }
  bool ColorModeChecked(surface::ColorMode mode) const override { return checked[static_cast<size_t>(mode)]; }
  void SetColorModeChecked(surface::ColorMode mode, bool on) override {
    checked[static_cast<size_t>(mode)] = on;
  }
  void PopupColorModeMenu() override { ++popups; }
  int32_t ScaleValue() const override { return scale; }
  bool DrawingAreaEnabled() const override { return drawingAreaEnabled; }
  void SetDrawingAreaEnabled(bool enabled) override { drawingAreaEnabled = enabled; }
  int DrawingAreaWidth() const override { return surface.image().width(); }
  render::DrawingSurface& DrawingArea() override { return surface; }
  void SetPointer(window::PointerTarget target, window::PointerShape shape) override {
    pointerChanges.emplace_back(target, shape);
  }
  void ShowMessage(const std::string& text, window::MessageIcon icon) override {
    messages.push_back({text, icon});
  }
  runtime::Progress& DrawProgress() override { return progress; }
  char DecimalSeparator() const override { return decimalSeparator; }
  void Close() override { closed = true; }
  void SelectRefusedBox(window::NumberBox box) override { refusedBox = box; }

  std::string& Number(window::NumberBox box) { return numbers[static_cast<size_t>(box)]; }
  const std::string& Number(window::NumberBox box) const { return numbers[static_cast<size_t>(box)]; }

  // One per limit, XMin to ZMax.
  std::array<std::string, 7> numbers;
  std::string formula{window::DefaultFormula};
  // Theta, then Phi.
  std::array<std::string, 2> angles;
  // One per colour mode, marked as the menu starts.
  std::array<bool, 4> checked{};
  int32_t scale = window::ScaleSettings.value;
  bool drawingAreaEnabled = true;
  picture::ImageSurface surface;
  std::vector<ShownMessage> messages;
  // Every pointer change, in order: (target, shape).
  std::vector<std::pair<window::PointerTarget, window::PointerShape>> pointerChanges;
  int popups = 0;
  ScriptedProgress progress;
  char decimalSeparator = '.';
  bool closed = false;
  std::optional<window::NumberBox> refusedBox;
};

}  // namespace testkit
