#pragma once

#include "cli/CommandLine.h"
#include "gui/MainWindow.h"

namespace app {

// Opens the window as the options ask: their boxes, mode, angles and scale set, then
// Draw Function at once, its refusals and "Parse Error" shown as the window shows
// them. Without options the window starts as it always does.
void StartWindowWith(const cli::RenderRequest& request, gui::MainWindow& window);

}  // namespace app
