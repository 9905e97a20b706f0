#include "cli/WindowStart.h"

#include "cli/EnterInputs.h"

namespace cli {

void StartWindowWith(const RenderRequest& request, gui::MainWindow& window) {
  if (request.LeavesWindowAsItStarts()) return;
  EnterInputs(request, window, window.Logic());
  if (request.values) window.CheckShowValues();
  window.DrawFunction();
}

}  // namespace cli
