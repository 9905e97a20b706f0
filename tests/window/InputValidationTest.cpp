#include "Form1TestFixture.h"

namespace {

// Draws with the text as XMin: the XMin stored and the messages shown.
std::pair<float, Strings> ReadAsXMin(const std::string& text) {
  LoadedForm window;
  window.SetInputs({text, "100", "-1", "1", "12"});
  window.form.CommandDraw_Click();
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

TEST(NumberBoxTest, AWholeAttemptIsValidatedInOrder) {
  const std::string maxX = " Maximum 'X' Must be Greater than Minimum 'X'";
  const std::string maxY = " Maximum 'Y' Must be Greater than Minimum 'Y'";
  const std::string resolution = "Resolution Must be Greater than '1'";
  const std::string beyondFloat = "-4" + std::string(41, '0');  // fits a double, not a float
  const struct {
    const char* name;
    Strings inputs, messages;
    std::vector<float> limits;  // XMin, XMax, YMin, YMax, Resolution afterwards
  } rows[] = {
      // Boxes after the bad one are not read: their entries keep the start values.
      {"a bad box stops the reading", {"-2", "x", "-7", "7", "30"}, {"Wrong value"}, {-2, 0, -1, 1, 12}},
      {"every range refusal shows", {"1", "1", "2", "-2", "0"}, {maxX, maxY, resolution}, {1, 1, 2, -2, 0}},
      {"resolution 1", {"-1", "1", "-1", "1", "1"}, {resolution}, {-1, 1, -1, 1, 1}},
      {"resolution 0,5", {"-1", "1", "-1", "1", "0,5"}, {resolution}, {-1, 1, -1, 1, 0.5f}},
      {"resolution -4", {"-1", "1", "-1", "1", "-4"}, {resolution}, {-1, 1, -1, 1, -4}},
      {"resolution 1,5", {"-1", "1", "-1", "1", "1,5"}, {}, {-1, 1, -1, 1, 1.5f}},
      // A number too large to store keeps the previous entry, silently.
      {"beyond a float", {beyondFloat, "1", "-1", "1", "12"}, {}, {-1, 1, -1, 1, 12}},
      {"beyond a double", {"1" + std::string(400, '0'), "1", "-1", "1", "12"}, {}, {-1, 1, -1, 1, 12}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    LoadedForm window;
    window.SetInputs(row.inputs);
    window.form.CommandDraw_Click();
    EXPECT_EQ(window.MessageTexts(), row.messages);
    for (const auto& m : window.controls.messages) EXPECT_EQ(m.icon, platform::MessageIcon::Critical);
    const auto& l = window.form.Limits();
    EXPECT_EQ((std::vector<float>{l.XMin(), l.XMax(), l.YMin(), l.YMax(), l.Resolution()}), row.limits);
    EXPECT_EQ(window.form.Spots().empty(), !row.messages.empty());
    EXPECT_EQ(window.controls.picture1Enabled, row.messages.empty());
  }
}

}  // namespace
