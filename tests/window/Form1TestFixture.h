#pragma once

#include <gtest/gtest.h>

#include <algorithm>

#include "support/RecordingControls.h"
#include "window/Form1.h"

using Strings = std::vector<std::string>;
constexpr int16_t Left = 1;

// A loaded window over recorded controls.
struct LoadedForm {
  LoadedForm() { form.Form_Load(); }
  // XMin, XMax, YMin, YMax and Resolution.
  void SetInputs(const Strings& inputs) { std::ranges::copy(inputs, controls.data.begin() + 1); }
  Strings MessageTexts() const {
    Strings texts;
    for (const auto& m : controls.messages) texts.push_back(m.text);
    return texts;
  }
  testing_support::RecordingControls controls;
  Form1 form{controls};
};

class Form1Test : public ::testing::Test, protected LoadedForm {};
