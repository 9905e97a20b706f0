#include <gmock/gmock.h>

#include <QByteArray>
#include <QImage>
#include <atomic>
#include <cstring>

#include "PlotWindowFixture.h"
#include "runtime/Progress.h"

using window::MessageIcon;
using namespace ::testing;

// Draws with the text as XMin: the XMin stored and the messages shown.
static std::pair<float, Strings> ReadAsXMin(const std::string& text) {
  LoadedForm window;
  window.SetInputs({text, "100", "-1", "1", "12"});
  window.form.Draw();
  return {window.form.Limits().XMin(), window.MessageTexts()};
}

TEST(NumberBoxTest, TextsAreReadStrictly) {
  // Either separator, whatever the locale; far too small is 0.
  // clang-format off
  const std::pair<std::string, float> accepted[] = {
      {"1,5", 1.5f}, {"1.5", 1.5f}, {"-0,25", -0.25f}, {"-3", -3}, {"", 0}, {"-", 0}, {".", 0}, {",", 0},
      {"-.5", -0.5f}, {"7.", 7}, {"007", 7}, {"0,1", 0.1f}, {"-." + std::string(50, '0') + "1", 0}};
  // clang-format on
  for (auto [text, value] : accepted) EXPECT_EQ(ReadAsXMin(text), std::make_pair(value, Strings{})) << text;
  // A refused text stores 0.
  for (const char* text :
       {"1,5,0", "1.5.0", "1.5,0", "3-", "--3", "+3", "1e3", "0x10", " 1", "1 ", "\xce\x98"})
    EXPECT_EQ(ReadAsXMin(text), std::make_pair(0.0f, Strings{"Wrong value"})) << text;
}

// After a default draw: each attempt's messages (in part) and limits; a refusal changes nothing else.
TEST(DrawAttemptTest, InputsAreValidatedInOrderAndRefusalsChangeNothing) {
  const Strings start = {"-1", "1", "-1", "1", "12"};
  const std::vector<float> startLimits = {-1, 1, -1, 1, 12};
  auto sum = [](int tokens) { return QByteArray("X+").repeated(tokens).left(tokens).toStdString(); };
  const std::size_t longestScanned = 32764;  // "(" + formula + ")" in 16 bits
  const struct {
    const char* name;
    Strings inputs, messages;
    std::vector<float> limits;  // XMin, XMax, YMin, YMax, Resolution afterwards
    std::string code{window::DefaultFormula}, zRange = "0. 1.708";  // no Z range: not checked
  } rows[] = {
      // Boxes after the bad one are not read: their entries keep the earlier values.
      {"a bad box stops the reading", {"-2", "x", "-7", "7", "30"}, {"Wrong value"}, {-2, 0, -1, 1, 12}},
      {"every range refusal shows",
       {"1", "1", "2", "-2", "0"},
       {"Maximum 'X'", "Maximum 'Y'", "Resolution"},
       {1, 1, 2, -2, 0}},
      {"X range alone", {"1", "1", "-1", "1", "12"}, {"Maximum 'X'"}, {1, 1, -1, 1, 12}},
      {"Y range alone", {"-1", "1", "2", "-2", "12"}, {"Maximum 'Y'"}, {-1, 1, 2, -2, 12}},
      {"resolution 1", {"-1", "1", "-1", "1", "1"}, {"Resolution Must"}, {-1, 1, -1, 1, 1}},
      {"resolution 1,5", {"-1", "1", "-1", "1", "1,5"}, {}, {-1, 1, -1, 1, 1.5f}, "X", ""},
      // A number beyond a float (even a double) keeps the earlier entry, silently.
      {"1e400", {"1" + std::string(400, '0'), "1", "-1", "1", "12"}, {}, startLimits},
      {"a step lost in rounding",
       {"1000000", "1000001", "-1", "1", "100"},
       {"cannot be walked"},
       {1000000, 1000001, -1, 1, 100}},
      {"a table beyond the memory cap",
       {"-1", "1", "-1", "1", "100000"},
       {"at most"},
       {-1, 1, -1, 1, 100000}},
      {"99 tokens", start, {"too long"}, startLimits, sum(99)},
      {"a parse error keeps the surface", start, {"Parse Error"}, startLimits, "SIN -X", "0. 0."},
      {"one past the longest scanned",
       start,
       {"too long"},
       startLimits,
       "X" + std::string(longestScanned, ' ')},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    LoadedForm window;
    window.form.Draw();
    const QImage picture = window.controls.surface.image().copy();
    const auto cells = window.form.Cells();
    const std::vector<uint32_t> order(window.form.PainterOrder().begin(), window.form.PainterOrder().end());
    window.SetInputs(row.inputs);
    window.controls.formula = row.code;
    window.form.Draw();
    std::vector<Matcher<std::string>> shown;
    for (const std::string& part : row.messages) shown.push_back(HasSubstr(part));
    EXPECT_THAT(window.MessageTexts(), ElementsAreArray(shown));
    for (const auto& m : window.controls.messages)
      EXPECT_EQ(m.icon, m.text == "Parse Error" ? MessageIcon::None : MessageIcon::Critical);
    const auto& l = window.form.Limits();
    EXPECT_EQ((std::vector<float>{l.XMin(), l.XMax(), l.YMin(), l.YMax(), l.Resolution()}), row.limits);
    if (!row.zRange.empty()) {
      EXPECT_EQ(window.controls.Number(window::NumberBox::ZMin) + " " +
                    window.controls.Number(window::NumberBox::ZMax),
                row.zRange);
    }
    if (row.messages.empty()) continue;
    EXPECT_EQ(window.form.Cells(), cells);
    EXPECT_THAT(window.form.PainterOrder(), ElementsAreArray(order));
    EXPECT_EQ(window.controls.surface.image(), picture);
  }
}

