// The SVG document's text and the document written out as it is made.
#include <gtest/gtest.h>

#include <string>

#include "svg/SvgSurface.h"

namespace {

const svg::SvgFont Font{"serif", 13, true, 12, 15};

TEST(EscapeXmlText, KeepsTheDocumentWellFormed) {
  const std::pair<std::string, std::string> rows[] = {
      {"X", "X"},
      {"a<b & c>\"d\"", "a&lt;b &amp; c&gt;&quot;d&quot;"},
      {"\xCE\x98 \xF0\x9F\x98\x80", "\xCE\x98 \xF0\x9F\x98\x80"},  // two- and four-byte characters stay
      {"last \xF4\x8F\xBF\xBF", "last \xF4\x8F\xBF\xBF"},          // U+10FFFF, XML's last character
      // The first and last lead byte of each length: U+00A0, U+07FF, U+0800, U+FFFD.
      {"\xC2\xA0\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBD", "\xC2\xA0\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBD"},
      {std::string("tab\tbell\x07nul", 12) + '\0', "tab\tbell\xEF\xBF\xBDnul\xEF\xBF\xBD"},
      {"overlong \xC0\xAF", "overlong \xEF\xBF\xBD\xEF\xBF\xBD"},
      {"overlong in three \xE0\x9F\xBF", "overlong in three \xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"overlong in four \xF0\x80\x81\x81",
       "overlong in four \xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"beyond U+10FFFF \xF4\x90\x80\x80",
       "beyond U+10FFFF \xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"not a character \xEF\xBF\xBE", "not a character \xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"surrogate \xED\xA0\x80", "surrogate \xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
  };
  for (const auto& [text, escaped] : rows) EXPECT_EQ(svg::EscapeXmlText(text), escaped) << text;
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
