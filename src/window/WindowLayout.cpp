#include "window/WindowLayout.h"

#include <algorithm>
#include <array>

namespace window {
namespace {

// Colour numbers read blue, green, red from the left.
constexpr render::Color FormBlue = 0xFF8080;
constexpr render::Color PaleCyan = 0xFFFFC0;
constexpr render::Color LightGrey = 0xE0E0E0;
constexpr render::Color DarkGrey = 0x404040;

using enum ControlKind;
using enum FontKey;
using enum TextAlignment;

constexpr std::optional<render::Color> Platform = std::nullopt;

// clang-format off
constexpr std::array<ControlLayout, 25> Controls{{
    {"Picture1", DrawingArea, "", {120, 120, 4950, 4950}, E, LightGrey, DarkGrey, Left},
    {"Label7", Label, " Z(X,Y)=", {5205, 480, 885, 285}, A, FormBlue, PaleCyan, Centre},
    {"Code", TextBox, DefaultFormula, {6120, 480, 3135, 285}, Default, Platform, Platform, Left},
    {"Data(1)", TextBox, "", {5880, 1320, 1215, 285}, Default, Platform, Platform, Left},
    {"Label5", Label, "< X <", {7140, 1320, 585, 285}, A, FormBlue, PaleCyan, Centre},
    {"Data(2)", TextBox, "", {7800, 1320, 1215, 285}, Default, Platform, Platform, Left},
    {"Data(3)", TextBox, "", {5880, 1680, 1215, 285}, Default, Platform, Platform, Left},
    {"Label6", Label, "< Y <", {7140, 1680, 555, 285}, A, FormBlue, PaleCyan, Centre},
    {"Data(4)", TextBox, "", {7800, 1680, 1215, 285}, Default, Platform, Platform, Left},
    {"Label8", Label, "Resolution:", {6840, 2040, 1170, 285}, A, FormBlue, PaleCyan, Left},
    {"Data(5)", TextBox, "", {8160, 2040, 855, 285}, Default, Platform, Platform, Left},
    {"Shape1", RectangleShape, "", {5940, 2820, 2865, 420}, Default, Platform, LightGrey, Left},
    {"Data(6)", DisplayTextBox, "", {6000, 2880, 975, 285}, D, FormBlue, PaleCyan, Left},
    {"Label11", Label, "< Z <", {7080, 2880, 555, 285}, A, FormBlue, PaleCyan, Centre},
    {"Data(7)", DisplayTextBox, "", {7755, 2880, 975, 285}, D, FormBlue, PaleCyan, Left},
    {"CmdMenu", CommandButton, "..", {6000, 3540, 255, 195}, C, Platform, Platform, Centre},
    {"Label9", Label, "Color Mode", {6360, 3480, 1170, 285}, A, FormBlue, PaleCyan, Left},
    {"GraphScale", UpDown, "", {7920, 3480, 240, 285}, Default, Platform, Platform, Left},
    {"Label13", Label, "Scale", {8220, 3480, 540, 285}, A, FormBlue, PaleCyan, Left},
    {"CommandDraw", CommandButton, "Draw Function", {5760, 4680, 1455, 375}, Default, LightGrey, Platform, Centre},
    {"Command1", CommandButton, "Exit", {7440, 4680, 1455, 375}, Default, LightGrey, Platform, Centre},
    {"Label3", Label, "\u0398: ", {720, 5145, 315, 285}, A, FormBlue, PaleCyan, Left},
    {"Label1", Label, "", {1080, 5160, 60, 255}, B, FormBlue, PaleCyan, Left},
    {"Label4", Label, "\u03A6: ", {3000, 5145, 330, 285}, A, FormBlue, PaleCyan, Left},
    {"Label2", Label, "", {3360, 5160, 60, 255}, B, FormBlue, PaleCyan, Left},
}};
// clang-format on

constexpr std::array<std::string_view, 11> TabOrder{
    "Picture1", "CommandDraw", "Command1", "Code",       "Data(5)", "Data(4)",
    "Data(3)",  "Data(2)",     "Data(1)",  "GraphScale", "CmdMenu",
};

constexpr std::array<MenuItemLayout, 4> MenuItems{{
    {"Grid", true},
    {"Lines", false},
    {"Colors", false},
    {"Rnd Colors", false},
}};

constexpr WindowLayout Window{"Plotting f(x) Functions", FormBlue, 9435, 5490};

}  // namespace

std::optional<FontStyle> FontOf(FontKey key) {
  switch (key) {
    case A:
      return FontStyle{"Times New Roman", 12, true, true};
    case B:
      return FontStyle{"Times New Roman", 11.25, false, false};
    case C:
      return FontStyle{"Times New Roman", 12, true, false};
    case D:
      return FontStyle{"Arial", 9.75, false, false};
    case E:
      return FontStyle{"Times New Roman", 9.75, true, false};
    case Default:
      break;
  }
  return std::nullopt;
}

const WindowLayout& MainWindowLayout() { return Window; }

std::span<const ControlLayout> ControlLayouts() { return Controls; }

const ControlLayout* FindControlLayout(std::string_view name) {
  const auto found = std::ranges::find(Controls, name, &ControlLayout::name);
  return found == Controls.end() ? nullptr : &*found;
}

std::span<const std::string_view> FocusOrder() { return TabOrder; }

int DrawingAreaPixels() {
  return PixelsFromTwips(FindControlLayout("Picture1")->twips.width) - 2 * DrawingAreaBorderPixels;
}

std::span<const MenuItemLayout> ColorModeMenuItems() { return MenuItems; }

const MenuItemLayout& ColorModeMenuItem(surface::ColorMode mode) {
  return MenuItems[static_cast<size_t>(mode)];
}

}  // namespace window
