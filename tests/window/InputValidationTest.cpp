#include <gtest/gtest.h>

#include "Form1TestFixture.h"

namespace {

using platform::MessageIcon;
using ValidationTest = Form1Test;

struct TextCase {
  const char* text;
  bool accepted;
  float value;  // stored as XMin when accepted
};

TEST_F(ValidationTest, SingleTextsAreReadStrictly) {
  const TextCase cases[] = {
      {"1,5", true, 1.5f},  {"1.5", true, 1.5f},   {"-0,25", true, -0.25f}, {"-3", true, -3},
      {"", true, 0},        {"-", true, 0},        {".", true, 0},          {",", true, 0},
      {"-.5", true, -0.5f}, {"7.", true, 7},       {"007", true, 7},        {"1,5,0", false, 0},
      {"1.5.0", false, 0},  {"1.5,0", false, 0},   {"3-", false, 0},        {"--3", false, 0},
      {"+3", false, 0},     {"1e3", false, 0},     {"0x10", false, 0},      {" 1", false, 0},
      {"1 ", false, 0},     {"\xce\x98", false, 0},
      // Read whatever the locale; far too small is 0.
      {"0,1", true, 0.1f},  {"-.000000000000000000000000000000000000000000000000001", true, 0},
  };
  for (const auto& c : cases) {
    controls.messages.clear();
    // XMax is large so that every accepted XMin passes the range checks.
    SetInputs(c.text, "100", "-1", "1", "12");
    form.CommandDraw_Click();
    if (c.accepted) {
      EXPECT_EQ(form.Limits().XMin(), c.value) << '"' << c.text << '"';
      for (const auto& m : controls.messages) EXPECT_NE(m.text, "Wrong value") << '"' << c.text << '"';
    } else {
      ASSERT_FALSE(controls.messages.empty()) << '"' << c.text << '"';
      EXPECT_EQ(controls.messages.front(), (testing_support::ShownMessage{"Wrong value", MessageIcon::Critical}))
          << '"' << c.text << '"';
      EXPECT_EQ(form.Limits().XMin(), 0) << "a refused text stores 0";
      EXPECT_EQ(form.BadValue(), -1);
    }
  }
}

TEST_F(ValidationTest, ABadBoxStopsTheReadingThere) {
  SetInputs("-2", "x", "-7", "7", "30");
  form.CommandDraw_Click();
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Wrong value"});
  EXPECT_EQ(form.Limits().XMin(), -2);
  EXPECT_EQ(form.Limits().XMax(), 0);
  // Boxes after the bad one were not read: their entries keep the start values.
  EXPECT_EQ(form.Limits().YMin(), -1);
  EXPECT_EQ(form.Limits().YMax(), 1);
  EXPECT_EQ(form.Limits().Resolution(), 12);
  EXPECT_TRUE(form.Spots().empty());
}

TEST_F(ValidationTest, RangeRefusalsComeInOrderAndAllShow) {
  SetInputs("1", "1", "2", "-2", "0");
  form.CommandDraw_Click();
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{" Maximum 'X' Must be Greater than Minimum 'X'",
                                                      " Maximum 'Y' Must be Greater than Minimum 'Y'",
                                                      "Resolution Must be Greater than '1'"}));
  for (const auto& m : controls.messages) EXPECT_EQ(m.icon, MessageIcon::Critical);
  // A range refusal keeps all five numbers that were read.
  EXPECT_EQ(form.Limits().XMin(), 1);
  EXPECT_EQ(form.Limits().YMax(), -2);
  EXPECT_EQ(form.Limits().Resolution(), 0);
  EXPECT_FALSE(controls.picture1Enabled);
}

TEST_F(ValidationTest, ResolutionMustExceedOne) {
  const struct {
    const char* text;
    bool refused;
  } cases[] = {{"1", true}, {"0,5", true}, {"0", true}, {"-4", true}, {"1,5", false}, {"2", false}};
  for (const auto& c : cases) {
    controls.messages.clear();
    SetInputs("-1", "1", "-1", "1", c.text);
    form.CommandDraw_Click();
    const bool refused =
        !controls.messages.empty() && controls.messages.front().text == "Resolution Must be Greater than '1'";
    EXPECT_EQ(refused, c.refused) << c.text;
  }
}

TEST_F(ValidationTest, ANumberTooLargeToStoreKeepsThePreviousEntrySilently) {
  // 4e41 fits a 64-bit float but not a 32-bit one; 1e400 fits neither.
  for (const std::string& text :
       std::vector<std::string>{"-400000000000000000000000000000000000000000", "1" + std::string(400, '0')}) {
    SetInputs(text, "1", "-1", "1", "12");
    form.CommandDraw_Click();
    EXPECT_EQ(form.Limits().XMin(), -1);
    EXPECT_EQ(form.BadValue(), 0);
    EXPECT_TRUE(controls.messages.empty());
    EXPECT_EQ(form.Spots().size(), 144u);
  }
}

}  // namespace
