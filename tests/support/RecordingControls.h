#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/FormControls.h"
#include "platform/ImageSurface.h"

namespace testing_support {

// What a message box would have shown.
struct ShownMessage {
  std::string text;
  platform::MessageIcon icon;
  bool operator==(const ShownMessage&) const = default;
};

// The window's controls as plain values: the drawing area is a real image, and
// message boxes, pointer changes and pop-ups are recorded instead of shown.
class RecordingControls : public platform::FormControls {
 public:
  RecordingControls();

  std::string DataText(int index) const override { return data.at(index); }
  void SetDataText(int index, const std::string& text) override { data.at(index) = text; }
  std::string CodeText() const override { return code; }
  void SetLabelCaption(int labelNumber, const std::string& caption) override {
    labels.at(labelNumber) = caption;
  }
  bool MenuItemChecked(int index) const override { return menuChecked.at(index); }
  void SetMenuItemChecked(int index, bool checked) override { menuChecked.at(index) = checked; }
  void PopupColorModeMenu() override { ++popups; }
  int32_t GraphScaleValue() const override { return graphScale; }
  bool Picture1Enabled() const override { return picture1Enabled; }
  void SetPicture1Enabled(bool enabled) override { picture1Enabled = enabled; }
  int Picture1ScaleWidth() const override { return surface.image().width(); }
  platform::DrawingSurface& Picture1() override { return surface; }
  void SetMousePointer(platform::PointerTarget target, platform::PointerShape shape) override;
  void MsgBox(const std::string& text, platform::MessageIcon icon) override {
    messages.push_back({text, icon});
  }
  char DecimalSeparator() const override { return decimalSeparator; }
  void Unload() override { unloaded = true; }

  // Index 0 unused, like the 1-based control arrays.
  std::array<std::string, 8> data;
  std::string code = "(Cos(X) ^ 2 + Sin(Y) ^ 2)";
  std::array<std::string, 14> labels;
  std::array<bool, 5> menuChecked{false, true, false, false, false};
  int32_t graphScale = 100;
  bool picture1Enabled = true;
  platform::ImageSurface surface;
  std::vector<ShownMessage> messages;
  // Every pointer change, in order: (target, shape).
  std::vector<std::pair<platform::PointerTarget, platform::PointerShape>> pointerChanges;
  int popups = 0;
  char decimalSeparator = '.';
  bool unloaded = false;
};

}  // namespace testing_support
