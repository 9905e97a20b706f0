#pragma once

#include <QMessageBox>
#include <functional>
#include <memory>
#include <string>

#include "window/WindowControls.h"

namespace gui {

// The program's name, the title of every message box.
inline constexpr const char* MessageBoxTitle = "surfplot";

// Shows one message to the user and returns when it is dismissed.
using MessageBoxPresenter =
    std::function<void(QWidget* parent, const std::string& text, window::MessageIcon icon)>;

// Every message of the program goes through here, to the current presenter.
void PresentMessageBox(QWidget* parent, const std::string& text, window::MessageIcon icon);

// Installs another presenter (tests install a recorder, so that nothing blocks on
// a modal box) and returns the one it replaces. An empty one restores the real one.
MessageBoxPresenter ReplaceMessageBoxPresenter(MessageBoxPresenter presenter);

// The real presenter: a modal box with an OK button.
void ShowModalMessageBox(QWidget* parent, const std::string& text, window::MessageIcon icon);
// The box that ShowModalMessageBox runs, not yet shown.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, const std::string& text,
                                            window::MessageIcon icon);

}  // namespace gui
