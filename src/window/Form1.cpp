#include "window/Form1.h"

#include <new>

#include "formula/Evaluation.h"
#include "render/Axes.h"
#include "render/SurfaceDrawing.h"
#include "runtime/Conversions.h"
#include "runtime/NumberFormat.h"
#include "runtime/ResumeNext.h"
#include "runtime/RuntimeError.h"
#include "surface/CenteringCoefficients.h"
#include "surface/SurfaceSpots.h"
#include "surface/ZRange.h"
#include "window/NumberReader.h"

using platform::MessageIcon;
using platform::PointerShape;
using platform::PointerTarget;

namespace {

constexpr int16_t LeftButtonOnly = 1;
constexpr int ColorModeItemCount = 4;
constexpr auto FormulaTooLongMessage =
    "The formula is too long: it may hold at most 98 numbers, names, operators and parentheses, "
    "and at most 32764 characters.";

std::string RuntimeErrorMessage(const runtime::RuntimeError& error) {
  return "Run-time error '" + std::to_string(static_cast<int>(error.Number())) + "':\n\n" + error.what();
}

}  // namespace

Form1::Form1(platform::FormControls& controls) : controls_(controls) {}

// ---- Start-up ----

void Form1::Form_Load() {
  RunHandler([&] {
    const float startLimits[] = {-1, 1, -1, 1, 12};
    for (int k = 1; k <= 5; ++k) limits_[k] = startLimits[k - 1];
    for (int k = 1; k <= 5; ++k) controls_.SetDataText(k, ShortestText(limits_[k]));
    controls_.SetPicture1Enabled(false);
    SetupPlotArea();
    theta_ = -25;
    phi_ = 105;
    DrawAxies();
  });
}

void Form1::SetupPlotArea() { axisPoints_ = render::StandardAxisPoints(); }

// ---- Draw command ----

void Form1::CommandDraw_Click() {
  RunHandler([&] {
    if (CheckValues() == 1) return;
    // A grid that could never be walked, or whose table would not fit, is refused
    // before anything changes.
    if (const auto refusal = surface::GridRefusal(limits_)) {
      controls_.MsgBox(*refusal, MessageIcon::Critical);
      return;
    }
    // Such a formula yields no value anywhere; drawing it would show a flat
    // surface as if all were well.
    if (CompiledFormula().TooLong()) {
      controls_.MsgBox(FormulaTooLongMessage, MessageIcon::Critical);
      return;
    }
    if (GetCoordinates() == formula::Evaluation::kMalformed) {
      controls_.MsgBox("Parse Error", MessageIcon::None);
      return;
    }
    CenteringFunctionCoefficients();
    GetFunctionSpots();
    controls_.SetPicture1Enabled(true);
    DrawFunction();
  });
}

std::optional<int16_t> Form1::CheckValues() {
  std::optional<int16_t> result;
  for (int k = 1; k <= 5; ++k) {
    runtime::Statement([&] {
      const std::optional<double> number = GetValue(controls_.DataText(k));
      limits_[k] = number ? runtime::ToSingle(*number) : 0.0f;
    });
    if (badValue_ != 0) {
      controls_.MsgBox("Wrong value", MessageIcon::Critical);
      return 1;
    }
  }
  if (!(limits_.XMin() < limits_.XMax())) {
    controls_.MsgBox(" Maximum 'X' Must be Greater than Minimum 'X'", MessageIcon::Critical);
    result = 1;
  }
  if (!(limits_.YMin() < limits_.YMax())) {
    controls_.MsgBox(" Maximum 'Y' Must be Greater than Minimum 'Y'", MessageIcon::Critical);
    result = 1;
  }
  if (!(limits_.Resolution() > 1)) {
    controls_.MsgBox("Resolution Must be Greater than '1'", MessageIcon::Critical);
    result = 1;
  }
  return result;
}

std::optional<double> Form1::GetValue(const std::string& StringValue) {
  badValue_ = 0;
  if (!IsAcceptedNumberText(StringValue)) {
    badValue_ = -1;
    return std::nullopt;
  }
  return ReadLenientNumber(StringValue);
}

int16_t Form1::GetCoordinates() {
  const int16_t lastParseError = surface::GetCoordinates(limits_, CurrentFormula());
  const char separator = controls_.DecimalSeparator();
  runtime::Statement([&] { controls_.SetDataText(6, runtime::FormatZeroPointHash(limits_.ZMin(), separator)); });
  runtime::Statement([&] { controls_.SetDataText(7, runtime::FormatZeroPointHash(limits_.ZMax(), separator)); });
  return lastParseError;
}

