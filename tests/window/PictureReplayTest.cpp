// The picture drawn again onto another surface is the one the drawing area shows.
#include <QImage>
#include <functional>

#include "PlotWindowFixture.h"
#include "gui/DrawingAreaImage.h"

using PictureReplayTest = PlotWindowTest;

TEST_F(PictureReplayTest, GivesTheDrawingAreasPictureAsItStands) {
  using Steps = std::function<void(LoadedForm&)>;
  const std::pair<const char*, Steps> rows[] = {
      {"after start-up: the axes alone", [](LoadedForm&) {}},
      {"a refused draw leaves the axes alone",
       [](LoadedForm& w) {
         w.SetInputs({"1", "-1", "-1", "1", "12"});
         w.form.Draw();
       }},
      {"a draw and a drag",
       [](LoadedForm& w) {
         w.form.Draw();
         w.form.Turn(Left, 120, 40);
       }},
      {"mode, scale and angles changed since without a redraw",
       [](LoadedForm& w) {
         w.form.ChooseColorMode(surface::ColorMode::Colors);
         w.form.Draw();
         w.form.Turn(Left, 200, 90);
         w.form.Turn(0, 10, 10);
         w.form.ChooseColorMode(surface::ColorMode::Lines);
         w.controls.scale = 40;
       }},
      {"a drag that faulted halfway",
       [](LoadedForm& w) {
         w.SetInputs({"1000000", "1000010", "-1", "1", "12"});
         w.form.Draw();
         w.controls.scale = 50000;
         w.form.Turn(Left, 100, 100);
       }},
  };
  for (const auto& [name, steps] : rows) {
    LoadedForm window;
    steps(window);
    const QImage shown = window.controls.surface.image().copy();
    const size_t messages = window.controls.messages.size();
    gui::ImageSurface replay = gui::MakeDrawingAreaImage();
    replay.Line(0, 0, 300, 300, 0x123456);  // whatever the surface held goes
    window.form.DrawPictureOn(replay);
    EXPECT_EQ(replay.image(), shown) << name;
    EXPECT_EQ(window.controls.surface.image(), shown) << name << ": the window's own picture stays";
    EXPECT_EQ(window.controls.messages.size(), messages) << name << ": nothing reported again";
  }
}
