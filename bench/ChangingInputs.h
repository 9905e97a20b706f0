#pragma once

#include <array>
#include <random>

#include "testkit/RecordingControls.h"
#include "window/PlotWindow.h"

// A restless user, seeded: each round new formula (drawn, refused, unreadable, failing, random), ranges,
// resolution, colour mode and scale, one draw, perhaps a drag; then the records are dropped.
class ChangingInputs {
 public:
  ChangingInputs(testkit::RecordingControls& controls, window::PlotWindow& form, unsigned seed)
      : controls_(controls), form_(form), random_(seed) {}

  void Round() {
    static const std::string formulas[] = {
        "X * Y",           "Sin(X * Y) / X",      "Rnd * X + Y",  "SIN -X", "1 / 0", std::string(40000, 'X'),
        "Sqr(X) + Log(Y)", "X ^ 1000 * 10 ^ 300", "X + X + X + X"};
    static const std::pair<const char*, const char*> ranges[] = {{"-1", "1"},         {"-1000000", "1000000"},
                                                                 {"-0,001", "0.001"}, {"2.5", "7,25"},
                                                                 {"1", "-1"},         {"abc", "1"}};
    controls_.formula = Pick(formulas);
    std::tie(controls_.Number(window::NumberBox::XMin), controls_.Number(window::NumberBox::XMax)) =
        Pick(ranges);
    std::tie(controls_.Number(window::NumberBox::YMin), controls_.Number(window::NumberBox::YMax)) =
        Pick(ranges);
    controls_.Number(window::NumberBox::Resolution) =
        Pick(std::array{"2", "7", "25", "100", "160", "1,5", "0"});
    form_.ChooseColorMode(surface::AllColorModes[random_() % 4]);
    controls_.scale = Pick(std::array{100, 5, 0, 50000, -50000});
    form_.Draw();
    messagesSeen_ += controls_.messages.size();
    quietRounds_ += controls_.messages.empty();
    for (auto move = random_() % 4; move > 0; --move)
      form_.Turn(1, static_cast<float>(random_() % 500) - 80.0f, static_cast<float>(random_() % 500) - 80.0f);
    form_.Turn(0, 0, 0);
    controls_.messages.clear();
    controls_.pointerChanges.clear();
  }

  std::size_t MessagesSeen() const { return messagesSeen_; }
  // Rounds that showed no message box: drawn, however odd the surface.
  std::size_t QuietRounds() const { return quietRounds_; }

 private:
  template <class List>
  auto Pick(const List& list) -> decltype(list[0]) {
    return list[random_() % std::size(list)];
  }

  testkit::RecordingControls& controls_;
  window::PlotWindow& form_;
  std::mt19937 random_;
  std::size_t messagesSeen_ = 0, quietRounds_ = 0;
};
