#include "RecordedMessageBoxes.h"

#include <gtest/gtest.h>

namespace platform_testing {

RecordedMessageBoxes::RecordedMessageBoxes()
    : previous_(platform::ReplaceMessageBoxPresenter(
          [this](QWidget* parent, const std::string& text, platform::MessageIcon icon) {
            shown.push_back({parent, text, icon});
          })) {}

RecordedMessageBoxes::~RecordedMessageBoxes() { platform::ReplaceMessageBoxPresenter(std::move(previous_)); }

namespace {

// No test of this program may ever wait for someone to press OK: a box that no
// test asked to record fails the test instead of blocking it.
class NoModalBoxes : public ::testing::Environment {
 public:
  void SetUp() override {
    platform::ReplaceMessageBoxPresenter([](QWidget*, const std::string& text, platform::MessageIcon) {
      ADD_FAILURE() << "unexpected message box: " << text;
    });
  }
};

[[maybe_unused]] const auto* const noModalBoxes = ::testing::AddGlobalTestEnvironment(new NoModalBoxes);

}  // namespace
}  // namespace platform_testing
