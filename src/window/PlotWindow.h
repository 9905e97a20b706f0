#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "formula/Formula.h"
#include "formula/RandomSequence.h"
#include "render/AxisPoints.h"
#include "render/DepthOrder.h"
#include "render/SurfaceDrawing.h"
#include "render/Values.h"
#include "render/View.h"
#include "runtime/Progress.h"
#include "runtime/WorkerPool.h"
#include "surface/CellTable.h"
#include "surface/Coefficients.h"
#include "surface/ColorMode.h"
#include "surface/FormulaPoints.h"
#include "surface/Limits.h"
#include "window/WindowControls.h"

namespace window {

// The view the window starts with: the angles in degrees, as the read-outs show them.
inline constexpr int16_t StartTheta = -25;
inline constexpr int16_t StartPhi = 105;

// How a draw command ended. Cancelled: the user stopped the range scan or the cell
// table halfway.
enum class DrawOutcome { Drawn, Refused, ParseError, Failed, Cancelled };

// The logic of the program's one window: it owns the whole plot and handles every
// event. The controls are reached through WindowControls, so the logic runs
// without Qt.
class PlotWindow {
 public:
  explicit PlotWindow(WindowControls& controls);

  // Event handlers. None lets an error escape: an error that no routine traps is
  // reported in a message box, the pointers are set back, and the window goes on.
  void Load();
  // The outcome is for callers without a screen; the window's user reads the boxes.
  DrawOutcome Draw();
  // The pointer moved over the drawing area with these buttons held (1 left,
  // 2 right, 4 middle, added), at x, y pixels of its inner area.
  void Turn(int16_t buttons, float x, float y);
  // The view turned by so many degrees from the keyboard, each angle stopping at the
  // ends of its 16-bit range: the same redraw as a drag that ends at the new angles,
  // and nothing before the first draw.
  void TurnBy(int thetaDegrees, int phiDegrees);
  // One step of a steady turn: TurnBy(degrees, 0). False where the turn cannot go
  // on: before the first draw, with Θ at the end of its range, or after a redraw
  // that faulted (reported once, as every handler reports).
  bool TurnOnwards(int degrees);
  void ScaleChanged();
  void ShowColorModeMenu();
  void ChooseColorMode(surface::ColorMode mode);
  // Values on the picture (ticks, key, caption) or not, for every redraw from now
  // on; the picture on show gets them, or loses them, at once.
  void ShowValues(bool shown);
  void Exit();

  // Sets the view angles as the read-outs show them, without drawing: the next draw
  // or redraw uses them. For drawing without a window, where no pointer turns the view.
  void SetViewAngles(int16_t theta, int16_t phi);

  // Draws the drawing area's picture as it stands onto another surface, at that
  // surface's own pixel scale: the axes alone before the first surface is shown,
  // otherwise the cells with the view and colour mode of the last redraw, even
  // where the angles, scale control or mode mark have changed since without a
  // redraw. A redraw that faulted halfway is replayed up to the same fault, which
  // is not reported again.
  void DrawPictureOn(render::DrawingSurface& surface) const;

  // Draws the surface on show turned to `theta` onto another surface, exactly as a
  // draw at that angle would: the painter's order starts again from the table's
  // build order, not from the last redraw's, so that rows of equal depth fall as
  // they do there. The table is neither scanned nor built again, and the window's
  // own picture, order and angles stay as they are. Raises runtime::RuntimeError
  // where that draw would fault, and std::bad_alloc.
  void DrawTurnedOn(int16_t theta, render::DrawingSurface& surface);

  // The plot state, read by tests and by the Qt layer.
  const surface::Limits& Limits() const { return limits_; }
  const surface::Coefficients& Coefficients() const { return coefficients_; }
  // The cell table in build order, and the order the last redraw painted its rows in.
  const surface::CellTable& Cells() const { return cells_; }
  std::span<const uint32_t> PainterOrder() const { return depthOrder_.Rows(); }
  int16_t Theta() const { return theta_; }
  int16_t Phi() const { return phi_; }
  // What the drawing area shows: the view of its last redraw, and whether that drew
  // a surface or the axes alone.
  const render::View& ShownView() const { return shownView_; }
  bool SurfaceShown() const { return surfaceShown_; }
  bool ValuesShown() const { return valuesShown_; }

 private:
  // Reads the five input boxes into the limits and checks the ranges; false, after
  // the refusals' message boxes, when anything was refused.
  bool InputsAccepted();
  // What a cancelled draw puts back as it was before the click.
  struct PlotBefore {
    surface::Limits limits;
    surface::Coefficients coefficients;
    std::string zMinText, zMaxText;
    bool drawingAreaEnabled;
  };

  // The draw after its inputs were accepted. `tableSwapped` tells whether the new
  // table is on show, for putting the one before back.
  DrawOutcome DrawAccepted(const PlotBefore& before, bool& tableSwapped);
  // The parse error of the scan's last evaluation; nothing when cancelled.
  std::optional<int16_t> ScanZRange();
  // Builds the new table beside the one on screen and, unless cancelled (false),
  // makes it the window's, keeping the one before for a cancel.
  bool BuildCellTable();
  // Trades the surface on show (table, order, view) for the one kept beside it.
  void SwapWithPreviousSurface();
  // Undoes a cancelled draw; with the table swapped in, the one before and its
  // picture come back too.
  void PutBack(const PlotBefore& before, bool tableSwapped);
  void DrawAxes();
  void DrawSurface();
  // A redraw of the table as it stands, for a new view.
  void Redraw();

  surface::ColorMode MarkedColorMode() const;
  render::View CurrentView() const;
  // The formula of the formula box, compiled once per text; CurrentFormula().Z(X, Y)
  // is its value at a grid point.
  formula::Formula& CompiledFormula();
  surface::FormulaPoints CurrentFormula();
  void SetPointers(PointerShape shape);
  void ShowAngles();
  // TurnBy's work; false when the redraw faulted.
  bool TurnAndRedraw(int thetaDegrees, int phiDegrees);

  template <class Body>
  void RunHandler(Body&& body, bool fromDrag = false);

  WindowControls& controls_;
  surface::Limits limits_;
  surface::Coefficients coefficients_;
  int16_t phi_ = 0;
  int16_t theta_ = 0;
  render::AxisPoints axisPoints_{};
  surface::CellTable cells_;
  render::DepthOrder depthOrder_;
  render::CellPainter painter_;
  // The table and order shown before the last draw, kept for a cancel and then
  // reused as the next draw's working memory.
  surface::CellTable previousCells_;
  render::DepthOrder previousOrder_;
  // The order of the pictures turned from the table on show, apart from the window's.
  render::DepthOrder turnedOrder_;
  // What the drawing area shows: the view it was drawn with, and whether the
  // cells are in it or the axes alone.
  render::View shownView_{};
  bool surfaceShown_ = false;
  render::View previousShownView_{};
  bool previousSurfaceShown_ = false;
  // What the cells on show, and those kept beside them, were made from.
  render::PlotFacts shownFacts_;
  render::PlotFacts previousFacts_;
  bool valuesShown_ = false;

  std::optional<formula::Formula> compiled_;
  // RND's numbers: one sequence for every evaluation of the window's life.
  formula::RandomSequence random_;
  // A drag that faulted reports once, not once per move event, until the button is let go.
  bool dragFaultReported_ = false;

  // The threads that share out a draw and every redraw; one means everything runs
  // on the window's thread.
  runtime::WorkerPool pool_{runtime::WorkerPool::ThreadsFromEnvironment()};
};

}  // namespace window
