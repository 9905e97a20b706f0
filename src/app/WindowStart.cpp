#include "app/WindowStart.h"

#include "cli/EnterInputs.h"

namespace app {

void StartWindowWith(const cli::RenderRequest& request, gui::MainWindow& window) {
  if (request.LeavesWindowAsItStarts()) return;
  cli::EnterInputs(request, window, window.Logic());
  if (request.values) window.CheckShowValues();
  window.DrawFunction();
}

}  // namespace app
