// An SVG document written out as it is made is the one a surface keeps in memory.
#include <gtest/gtest.h>

#include <string>

#include "svg/SvgSurface.h"

namespace {

class Recorded : public svg::DocumentOutput {
 public:
  void Append(std::string_view text) override {
    text_.append(text);
    ++appends;
  }
  void Restart() override { text_.clear(); }
  std::string text_;
  int appends = 0;
};

// Enough cells that the document is handed on in parts, across a clear, with runs
// of one colour that a part may cut.
void Draw(svg::SvgSurface& surface) {
  const render::PolygonPoint cell[] = {{1, 2}, {30, 2}, {30, 40}};
  surface.Line(0, 0, 5, 5, 0);
  surface.Clear();
  for (int k = 0; k < 60000; ++k) {
    surface.SetFillColor(static_cast<render::Color>(k / 3));
    surface.Polygon(cell, 3);
  }
  surface.SetCurrentPosition(3, 4);
  surface.Print("Z");
  surface.Line(0, 0, 5, 5, 0);
}

TEST(SvgStreaming, TheDocumentWrittenOutIsTheOneKept) {
  const svg::SvgFont font{"serif", 13, true, 12, 15};
  svg::SvgSurface kept(326, 326, 0xE0E0E0, font);
  Recorded output;
  svg::SvgSurface written(326, 326, 0xE0E0E0, font, {}, &output);
  Draw(kept);
  Draw(written);
  written.Finish();
  EXPECT_GT(output.appends, 3) << "handed on in parts";
  EXPECT_TRUE(output.text_ == kept.Document());
  EXPECT_EQ(output.text_.find("<line"), output.text_.rfind("<line")) << "the line before the clear is gone";
}

}  // namespace
