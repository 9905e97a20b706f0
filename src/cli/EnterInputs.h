#pragma once

#include "cli/CommandLine.h"
#include "window/PlotWindow.h"

namespace cli {

// Puts what the options ask for into the controls, as a user would before pressing
// Draw Function: the boxes, the formula and the scale, then the mode and the view
// through the window's logic. What the options leave out keeps its start value.
// `Controls` is the window on screen or its headless stand-in.
template <class Controls>
void EnterInputs(const RenderRequest& request, Controls& controls, window::PlotWindow& logic) {
  for (std::size_t k = 0; k < request.inputs.size(); ++k)
    if (request.inputs[k]) controls.SetNumberText(surface::InputLimits[k], *request.inputs[k]);
  if (request.formula) controls.SetFormulaText(*request.formula);
  if (request.scale) controls.SetScaleValue(*request.scale);
  if (request.mode) logic.ChooseColorMode(*request.mode);
  if (request.theta || request.phi)
    logic.SetViewAngles(request.theta.value_or(logic.Theta()), request.phi.value_or(logic.Phi()));
}

}  // namespace cli
