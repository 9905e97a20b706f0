#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "render/Color.h"
#include "surface/ColorMode.h"

// The layout of the window as plain data: every control with its place, text,
// font and colours, the tab order and the colour-mode menu. The widgets are built
// from these tables; nothing else in the program knows a position. The controls
// keep the names the window was designed with ("Picture1", "Data(1)", ...): the
// widgets, accessibility names and end-to-end tests find them by these names.
namespace window {

// The formula the window starts with.
inline constexpr std::string_view DefaultFormula = "(Cos(X) ^ 2 + Sin(Y) ^ 2)";

constexpr int TwipsPerPixel = 15;

// Every position in the tables is a whole number of pixels.
constexpr int PixelsFromTwips(int twips) { return twips / TwipsPerPixel; }

enum class ControlKind {
  DrawingArea,     // the picture, with a sunken border
  Label,           // grows with its caption, takes no focus
  TextBox,         // editable
  DisplayTextBox,  // read-only and skipped by Tab
  RectangleShape,  // an outline, beneath every other control
  CommandButton,
  UpDown,  // two arrow buttons, no text box
};

// A = 12 pt bold italic, B = 11.25 pt, C = 12 pt bold (Times New Roman),
// D = Arial 9.75 pt, E = Times New Roman 9.75 pt bold; Default is the platform's.
enum class FontKey { Default, A, B, C, D, E };

struct FontStyle {
  std::string_view face;
  double points;
  bool bold;
  bool italic;
};

// The face, size and style of a key; Default has none.
std::optional<FontStyle> FontOf(FontKey key);

enum class TextAlignment { Left, Centre };

struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

struct ControlLayout {
  // The name the code uses, with the index of a control-array member: "Data(1)".
  std::string_view name;
  ControlKind kind;
  // Caption or start text (UTF-8); empty where the program writes it at start-up.
  std::string_view text;
  TwipsRect twips;
  FontKey font;
  // Absent: the platform's colour for that kind of control.
  std::optional<render::Color> background;
  std::optional<render::Color> foreground;
  TextAlignment alignment;
};

struct WindowLayout {
  std::string_view caption;
  render::Color background;
  int clientWidthTwips;
  int clientHeightTwips;
};

const WindowLayout& MainWindowLayout();

// Every control, in the order of the layout from top to bottom.
std::span<const ControlLayout> ControlLayouts();
// The control of that name; nullptr when there is none.
const ControlLayout* FindControlLayout(std::string_view name);

// The controls that take the focus, in Tab order.
std::span<const std::string_view> FocusOrder();

// The width of the sunken border around the drawing area, in pixels.
constexpr int DrawingAreaBorderPixels = 2;
// The side of the square picture inside that border, in pixels.
int DrawingAreaPixels();

struct UpDownSettings {
  int32_t value;
  int32_t increment;
  int32_t min;
  int32_t max;
};
constexpr UpDownSettings ScaleSettings{100, 5, -50000, 50000};

struct MenuItemLayout {
  std::string_view caption;
  bool checkedAtStart;
};

// MenuColorMode(0): the holder of the pop-up, never shown in a menu bar.
constexpr std::string_view ColorModeMenuCaption = "Colors";
// MenuColorModeItem(1) to (4), one per colour mode, in the order of the modes.
std::span<const MenuItemLayout> ColorModeMenuItems();
const MenuItemLayout& ColorModeMenuItem(surface::ColorMode mode);

}  // namespace window