void Form1::CenteringFunctionCoefficients() { surface::CenteringFunctionCoefficients(limits_, coefficients_); }

void Form1::GetFunctionSpots() {
  SetPointers(PointerShape::Busy);
  surface::GetFunctionSpots(limits_, coefficients_, CurrentFormula(), MarkedColorMode(), spots_);
  SetPointers(PointerShape::Default);
}

// ---- Drawing ----

void Form1::DrawAxies() { render::DrawAxies(controls_.Picture1(), axisPoints_, CurrentView()); }

void Form1::DrawFunction() {
  SetPointers(PointerShape::Busy);
  render::DrawFunction(spots_, controls_.Picture1(), axisPoints_, CurrentView());
  SetPointers(PointerShape::Default);
}

// ---- View interaction ----

void Form1::Picture1_MouseMove(int16_t button, int16_t /*shift*/, float X, float Y) {
  if (button != LeftButtonOnly || !controls_.Picture1Enabled()) {
    dragFaultReported_ = false;
    return;
  }
  RunHandler(
      [&] {
        // The angles follow the pointer's absolute position; the square area's width
        // serves for the vertical mapping too.
        const float W = static_cast<float>(controls_.Picture1ScaleWidth());
        theta_ = runtime::ToInteger(X - W + 360.0f);
        phi_ = runtime::ToInteger(W - Y - 360.0f);
        controls_.SetLabelCaption(1, std::to_string(theta_));
        controls_.SetLabelCaption(2, std::to_string(phi_));
        DrawFunction();
      },
      /*fromDrag=*/true);
}

void Form1::GraphScale_Change() {
  RunHandler([&] {
    if (spots_.empty()) return;
    DrawFunction();
  });
}

void Form1::CmdMenu_Click() {
  RunHandler([&] { controls_.PopupColorModeMenu(); });
}

void Form1::MenuColorModeItem_Click(int16_t index) {
  RunHandler([&] {
    if (index < 1 || index > ColorModeItemCount)
      throw runtime::RuntimeError(runtime::ErrorNumber::SubscriptOutOfRange);
    for (int i = 1; i <= ColorModeItemCount; ++i) controls_.SetMenuItemChecked(i, false);
    controls_.SetMenuItemChecked(index, true);
  });
}

void Form1::Command1_Click() { controls_.Unload(); }

// ---- Formula ----

formula::Formula& Form1::CompiledFormula() {
  const std::string text = controls_.CodeText();
  if (!compiled_ || compiled_->text() != text) compiled_.emplace(text);
  return *compiled_;
}

surface::FormulaPoints Form1::CurrentFormula() {
  // The text cannot change while a handler runs, so it is read and compiled once
  // per routine rather than at every point.
  formula::Formula* compiled = &CompiledFormula();
  return {[compiled, &random = random_](float X, float Y) {
            return compiled->Evaluate(formula::Value::Single(X), formula::Value::Single(Y), random);
          },
          compiled->IsPure()};
}

// ---- Helpers ----

render::ColorMode Form1::MarkedColorMode() const {
  for (int i = 1; i <= ColorModeItemCount; ++i)
    if (controls_.MenuItemChecked(i)) return static_cast<render::ColorMode>(i);
  return render::ColorMode::Grid;
}

render::View Form1::CurrentView() const {
  return {theta_, phi_, controls_.GraphScaleValue(), MarkedColorMode()};
}

void Form1::SetPointers(PointerShape shape) {
  controls_.SetMousePointer(PointerTarget::Form, shape);
  controls_.SetMousePointer(PointerTarget::Picture1, shape);
}

template <class Body>
void Form1::RunHandler(Body&& body, bool fromDrag) {
  std::string failure;
  try {
    body();
    return;
  } catch (const runtime::RuntimeError& error) {
    failure = RuntimeErrorMessage(error);
  } catch (const std::bad_alloc&) {
    failure = RuntimeErrorMessage(runtime::RuntimeError(runtime::ErrorNumber::OutOfMemory));
  }
  SetPointers(PointerShape::Default);
  if (fromDrag) {
    if (dragFaultReported_) return;
    dragFaultReported_ = true;
  }
  controls_.MsgBox(failure, MessageIcon::Critical);
}
