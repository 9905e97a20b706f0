#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/MainWindow.h"
#include "gui/MessageBox.h"

// Message boxes recorded instead of shown, while it lives.
struct RecordedMessages {
  RecordedMessages()
      : previous(gui::ReplaceMessageBoxPresenter(
            [this](QWidget*, const std::string& text, window::MessageIcon) { texts.push_back(text); })) {}
  ~RecordedMessages() { gui::ReplaceMessageBoxPresenter(previous); }
  std::vector<std::string> texts;
  gui::MessageBoxPresenter previous;
};

// The main window, shown on the offscreen screen.
class ShownWindow : public ::testing::Test {
 protected:
  ShownWindow() { form.show(); }
  RecordedMessages messages;
  gui::MainWindow form;
};
