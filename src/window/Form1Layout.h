#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "platform/Color.h"

// The layout of the window Form1 as plain data: every control with its place,
// text, font and colours, the tab order and the colour-mode menu. The widgets
// are built from these tables; nothing else in the program knows a position.
namespace window {

constexpr int TwipsPerPixel = 15;

// Every position in the tables is a whole number of pixels.
constexpr int PixelsFromTwips(int twips) { return twips / TwipsPerPixel; }

enum class ControlKind {
  PictureBox,      // the drawing area, with a sunken border
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
  // Caption or start text (UTF-8); empty where Form_Load or the program writes it.
  std::string_view text;
  TwipsRect twips;
  FontKey font;
  // Absent: the platform's colour for that kind of control.
  std::optional<platform::Color> background;
  std::optional<platform::Color> foreground;
  TextAlignment alignment;
};

struct WindowLayout {
  std::string_view caption;
  platform::Color background;
  int clientWidthTwips;
  int clientHeightTwips;
};

const WindowLayout& Form1Window();

// Every control, in the order of the layout from top to bottom.
std::span<const ControlLayout> Form1Controls();
// The control of that name; nullptr when there is none.
const ControlLayout* FindForm1Control(std::string_view name);

// The controls that take the focus, in Tab order.
std::span<const std::string_view> Form1TabOrder();

// The width of the sunken border around the drawing area, in pixels.
constexpr int Picture1BorderPixels = 2;

struct UpDownSettings {
  int32_t value;
  int32_t increment;
  int32_t min;
  int32_t max;
};
constexpr UpDownSettings GraphScaleSettings{100, 5, -50000, 50000};

struct MenuItemLayout {
  std::string_view caption;
  bool checkedAtStart;
};

// MenuColorMode(0): the holder of the pop-up, never shown in a menu bar.
constexpr std::string_view ColorModeMenuCaption = "Colors";
// MenuColorModeItem(1) to (4); entry i - 1 is item i.
std::span<const MenuItemLayout> ColorModeMenuItems();

}  // namespace window
