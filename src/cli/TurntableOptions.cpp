#include "cli/TurntableOptions.h"

#include <charconv>
#include <cmath>

#include "cli/WholeOption.h"
#include "picture/AnimationFile.h"
#include "picture/NumberedFrames.h"
#include "picture/PictureFile.h"
#include "window/PlotWindow.h"
#include "window/TurntableAngles.h"

namespace cli {
namespace {

constexpr int SlowestFps = 1;
constexpr int FastestFps = 100;

std::optional<double> FiniteNumber(const QString& text) {
  const std::string digits = text.toStdString();
  double value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

// What the output's name makes of the frames; the refusal when it makes nothing.
std::optional<std::string> OutputRefusal(const std::string& output) {
  const QString name = QString::fromStdString(output);
  const int fields = picture::NumberFieldsIn(output);
  if (fields > 1)
    return "--output '" + output + "' holds " + std::to_string(fields) +
           " number fields; numbered frames take one, such as frame-%03d.png";
  if (fields == 1 && !picture::FormatOfFileName(name))
    return "--frames writes numbered frames as .png or .svg, not '" + output + "'";
  if (fields == 0 && !picture::AnimationFormatOfFileName(name))
    return "--frames writes a .webp or .gif animation, or numbered frames by a name such as frame-%03d.png, "
           "not '" +
           output + "'";
  return std::nullopt;
}

}  // namespace

std::optional<std::string> ReadTurntable(const QCommandLineParser& parser, RenderRequest& request) {
  if (!parser.isSet("frames")) return std::nullopt;
  std::optional<int> frames, fps;
  std::string error;
  if (!ReadWhole(parser, "frames", window::FewestTurntableFrames, window::MostTurntableFrames, frames,
                 error) ||
      !ReadWhole(parser, "fps", SlowestFps, FastestFps, fps, error))
    return error;
  Turntable turntable;
  turntable.fps = fps.value_or(turntable.fps);
  double turn = window::WholeTurn;
  if (parser.isSet("turn")) {
    const auto number = FiniteNumber(parser.value("turn"));
    if (!number) return "--turn takes a number of degrees, not '" + parser.value("turn").toStdString() + "'";
    turn = *number;
  }
  if (auto refusal = OutputRefusal(request.output)) return refusal;
  const int16_t start = request.theta.value_or(window::StartTheta);
  for (int frame = 0; frame < *frames; ++frame) {
    const auto theta = window::TurntableTheta(start, turn, *frames, frame);
    if (!theta)
      return "--turn takes the view beyond the turns --theta can give, -32768 to 32767 degrees, at frame " +
             std::to_string(frame);
    turntable.thetas.push_back(*theta);
  }
  request.turntable = std::move(turntable);
  return std::nullopt;
}

}  // namespace cli