// A draw cancelled at any stage leaves everything as it was before the click: the
// boxes, the limits, the table and its order, the picture; the next draw and drag work.
TEST(CancelledDrawTest, LeavesEverythingAsItWas) {
  for (const runtime::Stage stage :
       {runtime::Stage::ScanningZRange, runtime::Stage::BuildingCells, runtime::Stage::Drawing}) {
    SCOPED_TRACE(static_cast<int>(stage));
    LoadedForm window;
    window.form.Draw();
    window.form.Turn(Left, 40, 60);
    const auto numbers = window.controls.numbers;
    const surface::Limits limits = window.form.Limits();
    const surface::CellTable cells = window.form.Cells();
    const QImage picture = window.controls.surface.image().copy();
    window.controls.formula = "X * Y";
    window.controls.Number(window::NumberBox::Resolution) = "30";
    window.controls.progress.cancelAt = stage;
    EXPECT_EQ(window.form.Draw(), window::DrawOutcome::Cancelled);
    for (const auto box : {window::NumberBox::ZMin, window::NumberBox::ZMax})
      EXPECT_EQ(window.controls.Number(box), numbers[static_cast<size_t>(box)]);
    EXPECT_EQ(std::memcmp(&window.form.Limits(), &limits, sizeof limits), 0);
    EXPECT_EQ(window.form.Cells(), cells);
    EXPECT_EQ(window.controls.surface.image(), picture);
    EXPECT_EQ(window.MessageTexts(), Strings{});
    EXPECT_EQ(window.controls.progress.finished, 2) << "the progress hears that the work is over";

    window.controls.progress.cancelAt.reset();
    window.form.Turn(Left, 100, 60);
    EXPECT_NE(window.controls.surface.image(), picture) << "the earlier surface turns";
    EXPECT_EQ(window.form.Draw(), window::DrawOutcome::Drawn);
    EXPECT_EQ(window.form.Cells().size(), 900u);
  }
}
