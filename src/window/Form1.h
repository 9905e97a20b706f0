#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "formula/Formula.h"
#include "formula/RandomSequence.h"
#include "formula/Value.h"
#include "platform/FormControls.h"
#include "render/AxisPoints.h"
#include "render/ColorMode.h"
#include "render/View.h"
#include "surface/Coefficients.h"
#include "surface/FormulaPoints.h"
#include "surface/Limits.h"
#include "surface/Spots.h"

// The program's one window: it owns the whole plot and handles every event. The
// controls are reached through platform::FormControls, so the logic runs without Qt.
class Form1 {
 public:
  explicit Form1(platform::FormControls& controls);

  // Event handlers. None lets an error escape: an error that no routine traps is
  // reported in a message box, the pointers are set back, and the window goes on.
  void Form_Load();
  void CommandDraw_Click();
  void Picture1_MouseMove(int16_t button, int16_t shift, float X, float Y);
  void GraphScale_Change();
  void CmdMenu_Click();
  void MenuColorModeItem_Click(int16_t index);
  void Command1_Click();

  // The plot state, read by tests and by the platform layer.
  const surface::Limits& Limits() const { return limits_; }
  const surface::Coefficients& Coefficients() const { return coefficients_; }
  const surface::Spots& Spots() const { return spots_; }
  int16_t Theta() const { return theta_; }
  int16_t Phi() const { return phi_; }
  int16_t BadValue() const { return badValue_; }

 private:
  void SetupPlotArea();
  // 1 when anything was refused (after its message boxes), otherwise no value.
  std::optional<int16_t> CheckValues();
  std::optional<double> GetValue(const std::string& StringValue);
  // The ParseError of the range scan's last evaluation.
  int16_t GetCoordinates();
  void CenteringFunctionCoefficients();
  void GetFunctionSpots();
  void DrawAxies();
  void DrawFunction();

  render::ColorMode MarkedColorMode() const;
  render::View CurrentView() const;
  // The formula of Code, compiled once per text; CurrentFormula().Z(X, Y) is its
  // value at a grid point.
  formula::Formula& CompiledFormula();
  surface::FormulaPoints CurrentFormula();
  void SetPointers(platform::PointerShape shape);

  template <class Body>
  void RunHandler(Body&& body, bool fromDrag = false);

  platform::FormControls& controls_;
  surface::Limits limits_;
  surface::Coefficients coefficients_;
  int16_t phi_ = 0;
  int16_t theta_ = 0;
  render::AxisPoints axisPoints_{};
  surface::Spots spots_;
  int16_t badValue_ = 0;

  std::optional<formula::Formula> compiled_;
  // RND's numbers: one sequence for every evaluation of the window's life.
  formula::RandomSequence random_;
  // A drag that faulted reports once, not once per move event, until the button is let go.
  bool dragFaultReported_ = false;
};
