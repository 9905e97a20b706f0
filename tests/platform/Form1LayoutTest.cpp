// The layout table itself: the design's numbers, and the rules that hold across it.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <tuple>

#include "platform/LayoutFonts.h"
#include "window/Form1Layout.h"

namespace {

using window::ControlKind;
using window::PixelsFromTwips;

struct PixelPlace {
  const char* name;
  int left, top, width, height;
};

const window::ControlLayout& Control(std::string_view name) {
  const window::ControlLayout* control = window::FindForm1Control(name);
  if (control == nullptr) throw std::runtime_error("no control " + std::string(name));
  return *control;
}

TEST(Form1Layout, PlacesInPixelsMatchTheDesign) {
  const PixelPlace expected[] = {
      {"Picture1", 8, 8, 330, 330},     {"CommandDraw", 384, 312, 97, 25}, {"Command1", 496, 312, 97, 25},
      {"Code", 408, 32, 209, 19},       {"Data(5)", 544, 136, 57, 19},     {"Data(7)", 517, 192, 65, 19},
      {"GraphScale", 528, 232, 16, 19}, {"CmdMenu", 400, 236, 17, 13},     {"Shape1", 396, 188, 191, 28},
      {"Label1", 72, 344, 4, 17},       {"Label4", 200, 343, 22, 19},
  };
  for (const PixelPlace& place : expected) {
    SCOPED_TRACE(place.name);
    const window::TwipsRect& twips = Control(place.name).twips;
    EXPECT_EQ(PixelsFromTwips(twips.left), place.left);
    EXPECT_EQ(PixelsFromTwips(twips.top), place.top);
    EXPECT_EQ(PixelsFromTwips(twips.width), place.width);
    EXPECT_EQ(PixelsFromTwips(twips.height), place.height);
  }
  EXPECT_EQ(PixelsFromTwips(Control("Picture1").twips.width) - 2 * window::Picture1BorderPixels, 326);
  EXPECT_EQ(PixelsFromTwips(window::Form1Window().clientWidthTwips), 629);
  EXPECT_EQ(PixelsFromTwips(window::Form1Window().clientHeightTwips), 366);
}

TEST(Form1Layout, EveryPlaceIsWholePixelsInsideTheWindow) {
  const int clientWidth = window::Form1Window().clientWidthTwips;
  const int clientHeight = window::Form1Window().clientHeightTwips;
  for (const window::ControlLayout& control : window::Form1Controls()) {
    SCOPED_TRACE(std::string(control.name));
    const window::TwipsRect& r = control.twips;
    for (int twips : {r.left, r.top, r.width, r.height}) EXPECT_EQ(twips % window::TwipsPerPixel, 0) << twips;
    EXPECT_GT(r.width, 0);
    EXPECT_GT(r.height, 0);
    EXPECT_LE(r.left + r.width, clientWidth);
    EXPECT_LE(r.top + r.height, clientHeight);
  }
}

TEST(Form1Layout, NamesAreUniqueAndTheArraysComplete) {
  std::set<std::string_view> names;
  for (const window::ControlLayout& control : window::Form1Controls())
    EXPECT_TRUE(names.insert(control.name).second) << control.name;
  for (int k = 1; k <= 7; ++k) EXPECT_TRUE(names.contains("Data(" + std::to_string(k) + ")")) << k;
  for (const char* label : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8",
                            "Label9", "Label11", "Label13"})
    EXPECT_TRUE(names.contains(label)) << label;
  EXPECT_EQ(window::FindForm1Control("Label10"), nullptr);
}

TEST(Form1Layout, ShapeSurroundsTheZRow) {
  const window::TwipsRect shape = Control("Shape1").twips;
  for (const char* inside : {"Data(6)", "Label11", "Data(7)"}) {
    SCOPED_TRACE(inside);
    const window::TwipsRect r = Control(inside).twips;
    EXPECT_GT(r.left, shape.left);
    EXPECT_GT(r.top, shape.top);
    EXPECT_LT(r.left + r.width, shape.left + shape.width);
    EXPECT_LT(r.top + r.height, shape.top + shape.height);
  }
}

TEST(Form1Layout, TabOrderHoldsEveryControlThatTakesTheFocusOnce) {
  const auto order = window::Form1TabOrder();
  const std::set<std::string_view> inOrder(order.begin(), order.end());
  EXPECT_EQ(inOrder.size(), order.size()) << "a control appears twice";
  for (const window::ControlLayout& control : window::Form1Controls()) {
    const bool takesFocus = control.kind == ControlKind::PictureBox || control.kind == ControlKind::TextBox ||
                            control.kind == ControlKind::CommandButton || control.kind == ControlKind::UpDown;
    EXPECT_EQ(inOrder.contains(control.name), takesFocus) << control.name;
  }
  EXPECT_EQ(order.front(), "Picture1");
  EXPECT_EQ(order.back(), "CmdMenu");
  // The boxes go backwards, from the resolution to XMin.
  const auto position = [&](std::string_view name) { return std::ranges::find(order, name) - order.begin(); };
  for (int k = 1; k < 5; ++k)
    EXPECT_EQ(position("Data(" + std::to_string(k) + ")"),
              position("Data(" + std::to_string(k + 1) + ")") + 1);
}

TEST(Form1Layout, FontKeys) {
  struct Row {
    window::FontKey key;
    const char* face;
    double points;
    bool bold, italic;
    int pixels;  // what the fixed layout was made for
  };
  const Row rows[] = {
      {window::FontKey::A, "Times New Roman", 12, true, true, 16},
      {window::FontKey::B, "Times New Roman", 11.25, false, false, 15},
      {window::FontKey::C, "Times New Roman", 12, true, false, 16},
      {window::FontKey::D, "Arial", 9.75, false, false, 13},
      {window::FontKey::E, "Times New Roman", 9.75, true, false, 13},
  };
  for (const Row& row : rows) {
    const auto font = window::FontOf(row.key);
    ASSERT_TRUE(font.has_value());
    EXPECT_EQ(std::tuple(font->face, font->points, font->bold, font->italic),
              std::tuple(row.face, row.points, row.bold, row.italic));
    EXPECT_EQ(platform::PixelSizeOfPoints(font->points), row.pixels) << row.points;
  }
  EXPECT_FALSE(window::FontOf(window::FontKey::Default).has_value());
}

TEST(Form1Layout, GreekCaptionsAreUtf8) {
  EXPECT_EQ(Control("Label3").text, "\xCE\x98: ");
  EXPECT_EQ(Control("Label4").text, "\xCE\xA6: ");
}

}  // namespace
