#pragma once

#include <gtest/gtest.h>

#include <QRect>
#include <string>

#include "support/RecordingControls.h"
#include "window/Form1.h"

// A loaded window over recorded controls.
class Form1Test : public ::testing::Test {
 protected:
  Form1Test() : form(controls) { form.Form_Load(); }

  void SetInputs(const std::string& xMin, const std::string& xMax, const std::string& yMin,
                 const std::string& yMax, const std::string& resolution) {
    controls.data[1] = xMin;
    controls.data[2] = xMax;
    controls.data[3] = yMin;
    controls.data[4] = yMax;
    controls.data[5] = resolution;
  }

  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& m : controls.messages) texts.push_back(m.text);
    return texts;
  }

  // How many pixels of the drawing area show the colour.
  int CountPixels(platform::Color colour) const {
    int count = 0;
    const auto& image = controls.surface.image();
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) count += controls.surface.PixelAt(x, y) == colour;
    return count;
  }

  // The smallest rectangle holding every pixel that differs from the background.
  QRect DrawnBounds() const {
    QRect bounds;
    const auto& image = controls.surface.image();
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (controls.surface.PixelAt(x, y) != Background) bounds |= QRect(x, y, 1, 1);
    return bounds;
  }

  int DrawnPixels() const { return image_area() - CountPixels(Background); }

  static constexpr platform::Color Background = platform::Rgb(0xE0, 0xE0, 0xE0);

  int image_area() const { return controls.surface.image().width() * controls.surface.image().height(); }

  testing_support::RecordingControls controls;
  Form1 form;
};
