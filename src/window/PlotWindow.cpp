#include "window/PlotWindow.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <new>

#include "formula/Evaluation.h"
#include "render/Axes.h"
#include "render/SurfaceDrawing.h"
#include "runtime/Conversions.h"
#include "runtime/NumberFormat.h"
#include "runtime/ResumeNext.h"
#include "runtime/RuntimeError.h"
#include "surface/CellTableBuilder.h"
#include "surface/Coefficients.h"
#include "surface/CompiledRowEvaluation.h"
#include "surface/ZRangeScan.h"
#include "window/NumberReader.h"

namespace window {
namespace {

using surface::ColorMode;
using surface::Limit;

constexpr int16_t LeftButtonOnly = 1;
// A redraw of a table this large may take a tenth of a second or more: the busy
// pointer says so. Smaller ones, the many redraws of a drag, spare the two round
// trips to the display that setting the pointer and setting it back cost.
constexpr std::size_t BusyRedrawCells = std::size_t{1} << 21;
constexpr float StartLimits[] = {-1, 1, -1, 1, 12};
constexpr auto FormulaTooLongMessage =
    "The formula is too long: it may hold at most 98 numbers, names, operators and parentheses, "
    "and at most 32764 characters.";

int16_t TurnedAngle(int16_t angle, int degrees) {
  constexpr int lowest = std::numeric_limits<int16_t>::min(), highest = std::numeric_limits<int16_t>::max();
  return static_cast<int16_t>(std::clamp(angle + degrees, lowest, highest));
}

// Tells the progress that the work is over, however the draw ends.
class ProgressSession {
 public:
  explicit ProgressSession(runtime::Progress& progress) : progress_(progress) {}
  ~ProgressSession() { progress_.Finish(); }
  ProgressSession(const ProgressSession&) = delete;
  ProgressSession& operator=(const ProgressSession&) = delete;

