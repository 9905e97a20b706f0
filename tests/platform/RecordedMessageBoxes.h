#pragma once

#include <string>
#include <vector>

#include "platform/MessageBox.h"

namespace platform_testing {

// While it lives, message boxes are recorded instead of shown.
class RecordedMessageBoxes {
 public:
  struct Shown {
    QWidget* parent;
    std::string text;
    platform::MessageIcon icon;
  };

  RecordedMessageBoxes();
  ~RecordedMessageBoxes();
  RecordedMessageBoxes(const RecordedMessageBoxes&) = delete;
  RecordedMessageBoxes& operator=(const RecordedMessageBoxes&) = delete;

  std::vector<Shown> shown;

 private:
  platform::MessageBoxPresenter previous_;
};

}  // namespace platform_testing
