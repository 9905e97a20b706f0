#include <gmock/gmock.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QByteArray>
#include <QImage>
#include <cstring>
#include <fstream>
#include <optional>

#include "PlotWindowFixture.h"
#include "runtime/Progress.h"
#include "testkit/Sanitized.h"

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
  const std::string start = "-1 1 -1 1 12";
  const std::vector<float> startLimits = {-1, 1, -1, 1, 12};
  auto sum = [](int tokens) { return QByteArray("X+").repeated(tokens).left(tokens).toStdString(); };
  using enum surface::Limit;
  const struct {
    const char* name;
    std::string inputs;  // XMin XMax YMin YMax Resolution
    Strings messages;
    std::vector<float> limits;                                      // afterwards
    std::optional<window::NumberBox> refused{};                     // the box the keyboard goes to
    std::string code{window::DefaultFormula}, zRange = "0. 1.708";  // no Z range: not checked
  } rows[] = {
      // Boxes after the bad one are not read: their entries keep the earlier values.
      {"a bad box stops the reading", "-2 x -7 7 30", {"Wrong value"}, {-2, 0, -1, 1, 12}, XMax},
      {"every range refused", "1 1 2 -2 0", {"'X'", "'Y'", "Resolution"}, {1, 1, 2, -2, 0}, XMax},
      {"Y range and resolution", "-1 1 2 -2 1", {"'Y'", "Resolution"}, {-1, 1, 2, -2, 1}, YMax},
      {"resolution 1,5", "-1 1 -1 1 1,5", {}, {-1, 1, -1, 1, 1.5f}, {}, "X", ""},
      // A number beyond a float (even a double) keeps the earlier entry, silently.
      {"1e400", "1" + std::string(400, '0') + " 1 -1 1 12", {}, startLimits},
      {"an X step lost in rounding",
       "1000000 1000001 -1 1 100",
       {"walked"},
       {1e6f, 1000001, -1, 1, 100},
       XMin},
      {"a Y step lost in rounding",
       "-1 1 100000000 100000010 12",
       {"walked"},
       {-1, 1, 1e8f, 100000010.0f, 12},
       YMin},
      {"a table beyond the memory cap", "-1 1 -1 1 100000", {"at most"}, {-1, 1, -1, 1, 100000}, Resolution},
      {"99 tokens", start, {"too long"}, startLimits, {}, sum(99)},
      {"a parse error keeps the surface", start, {"Parse Error"}, startLimits, {}, "SIN -X", "0. 0."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    LoadedForm window;
    window.form.Draw();
    const QImage picture = window.controls.surface.image().copy();
    const auto cells = window.form.Cells();
    const std::vector<uint32_t> order(window.form.PainterOrder().begin(), window.form.PainterOrder().end());
    window.SetInputLine(row.inputs);
    window.controls.formula = row.code;
    window.form.Draw();
    std::vector<Matcher<std::string>> shown;
    for (const std::string& part : row.messages) shown.push_back(HasSubstr(part));
    EXPECT_THAT(window.MessageTexts(), ElementsAreArray(shown));
    EXPECT_EQ(window.controls.refusedBox, row.refused);
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

// The draw with the address space held to what is used now and 100 MB more: no room
// for a table of 1990 x 1990 cells of 64 bytes.
static window::DrawOutcome DrawShortOfMemory(window::PlotWindow& form) {
  rlimit before{};
  getrlimit(RLIMIT_AS, &before);
  std::size_t pages = 0;
  std::ifstream("/proc/self/statm") >> pages;
  rlimit limited = before;
  limited.rlim_cur = pages * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + (rlim_t{100} << 20);
  setrlimit(RLIMIT_AS, &limited);
  const window::DrawOutcome outcome = form.Draw();
  setrlimit(RLIMIT_AS, &before);
  return outcome;
}

// A draw cancelled at any stage, or short of memory for its table, leaves everything as
// it was before the click: the boxes, the limits, the table and its order, the picture;
// the next draw and drag work. Only seen in-process: the program's exit hides the rest.
TEST(CancelledDrawTest, LeavesEverythingAsItWas) {
  using enum runtime::Stage;
  for (const std::optional<runtime::Stage> stage :
       {std::optional(ScanningZRange), std::optional(BuildingCells), std::optional(Drawing),
        std::optional<runtime::Stage>()}) {
    SCOPED_TRACE(stage ? static_cast<int>(*stage) : -1);
    if (!stage && Sanitized) continue;  // the sanitizer's shadow memory does not fit the limit
    LoadedForm window;
    window.form.Draw();
    window.form.Turn(Left, 40, 60);
    const auto numbers = window.controls.numbers;
    const surface::Limits limits = window.form.Limits();
    const surface::CellTable cells = window.form.Cells();
    const QImage picture = window.controls.surface.image().copy();
    window.controls.formula = "X * Y";
    window.controls.Number(window::NumberBox::Resolution) = stage ? "30" : "1990";
    window.controls.progress.cancelAt = stage;
    EXPECT_EQ(stage ? window.form.Draw() : DrawShortOfMemory(window.form),
              stage ? window::DrawOutcome::Cancelled : window::DrawOutcome::Failed);
    for (const auto box : {window::NumberBox::ZMin, window::NumberBox::ZMax})
      EXPECT_EQ(window.controls.Number(box), numbers[static_cast<size_t>(box)]);
    EXPECT_EQ(std::memcmp(&window.form.Limits(), &limits, sizeof limits), 0);
    EXPECT_EQ(window.form.Cells(), cells);
    EXPECT_EQ(window.controls.surface.image(), picture);
    EXPECT_EQ(window.MessageTexts(), stage ? Strings{} : Strings{"Run-time error '7':\n\nOut of memory"});
    EXPECT_EQ(window.controls.progress.finished, 2) << "the progress hears that the work is over";

    window.controls.progress.cancelAt.reset();
    window.controls.Number(window::NumberBox::Resolution) = "30";
    window.form.Turn(Left, 100, 60);
    EXPECT_NE(window.controls.surface.image(), picture) << "the earlier surface turns";
    EXPECT_EQ(window.form.Draw(), window::DrawOutcome::Drawn);
    EXPECT_EQ(window.form.Cells().size(), 900u);
  }
}
