// An SVG document written out as it is made is the one a surface keeps in memory,
// even when it is handed on in parts, across a clear, with runs of one colour cut.
#include <gtest/gtest.h>

#include <string>

#include "svg/SvgSurface.h"

namespace {

struct Recorded : svg::DocumentOutput {
  void Append(std::string_view part) override { text.append(part), ++parts; }
  void Restart() override { text.clear(); }
  std::string text;
  int parts = 0;
};

TEST(SvgStreaming, TheDocumentWrittenOutIsTheOneKept) {
  const svg::SvgFont font{"serif", 13, true, 12, 15};
  svg::SvgSurface kept(326, 326, 0xE0E0E0, font);
  Recorded output;
  svg::SvgSurface written(326, 326, 0xE0E0E0, font, {}, &output);
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
  EXPECT_EQ(output.text.find("<line"), output.text.rfind("<line")) << "the line before the clear is gone";
}

}  // namespace
