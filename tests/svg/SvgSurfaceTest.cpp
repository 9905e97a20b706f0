// The SVG document's text, its runs of elements, and the document written out as it is made.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "svg/SvgSurface.h"

namespace {

using render::PolygonPoint;

const svg::SvgFont Font{"serif", 13, true, 12, 15};

TEST(EscapeXmlText, KeepsTheDocumentWellFormed) {
  const std::pair<std::string, std::string> rows[] = {
      {"X", "X"},
      {"a<b & c>\"d\"", "a&lt;b &amp; c&gt;&quot;d&quot;"},
      {"\xCE\x98 \xF0\x9F\x98\x80", "\xCE\x98 \xF0\x9F\x98\x80"},  // two- and four-byte characters stay
      {"last \xF4\x8F\xBF\xBF", "last \xF4\x8F\xBF\xBF"},          // U+10FFFF, XML's last character
      {std::string("tab\tbell\x07nul", 12) + '\0', "tab\tbell\xEF\xBF\xBDnul\xEF\xBF\xBD"},
      {"overlong \xC0\xAF", "overlong \xEF\xBF\xBD\xEF\xBF\xBD"},
      {"surrogate \xED\xA0\x80", "surrogate \xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
  };
  for (const auto& [text, escaped] : rows) EXPECT_EQ(svg::EscapeXmlText(text), escaped) << text;
}

std::string Body(const std::vector<render::Color>& fills) {
  svg::SvgSurface area(326, 326, 0xE0E0E0, Font);
  area.SetForeColor(0);
  const std::vector<PolygonPoint> cell{{1, 2}, {3, 2}, {3, 2}, {3, 4}, {3, 4}, {1, 2}};
  for (const render::Color fill : fills) {
    area.SetFillColor(fill);
    area.Polygon(cell.data(), static_cast<int>(cell.size()));
  }
  const std::string document = area.Document();
  const auto start = std::min(document.find("<polygon"), document.find("<g fill"));
  return document.substr(start, document.rfind("</g>") - start);
}

// A run of cells in the same colours shares a group; a lone cell carries its own. Colour
// numbers are red + 256 green + 65536 blue.
TEST(SvgSurface, RunsOfTheSameColoursShareAGroup) {
  const std::string cell = "points=\"1,2 3,2 3,4\"";
  const std::tuple<const char*, std::vector<render::Color>, std::string> rows[] = {
      {"a run",
       {0x123456, 0x123456, 0x123456},
       "<g fill=\"#563412\" stroke=\"#000\"><polygon " + cell + "/><polygon " + cell + "/><polygon " + cell +
           "/></g>"},
      {"lone, then a run",
       {render::Rgb(255, 0, 0), 2, 2},
       "<polygon " + cell + " fill=\"#F00\" stroke=\"#000\"/><g fill=\"#020000\" stroke=\"#000\"><polygon " +
           cell + "/><polygon " + cell + "/></g>"},
  };
  for (const auto& [name, fills, body] : rows) EXPECT_EQ(Body(fills), body) << name;
}

TEST(SvgSurface, ClearStartsAFreshPictureAndTextSitsOnItsBaseline) {
  svg::SvgSurface area(326, 100, 0xE0E0E0, Font);
  area.Line(0, 0, 10, 10, 0xFFFFFF);
  area.Clear();
  area.SetCurrentPosition(98.37f, 127.23f);
  area.Print("<X>");
  EXPECT_EQ(area.CurrentY(), 127.23f + 15);
  const std::string document = area.Document();
  EXPECT_EQ(document.find("<line"), std::string::npos);
  EXPECT_NE(document.find("<text x=\"97.87\" y=\"138.73\" fill=\"#000\">&lt;X&gt;</text>"), std::string::npos)
      << document;
  EXPECT_NE(document.find("width=\"100\" height=\"100\" viewBox=\"0 0 326 326\""), std::string::npos);
}

// The document written out as it is made is the one a surface keeps in memory, even
// when it is handed on in parts, across a clear, with runs of one colour cut.
struct Recorded : svg::DocumentOutput {
  void Append(std::string_view part) override { text.append(part), ++parts; }
  void Restart() override { text.clear(); }
  std::string text;
  int parts = 0;
};

TEST(SvgStreaming, TheDocumentWrittenOutIsTheOneKept) {
  svg::SvgSurface kept(326, 326, 0xE0E0E0, Font);
  Recorded output;
  svg::SvgSurface written(326, 326, 0xE0E0E0, Font, {}, &output);
  for (svg::SvgSurface* surface : {&kept, &written}) {
    const render::PolygonPoint cell[] = {{1, 2}, {30, 2}, {30, 40}};
    surface->Line(0, 0, 5, 5, 0);
    surface->Clear();
    for (int k = 0; k < 60000; ++k) {
      surface->SetFillColor(static_cast<render::Color>(k / 3));
      surface->Polygon(cell, 3);
    }
    surface->SetCurrentPosition(3, 4);
    surface->Print("Z");
    surface->Line(0, 0, 5, 5, 0);
  }
  written.Finish();
  EXPECT_GT(output.parts, 3) << "handed on in parts";
  EXPECT_TRUE(output.text == kept.Document());
}

}  // namespace
