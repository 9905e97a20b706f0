#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "testkit/RecordingControls.h"
#include "window/PlotWindow.h"

using Strings = std::vector<std::string>;
constexpr int16_t Left = 1;

// A loaded window over recorded controls.
struct LoadedForm {
  LoadedForm() { form.Load(); }
  // XMin, XMax, YMin, YMax and Resolution.
  void SetInputs(const Strings& inputs) {
    for (size_t k = 0; k < inputs.size(); ++k) controls.Number(surface::InputLimits[k]) = inputs[k];
  }
  // The same, space-separated.
  void SetInputLine(const std::string& inputs) {
    std::istringstream words(inputs);
    for (const surface::Limit box : surface::InputLimits) words >> controls.Number(box);
  }
  Strings MessageTexts() const {
    Strings texts;
    for (const auto& m : controls.messages) texts.push_back(m.text);
    return texts;
  }
  testkit::RecordingControls controls;
  window::PlotWindow form{controls};
};

class PlotWindowTest : public ::testing::Test, protected LoadedForm {};