 private:
  runtime::Progress& progress_;
};

}  // namespace

PlotWindow::PlotWindow(WindowControls& controls) : controls_(controls) {}

// ---- Start-up ----

void PlotWindow::Load() {
  RunHandler([&] {
    for (int k = 0; const Limit box : surface::InputLimits) limits_[box] = StartLimits[k++];
    for (const Limit box : surface::InputLimits) controls_.SetNumberText(box, ShortestText(limits_[box]));
    controls_.SetDrawingAreaEnabled(false);
    axisPoints_ = render::StandardAxisPoints();
    theta_ = StartTheta;
    phi_ = StartPhi;
    DrawAxes();
  });
}

// ---- Draw command ----

DrawOutcome PlotWindow::Draw() {
  DrawOutcome outcome = DrawOutcome::Failed;
  RunHandler([&] {
    // What a cancel puts back: the plot as it was before the click.
    const PlotBefore before{limits_, coefficients_, controls_.NumberText(Limit::ZMin),
                            controls_.NumberText(Limit::ZMax), controls_.DrawingAreaEnabled()};
    outcome = DrawOutcome::Refused;
    if (!InputsAccepted()) return;
    // A grid that could never be walked, or whose table would not fit, is refused
    // before anything changes.
    Limit concerned{};
    if (const auto refusal = surface::GridRefusal(limits_, &concerned)) {
      controls_.ShowMessage(*refusal, MessageIcon::Critical);
      controls_.SelectRefusedBox(concerned);
      return;
    }
    // Such a formula yields no value anywhere; drawing it would show a flat
    // surface as if all were well.
    if (CompiledFormula().TooLong()) {
      controls_.ShowMessage(FormulaTooLongMessage, MessageIcon::Critical);
      return;
    }
    outcome = DrawOutcome::Failed;
    bool tableSwapped = false;
    try {
      outcome = DrawAccepted(before, tableSwapped);
    } catch (const std::bad_alloc&) {
      // Short of memory halfway: the plot comes back as a cancel leaves it, then the
      // error is reported. Nothing shows a surface that was never built.
      PutBack(before, tableSwapped);
      throw;
    }
  });
  return outcome;
}

DrawOutcome PlotWindow::DrawAccepted(const PlotBefore& before, bool& tableSwapped) {
  runtime::Progress& progress = controls_.DrawProgress();
  const ProgressSession session(progress);
  const auto cancel = [&] {
    PutBack(before, tableSwapped);
    SetPointers(PointerShape::Default);
    return DrawOutcome::Cancelled;
  };
  const std::optional<int16_t> lastParseError = ScanZRange();
  if (!lastParseError) {
    PutBack(before, /*tableSwapped=*/false);
    return DrawOutcome::Cancelled;
  }
  if (*lastParseError == formula::Evaluation::kMalformed) {
    controls_.ShowMessage("Parse Error", MessageIcon::None);
    return DrawOutcome::ParseError;
  }
  surface::ComputeCoefficients(limits_, coefficients_);
  SetPointers(PointerShape::Busy);
  tableSwapped = BuildCellTable();
  if (!tableSwapped || progress.Cancelled()) return cancel();
  controls_.SetDrawingAreaEnabled(true);
  progress.BeginStage(runtime::Stage::Drawing, cells_.size());
  DrawSurface();
  if (progress.Cancelled()) return cancel();
  SetPointers(PointerShape::Default);
  return DrawOutcome::Drawn;
}

bool PlotWindow::InputsAccepted() {
  for (const Limit box : surface::InputLimits) {
    const std::string text = controls_.NumberText(box);
    if (!IsAcceptedNumberText(text)) {
      limits_[box] = 0;
      controls_.ShowMessage("Wrong value", MessageIcon::Critical);
      controls_.SelectRefusedBox(box);
      return false;
    }
    // A number beyond the float range leaves the limit as it was.
    runtime::Statement([&] { limits_[box] = runtime::ToSingle(ReadLenientNumber(text)); });
  }
  // Every broken rule is reported; the keyboard goes to the box of the first.
  std::optional<Limit> refused;
  const auto refuse = [&](const char* message, Limit box) {
    controls_.ShowMessage(message, MessageIcon::Critical);
    if (!refused) refused = box;
  };
  if (!(limits_.XMin() < limits_.XMax()))
    refuse(" Maximum 'X' Must be Greater than Minimum 'X'", Limit::XMax);
  if (!(limits_.YMin() < limits_.YMax()))
    refuse(" Maximum 'Y' Must be Greater than Minimum 'Y'", Limit::YMax);
  if (!(limits_.Resolution() > 1)) refuse("Resolution Must be Greater than '1'", Limit::Resolution);
  if (refused) controls_.SelectRefusedBox(*refused);
  return !refused;
}

std::optional<int16_t> PlotWindow::ScanZRange() {
  const surface::ZRangeScanResult scan =
      surface::ScanZRange(limits_, CurrentFormula(), pool_, controls_.DrawProgress());
  if (!scan.completed) return std::nullopt;
  const char separator = controls_.DecimalSeparator();
  for (const Limit box : {Limit::ZMin, Limit::ZMax})
    runtime::Statement(
        [&] { controls_.SetNumberText(box, runtime::FormatZeroPointHash(limits_[box], separator)); });
  return scan.lastParseError;
}

bool PlotWindow::BuildCellTable() {
  // The new table is built beside the one on screen, which a cancel keeps.
  const bool completed = surface::BuildCellTable(limits_, coefficients_, CurrentFormula(), MarkedColorMode(),
                                                 previousCells_, pool_, controls_.DrawProgress());
  if (!completed) return false;
  // Whatever the build leaves in the table, its rows are in build order. The order
  // is made before the swap, so that running short of memory for it leaves the
  // surface on show as it was.
  previousOrder_.Restart(previousCells_, pool_);
  previousFacts_ = {controls_.FormulaText(), limits_, coefficients_, MarkedColorMode(),
                    controls_.DecimalSeparator()};
  SwapWithPreviousSurface();
  return true;
}

void PlotWindow::SwapWithPreviousSurface() {
  std::swap(cells_, previousCells_);
  std::swap(depthOrder_, previousOrder_);
  std::swap(surfaceShown_, previousSurfaceShown_);
  std::swap(shownView_, previousShownView_);
  std::swap(shownFacts_, previousFacts_);
  // The turned pictures' order holds the centres of the table shown until now.
  turnedOrder_ = {};
}

void PlotWindow::PutBack(const PlotBefore& before, bool tableSwapped) {
  limits_ = before.limits;
  coefficients_ = before.coefficients;
  controls_.SetNumberText(Limit::ZMin, before.zMinText);
  controls_.SetNumberText(Limit::ZMax, before.zMaxText);
  controls_.SetDrawingAreaEnabled(before.drawingAreaEnabled);
  if (!tableSwapped) return;
  SwapWithPreviousSurface();
  // The picture on screen may be half drawn: the one before comes back.
  DrawPictureOn(controls_.DrawingArea());
}

// ---- Drawing ----

void PlotWindow::DrawAxes() {
  shownView_ = CurrentView();
  render::DrawAxes(controls_.DrawingArea(), axisPoints_, shownView_);
}

void PlotWindow::DrawSurface() {
  const render::View view = CurrentView();
  // A fault while sorting leaves the picture on screen untouched.
  depthOrder_.SortForView(view, pool_);
  shownView_ = view;
  surfaceShown_ = true;
  painter_.Paint(cells_, depthOrder_.Rows(), controls_.DrawingArea(), axisPoints_, view, pool_);
  if (valuesShown_) render::DrawValues(controls_.DrawingArea(), shownFacts_, axisPoints_, view);
}

void PlotWindow::Redraw() {
  const bool busy = cells_.size() >= BusyRedrawCells;
  if (busy) SetPointers(PointerShape::Busy);
  DrawSurface();
  if (busy) SetPointers(PointerShape::Default);
}

void PlotWindow::DrawPictureOn(render::DrawingSurface& surface) const {
  try {
    if (surfaceShown_) {
      // The order is still the one of the last redraw, which sorted it for this view.
      // A picture saved or copied is drawn on this thread alone, with working memory
      // of its own, so that it leaves the window's untouched.
      runtime::WorkerPool here(1);
      render::CellPainter painter;
      painter.Paint(cells_, depthOrder_.Rows(), surface, axisPoints_, shownView_, here);
      if (valuesShown_) render::DrawValues(surface, shownFacts_, axisPoints_, shownView_);
    } else {
      surface.Clear();
      render::DrawAxes(surface, axisPoints_, shownView_);
    }
  } catch (const runtime::RuntimeError&) {
    // The redraw on screen stopped at the same place and has reported it.
  }
}

void PlotWindow::DrawTurnedOn(int16_t theta, render::DrawingSurface& surface) {
  render::View view = shownView_;
  view.Theta = theta;
  // Only the first picture of a table copies its centres.
  if (turnedOrder_.Rows().size() == cells_.size())
    turnedOrder_.RestoreBuildOrder();
  else
    turnedOrder_.Restart(cells_, pool_);
  turnedOrder_.SortForView(view, pool_);
  painter_.Paint(cells_, turnedOrder_.Rows(), surface, axisPoints_, view, pool_);
  if (valuesShown_) render::DrawValues(surface, shownFacts_, axisPoints_, view);
}

// ---- View interaction ----

void PlotWindow::Turn(int16_t buttons, float x, float y) {
  if (buttons != LeftButtonOnly || !controls_.DrawingAreaEnabled()) {
    dragFaultReported_ = false;
    return;
  }
  RunHandler(
      [&] {
        // The angles follow the pointer's absolute position; the square area's width
        // serves for the vertical mapping too.
        const float width = static_cast<float>(controls_.DrawingAreaWidth());
        theta_ = runtime::ToInteger(x - width + 360.0f);
        phi_ = runtime::ToInteger(width - y - 360.0f);
        ShowAngles();
        Redraw();
      },
      /*fromDrag=*/true);
}

void PlotWindow::TurnBy(int thetaDegrees, int phiDegrees) {
  if (controls_.DrawingAreaEnabled()) TurnAndRedraw(thetaDegrees, phiDegrees);
}

bool PlotWindow::TurnOnwards(int degrees) {
  if (!controls_.DrawingAreaEnabled()) return false;
  const int16_t before = theta_;
  return TurnAndRedraw(degrees, 0) && (degrees == 0 || theta_ != before);
}

bool PlotWindow::TurnAndRedraw(int thetaDegrees, int phiDegrees) {
  bool drawn = false;
  RunHandler([&] {
    theta_ = TurnedAngle(theta_, thetaDegrees);
    phi_ = TurnedAngle(phi_, phiDegrees);
    ShowAngles();
    Redraw();
    drawn = true;
  });
  return drawn;
}

void PlotWindow::ScaleChanged() {
  RunHandler([&] {
    if (cells_.empty()) return;
    Redraw();
  });
}

void PlotWindow::ShowColorModeMenu() {
  RunHandler([&] { controls_.PopupColorModeMenu(); });
}

void PlotWindow::ChooseColorMode(ColorMode mode) {
  RunHandler([&] {
    for (const ColorMode other : surface::AllColorModes) controls_.SetColorModeChecked(other, false);
    controls_.SetColorModeChecked(mode, true);
  });
}

void PlotWindow::ShowValues(bool shown) {
  RunHandler([&] {
    valuesShown_ = shown;
    if (surfaceShown_) DrawPictureOn(controls_.DrawingArea());
  });
}

void PlotWindow::Exit() { controls_.Close(); }

void PlotWindow::SetViewAngles(int16_t theta, int16_t phi) {
  theta_ = theta;
  phi_ = phi;
  ShowAngles();
}

void PlotWindow::ShowAngles() {
  controls_.SetAngleText(AngleReadout::Theta, std::to_string(theta_));
  controls_.SetAngleText(AngleReadout::Phi, std::to_string(phi_));
}

// ---- Formula ----

formula::Formula& PlotWindow::CompiledFormula() {
  const std::string text = controls_.FormulaText();
  if (!compiled_ || compiled_->text() != text) compiled_.emplace(text);
  return *compiled_;
}

surface::FormulaPoints PlotWindow::CurrentFormula() {
  // The text cannot change while a handler runs, so it is read and compiled once
  // per routine rather than at every point.
  formula::Formula* compiled = &CompiledFormula();
  surface::FormulaPoints points{[compiled, &random = random_](float x, float y) {
                                  return compiled->Evaluate(formula::Value::Single(x),
                                                            formula::Value::Single(y), random);
                                },
                                compiled->IsPure()};
  // Another thread's evaluations go through a formula compiled again from the same
  // text. A pure formula never draws from RND's sequence, so a fresh one serves; its
  // rows of points compute what depends on X alone or Y alone once.
  if (points.pure) {
    points.MakeEvaluation = [text = compiled->text()]() -> surface::PointEvaluation {
      auto own = std::make_shared<formula::Formula>(text);
      auto random = std::make_shared<formula::RandomSequence>();
      return [own, random](float x, float y) {
        return own->Evaluate(formula::Value::Single(x), formula::Value::Single(y), *random);
      };
    };
    points.MakeRowEvaluation = surface::CompiledRowEvaluations(compiled->text());
  }
  return points;
}

// ---- Helpers ----

ColorMode PlotWindow::MarkedColorMode() const {
  for (const ColorMode mode : surface::AllColorModes)
    if (controls_.ColorModeChecked(mode)) return mode;
  return ColorMode::Grid;
}

render::View PlotWindow::CurrentView() const {
  return {theta_, phi_, controls_.ScaleValue(), MarkedColorMode()};
}

void PlotWindow::SetPointers(PointerShape shape) {
  controls_.SetPointer(PointerTarget::Window, shape);
  controls_.SetPointer(PointerTarget::DrawingArea, shape);
}

template <class Body>
void PlotWindow::RunHandler(Body&& body, bool fromDrag) {
  std::string failure;
  try {
    body();
    return;
  } catch (const runtime::RuntimeError& error) {
    failure = runtime::ErrorReport(error);
  } catch (const std::bad_alloc&) {
    failure = runtime::ErrorReport(runtime::RuntimeError(runtime::ErrorNumber::OutOfMemory));
  }
  SetPointers(PointerShape::Default);
  if (fromDrag) {
    if (dragFaultReported_) return;
    dragFaultReported_ = true;
  }
  controls_.ShowMessage(failure, MessageIcon::Critical);
}

}  // namespace window
