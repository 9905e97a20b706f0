#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "support/RecordingControls.h"
#include "window/Form1.h"

// Drives a window the way a restless user would: before every draw a new formula,
// new ranges, a new resolution, colour mode and scale, and after some draws a drag.
// The mix holds refused inputs, parse errors, failing operations and the random
// function too. The choices come from a seeded generator, so a run can be repeated.
class ChangingInputs {
 public:
  ChangingInputs(testing_support::RecordingControls& controls, Form1& form, unsigned seed)
      : controls_(controls), form_(form), random_(seed) {}

  // New inputs, one draw, perhaps a drag. What the recording controls kept is
  // dropped, so that only the window's own memory can grow.
  void Round() {
    controls_.code = Pick(Formulas());
    const auto& [xMin, xMax] = Pick(Ranges());
    const auto& [yMin, yMax] = Pick(Ranges());
    controls_.data[1] = xMin;
    controls_.data[2] = xMax;
    controls_.data[3] = yMin;
    controls_.data[4] = yMax;
    controls_.data[5] = Pick(Resolutions());
    form_.MenuColorModeItem_Click(static_cast<int16_t>(1 + Below(4)));
    controls_.graphScale = Pick(Scales());
    form_.CommandDraw_Click();
    if (Below(3) == 0) Drag();
    if (Below(5) == 0) {
      controls_.graphScale = Pick(Scales());
      form_.GraphScale_Change();
    }
    messagesSeen_ += controls_.messages.size();
    if (controls_.messages.empty()) ++quietRounds_;
    controls_.messages.clear();
    controls_.pointerChanges.clear();
  }

  std::size_t MessagesSeen() const { return messagesSeen_; }
  // Rounds that showed no message box: drawn, however odd the surface.
  std::size_t QuietRounds() const { return quietRounds_; }

 private:
  static constexpr int16_t LeftButton = 1;

  void Drag() {
    const int moves = 1 + Below(6);
    for (int i = 0; i < moves; ++i)
      form_.Picture1_MouseMove(LeftButton, 0, static_cast<float>(Below(500)) - 80,
                               static_cast<float>(Below(500)) - 80);
    form_.Picture1_MouseMove(0, 0, 0, 0);
  }

  static std::string SumOfXs(int count) {
    std::string sum = "X";
    for (int i = 1; i < count; ++i) sum += " + X";
    return sum;
  }

  static const std::vector<std::string>& Formulas() {
    static const std::vector<std::string> formulas = {
        "(Cos(X) ^ 2 + Sin(Y) ^ 2)",
        "X * Y",
        "Sin(X * Y) / X",
        "Rnd * X + Y",
        "SIN -X",
        "Sqr(X) + Log(Y)",
        "X ^ 1000 * 10 ^ 300",
        "",
        "1 / 0",
        "Abs(X) MOD 3 - Int(Y * 7) + Sgn(X) * Atn(Y) + Tan(X) + Exp(Y)",
        SumOfXs(61),  // too many tokens: refused before anything is drawn
        "((((X)))) * (Y - (X * (Y + 1)))",
    };
    return formulas;
  }
  // Mostly ranges that are drawn; one reversed and one unreadable.
  static const std::vector<std::pair<std::string, std::string>>& Ranges() {
    static const std::vector<std::pair<std::string, std::string>> ranges = {
        {"-1", "1"},     {"-1000000", "1000000"}, {"-0.001", "0.001"}, {"0", "3"},
        {"2.5", "7.25"}, {"-3,5", "-2"},          {"1", "-1"},         {"abc", "1"},
    };
    return ranges;
  }
  static const std::vector<std::string>& Resolutions() {
    static const std::vector<std::string> resolutions = {"2",  "3",   "7",   "12",  "25",
                                                         "50", "100", "160", "1.5", "0"};
    return resolutions;
  }
  static const std::vector<int32_t>& Scales() {
    static const std::vector<int32_t> scales = {100, 5, 250, 0, 50000, -50000};
    return scales;
  }

  int Below(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

  template <class Item>
  const Item& Pick(const std::vector<Item>& list) {
    return list[static_cast<std::size_t>(Below(static_cast<int>(list.size())))];
  }

  testing_support::RecordingControls& controls_;
  Form1& form_;
  std::mt19937 random_;
  std::size_t messagesSeen_ = 0;
  std::size_t quietRounds_ = 0;
};
